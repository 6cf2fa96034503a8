// The frame shared by the small dialogs that change one value in a register or a memory
// cell: heading, a group box with labelled fields, "&Ok" (Enter) and "&Abbrechen", and the
// flag that tells the caller whether the user confirmed.
#pragma once

#include <QDialog>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <cstdint>
#include <vector>

class QGroupBox;
class QLabel;
class QPushButton;

namespace tovak {

class TSpinEdit;

class TValueDialog : public QDialog {
    Q_OBJECT

public:
    // Design positions in pixels; field positions are relative to the group box.
    struct Design {
        QString caption;
        QString heading;
        QString groupTitle;
        QSize client;
        QRect group;
        QPoint ok;
        QPoint esc;
        // Whether Escape cancels; elsewhere a stray Escape must not throw the input away.
        bool escapeCancels = false;
    };

    // True once the user confirmed; a cancelled or closed dialog leaves it false.
    bool Ok() const { return ok_ != 0; }
    // The value to take after confirmation, held to the field's limits: a number typed beyond
    // them and confirmed with Enter, before the field could clamp it, gives the nearest limit.
    int Value() const;

    QLabel* Heading() const { return heading_; }
    QGroupBox* GroupBox1() const { return group_; }
    QPushButton* BnOk() const { return bnOk_; }
    QPushButton* BnEsc() const { return bnEsc_; }

    void BnOkClick();
    void BnEscClick();

protected:
    TValueDialog(const Design& design, QWidget* parent);

    // A label and its field inside the group box; the spin edit holds the value and gets the
    // focus at opening.
    QLabel* AddLabel(const char* name, const QString& text, QPoint at);
    void PlaceField(QWidget* field, QRect at);
    TSpinEdit* AddSpinEdit(const char* name, QRect at, int minValue, int maxValue);

    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    struct Row {
        QLabel* label;
        QPoint labelAt;
        QWidget* field = nullptr;
        QRect fieldAt;
    };

    // Moves the fields right and widens the dialog where a label would run into its field
    // with the installed fonts; the arrangement stays that of the design.
    void FitTexts();

    Design design_;
    std::vector<Row> rows_;
    QLabel* heading_ = nullptr;
    QGroupBox* group_ = nullptr;
    QPushButton* bnOk_ = nullptr;
    QPushButton* bnEsc_ = nullptr;
    TSpinEdit* valueField_ = nullptr;
    std::uint8_t ok_ = 0;
};

} // namespace tovak
