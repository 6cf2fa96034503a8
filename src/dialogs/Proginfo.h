// The about box: program name, the version the program reports, this build's version with
// the Qt version it runs on, the maker and the project's address.
#pragma once

#include <QDialog>

class QLabel;
class QPixmap;
class QPushButton;

namespace tovak {

// The program's own icon.
QPixmap TovakIcon();

class TFProgInfo final : public QDialog {
    Q_OBJECT

public:
    explicit TFProgInfo(QWidget* parent = nullptr);

    // Opens the project's address through the launcher.
    void Label1Click();

    // The address Label1 shows and opens: the project's web address when the build names
    // one, else the project description beside the program.
    static QString ProjectAddress();
    // "Dieser Build: Version <project version>, Qt <version in use>".
    static QString BuildLine();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* MakeLabel(const char* name, const QString& text, const QFont& font,
                      const QColor& color);
    void CentreInPanel(QLabel* label, int top);

    QWidget* panel_ = nullptr;
    QLabel* label1_ = nullptr;
    QPushButton* bnOkay_ = nullptr;
};

} // namespace tovak
