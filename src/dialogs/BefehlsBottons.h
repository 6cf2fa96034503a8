// The command window "Befehlsauswahl": one button per instruction group. It opens no dialog
// itself; it asks the main window, which opens the group's dialog as its menu does.
#pragma once

#include <QWidget>
#include <vector>

class QPushButton;

namespace tovak {

class TFBefehlsBottons final : public QWidget {
    Q_OBJECT

public:
    // What the window reports: 0 when it closes, 1..7 for the groups in button order.
    enum Notification : int {
        kGeschlossen = 0,
        kTransport = 1,
        kArithmetik = 2,
        kLogik = 3,
        kShift = 4,
        kJump = 5,
        kInOut = 6,
        kSteuer = 7,
    };

    explicit TFBefehlsBottons(QWidget* parent = nullptr);

    // Places the window right of the main window and shows it; when that would reach beyond
    // the screen, it ends 10 pixels before the screen's right edge. Top: the main window's.
    void ShowBeside(int mainTop, int mainLeft, int mainWidth);

    // The left edge ShowBeside chooses on a screen spanning screenLeft..screenLeft+screenWidth.
    static int BesideLeft(int mainLeft, int mainWidth, int ownWidth, int screenLeft,
                          int screenWidth);

    QPushButton* Button(int group) const;

signals:
    // Delivered synchronously: the main window opens the dialog while the click waits.
    void notify(int code);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    std::vector<QPushButton*> buttons_;
};

} // namespace tovak
