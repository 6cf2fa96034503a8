// The common frame of the seven instruction dialogs: a group box for the instruction's radio
// buttons and inputs, "&Ok" and "Abbruch", the red status line and a right-click menu that
// starts the calculator. Each radio button carries its instruction number; OK hands the
// first selected one back as Befehl, with the Operand the dialog read from its inputs.
#pragma once

#include <QDialog>

#include <span>
#include <vector>

class QAction;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;

namespace tovak {

class TSpinEdit;

// Shared by all instruction dialogs: the caller sets it to 0 before showing one, OK sets it
// to 1. The caller reads Befehl and Operand only when it is greater than 0.
extern int DialogOkay;

// A row of an instruction dialog's table: the radio button's name, instruction and height.
struct RadioZeile {
    const char* name;
    int befehl;
    int y;
};

class TFDialog0 : public QDialog {
    Q_OBJECT

public:
    int Befehl() const { return befehl_; }
    int Operand() const { return operand_; }

    QGroupBox* GroupBox1() const { return groupBox1_; }
    QPushButton* BnOkay() const { return bnOkay_; }
    QPushButton* BnAbbruch() const { return bnAbbruch_; }
    QLabel* LStatusBar() const { return lStatusBar_; }
    QMenu* PopupMenu1() const { return popupMenu1_; }
    QAction* LkRechner() const { return lkRechner_; }

    // The radio buttons in creation order, and the one for an instruction number.
    const std::vector<QRadioButton*>& RadioButtons() const { return radios_; }
    QRadioButton* Radio(int befehl) const;
    static int Tag(const QRadioButton* radio);
    // The checked radio button; nullptr when none is.
    QRadioButton* CheckedRadio() const;

    // OK: takes the first selected radio button's number as Befehl, sets DialogOkay and
    // closes. The dialogs check and store their operand first.
    virtual void BnOkayClick();
    void BnAbbruchClick();
    // Starts the desktop calculator; a failure is reported by the launcher.
    void LkRechnerClick();

protected:
    TFDialog0(const QString& caption, QWidget* parent);

    // The frame's bold font and the plain font of most dialogs.
    static QFont SystemFont();
    static QFont PlainFont();

    // Sizes of the frame: client area, group box and the two buttons' top-left corners.
    void SetFrame(QSize client, QRect groupBox, QPoint okay, QPoint abbruch);

    // Parts placed inside the group box. Inputs join the Tab order behind the radio buttons.
    QRadioButton* AddRadio(const char* name, int befehl, int x, int y);
    // One radio button per row of a dialog's table, all at the same x.
    void AddRadios(std::span<const RadioZeile> zeilen, int x);
    QLabel* AddLabel(const char* name, const QString& text, int x, int y);
    TSpinEdit* AddSpin(const char* name, QRect geometry, int minValue, int maxValue);
    QLineEdit* AddLineEdit(const char* name, QRect geometry);

    // Captions and tool tips of all radio buttons from the instruction name tables.
    void SetRadioButtons();
    // The status line shows a radio button's description.
    void ShowDescription(const QRadioButton* radio);
    // The selected radio button's handler; also runs when the arrow keys select one.
    virtual void RadioClick(QRadioButton* radio) = 0;

    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

    int befehl_ = 0;
    int operand_ = 0;

private:
    void ChainTabOrder();
    void UpdateRadioFocus();
    void MoveToRadio(const QRadioButton* from, int step);
    void PopupAtFocus(QWidget* focus);

    QGroupBox* groupBox1_ = nullptr;
    QPushButton* bnOkay_ = nullptr;
    QPushButton* bnAbbruch_ = nullptr;
    QFrame* panel1_ = nullptr;
    QLabel* lStatusBar_ = nullptr;
    QMenu* popupMenu1_ = nullptr;
    QAction* lkRechner_ = nullptr;
    std::vector<QRadioButton*> radios_;
    std::vector<QWidget*> inputs_;
    bool keysWatched_ = false;
};

} // namespace tovak
