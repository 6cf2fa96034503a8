// The window on screens smaller than the diagram: at large scale factors (or on small
// screens) the window keeps to the screen and its client area scrolls instead.
#include "mainwindow/Main.h"

#include <QApplication>
#include <QEvent>
#include <QLayout>
#include <QScreen>
#include <algorithm>

namespace tovak {

namespace {

// Before the window is shown it has no frame; one of this size is assumed.
constexpr int kAssumedFrameWidth = 16;
constexpr int kAssumedFrameHeight = 40;

QRect AvailableArea(const QWidget* w) {
    const QScreen* screen = w->screen() != nullptr ? w->screen() : QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->availableGeometry() : QRect();
}

// Keeps every dialog and tool window that is shown inside the screen's free area: at large
// scale factors a dialog placed beside the main window or centred over it would otherwise
// hang over the screen's edge, its buttons out of reach.
class ScreenKeeper final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched->isWidgetType()) {
            auto* w = static_cast<QWidget*>(watched);
            const Qt::WindowType type = w->windowType();
            if (w->isWindow() && w != parent() &&
                (type == Qt::Dialog || type == Qt::Tool || type == Qt::Window)) {
                Keep(w);
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    static void Keep(QWidget* w) {
        const QRect area = AvailableArea(w);
        if (area.isEmpty()) {
            return;
        }
        const int frameWidth = std::max(0, w->frameGeometry().width() - w->width());
        const int frameHeight = std::max(0, w->frameGeometry().height() - w->height());
        const QSize room(area.width() - frameWidth, area.height() - frameHeight);
        if (w->width() > room.width() || w->height() > room.height()) {
            w->resize(std::min(w->width(), room.width()), std::min(w->height(), room.height()));
        }
        const QRect frame = w->frameGeometry();
        const int x =
            std::max(std::min(frame.left(), area.right() + 1 - frame.width()), area.left());
        const int y =
            std::max(std::min(frame.top(), area.bottom() + 1 - frame.height()), area.top());
        if (x != frame.left() || y != frame.top()) {
            w->move(x, y);
        }
    }
};

} // namespace

void TFMain::FitToScreen() {
    qApp->installEventFilter(new ScreenKeeper(this));

    // The diagram's extent (the toolbar stretches across whatever width there is).
    QRect used;
    for (QWidget* child : diagram_->client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child != actions_->Toolbar() && !child->isHidden()) {
            used = used.united(child->geometry());
        }
    }
    const QRect area = AvailableArea(this);
    // The whole toolbar, the tempo at its end, where the screen is wide enough for it (a
    // task pane beside the diagram then widens the window rather than hiding the tempo).
    int minWidth = used.right() + 8;
    if (actions_->Toolbar()->width() + kAssumedFrameWidth <= area.width()) {
        minWidth = std::max(minWidth, actions_->Toolbar()->width());
    }
    diagram_->client->setMinimumSize(minWidth, used.bottom() + 8);

    if (area.isEmpty()) {
        return;
    }
    int frameWidth = frameGeometry().width() - width();
    int frameHeight = frameGeometry().height() - height();
    if (frameHeight <= 0) {
        frameWidth = kAssumedFrameWidth;
        frameHeight = kAssumedFrameHeight;
    }
    resize(std::min(width(), area.width() - frameWidth),
           std::min(height(), area.height() - frameHeight));
    // Centred, and never above or left of the screen where the title bar would be lost.
    const QSize outer(width() + frameWidth, height() + frameHeight);
    const QPoint centred = area.center() - QPoint(outer.width() / 2, outer.height() / 2);
    move(std::max(centred.x(), area.left()), std::max(centred.y(), area.top()));
}

void TFMain::FitZoomedWindow() {
    const QRect area = AvailableArea(this);
    if (designSize_.isEmpty() || area.isEmpty()) {
        return;
    }
    if (layout() != nullptr) {
        layout()->activate();
    }
    // Menu and status bar keep their height; the client area grows with the zoom.
    const QSize chrome = size() - centralWidget()->size();
    const QSize client = designSize_ - chrome;
    const double f = zoom_.Factor();
    const QSize want = QSize(qRound(client.width() * f), qRound(client.height() * f)) + chrome;
    int frameWidth = frameGeometry().width() - width();
    int frameHeight = frameGeometry().height() - height();
    if (frameHeight <= 0) {
        frameWidth = kAssumedFrameWidth;
        frameHeight = kAssumedFrameHeight;
    }
    resize(std::min(want.width(), area.width() - frameWidth),
           std::min(want.height(), area.height() - frameHeight));
    // The title bar and the right and bottom edges stay on the screen.
    const QRect frame = frameGeometry();
    const int outerWidth = width() + frameWidth;
    const int outerHeight = height() + frameHeight;
    move(std::max(std::min(frame.left(), area.right() + 1 - outerWidth), area.left()),
         std::max(std::min(frame.top(), area.bottom() + 1 - outerHeight), area.top()));
}

} // namespace tovak
