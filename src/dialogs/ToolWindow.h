// What the output, remarks and debug windows share: a small white window beside the main
// window that reports its closing, and that remembers where the user put it. It opens at the
// main window's chosen place until the user moves or resizes it; from then on at that place
// and size, also after a restart (stored beside the settings), unless no screen shows it any
// more (a projector unplugged).
#pragma once

#include <QRect>
#include <QWidget>

class QTimer;

namespace tovak {

class ToolWindow : public QWidget {
    Q_OBJECT

public:
    // name is the object name and the key of the stored place.
    ToolWindow(QWidget* parent, const QString& name, const QString& title);
    ~ToolWindow() override;

    // The place the user gave the window, if any and if a screen still shows it.
    static bool StoredPlace(const QString& name, QRect& place);

signals:
    void closed();

protected:
    // Shows the window at the user's place, or else at place (its top left corner).
    void ShowAt(const QPoint& place);
    // Whatever the window does when it closes, before closed() is reported.
    virtual void Closing() {}

    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Noticed();
    void StorePlace();

    QTimer* storeTimer_ = nullptr;
    QRect placed_; // where ShowAt put it; a change from there is the user's
    bool placing_ = false;
};

} // namespace tovak
