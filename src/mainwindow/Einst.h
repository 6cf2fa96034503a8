// The settings dialog: waiting times, the professional options and the two grid colours.
// It reads the settings when it opens and writes them only on "&Ok"; its caller applies them.
#pragma once

#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace tovak {

class TSpinEdit;

class TFEinst final : public QDialog {
    Q_OBJECT

public:
    explicit TFEinst(QWidget* parent = nullptr);

    // "&Ok": stores every value, then closes with Accepted.
    void BnOkClick();
    // "&1" and "&2": choose the working colour of one sample panel.
    void BnPanelFarbeAktiviertClick();
    void BnPanelFarbeDeAktiviertClick();

    // The working colours (0x00BBGGRR) the sample panels show.
    int WorkingColorMovRegAkku() const { return colorMovRegAkku_; }
    int WorkingColorMovAkkuReg() const { return colorMovAkkuReg_; }

private:
    QWidget* CreateWartezeitenPage();
    QWidget* CreateProfiPage();
    QWidget* CreateFarbenPage();
    void ChooseColor(int& working, QLabel* panel);
    static void ShowColor(QLabel* panel, int bgr);

    QTabWidget* pageControl_ = nullptr;
    TSpinEdit* spAnimationsdauer_ = nullptr;
    TSpinEdit* spBackupTime_ = nullptr;
    QButtonGroup* liesZahl_ = nullptr;
    QRadioButton* rbLiesZahlInRegister_ = nullptr;
    QCheckBox* chkSpeicherMaximal_ = nullptr;
    QLabel* panelMovAkkuReg_ = nullptr;
    QLabel* panelRegAkku_ = nullptr;
    int colorMovRegAkku_ = 0;
    int colorMovAkkuReg_ = 0;
};

} // namespace tovak
