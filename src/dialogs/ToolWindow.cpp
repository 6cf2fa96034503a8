#include "dialogs/ToolWindow.h"

#include "util/SettingsStore.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

#include <algorithm>

namespace tovak {

namespace {

QString Key(const QString& name, const char* value) {
    return QStringLiteral("Fenster/%1/%2").arg(name, QLatin1String(value));
}

// Enough of the window on some screen to grab it and move it on.
bool OnAScreen(const QRect& place) {
    const int breit = std::min(place.width(), 80);
    const int hoch = std::min(place.height(), 30);
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect sichtbar = screen->availableGeometry().intersected(place);
        if (sichtbar.width() >= breit && sichtbar.height() >= hoch) {
            return true;
        }
    }
    return false;
}

// A stored user move is written after the window has come to rest.
constexpr int kStoreDelayMs = 400;

} // namespace

ToolWindow::ToolWindow(QWidget* parent, const QString& name, const QString& title)
    : QWidget(parent, Qt::Tool) {
    setObjectName(name);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(title);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);

    storeTimer_ = new QTimer(this);
    storeTimer_->setSingleShot(true);
    storeTimer_->setInterval(kStoreDelayMs);
    connect(storeTimer_, &QTimer::timeout, this, &ToolWindow::StorePlace);
}

ToolWindow::~ToolWindow() {
    if (storeTimer_->isActive()) {
        StorePlace();
    }
}

bool ToolWindow::StoredPlace(const QString& name, QRect& place) {
    const QSettings store = UserSettings();
    bool ok[4] = {};
    const QRect stored(store.value(Key(name, "Links")).toInt(&ok[0]),
                       store.value(Key(name, "Oben")).toInt(&ok[1]),
                       store.value(Key(name, "Breite")).toInt(&ok[2]),
                       store.value(Key(name, "Hoehe")).toInt(&ok[3]));
    if (!std::all_of(std::begin(ok), std::end(ok), [](bool b) { return b; }) ||
        stored.width() < 20 || stored.height() < 20 || !OnAScreen(stored)) {
        return false;
    }
    place = stored;
    return true;
}

void ToolWindow::ShowAt(const QPoint& place) {
    // A move not yet written is the latest place.
    if (storeTimer_->isActive()) {
        storeTimer_->stop();
        StorePlace();
    }
    placing_ = true;
    QRect stored;
    if (StoredPlace(objectName(), stored)) {
        resize(stored.size());
        move(stored.topLeft());
    } else {
        move(place);
    }
    show();
    placing_ = false;
    placed_ = QRect(pos(), size());
}

void ToolWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    if (storeTimer_->isActive()) {
        storeTimer_->stop();
        StorePlace();
    }
    Closing();
    emit closed();
}

void ToolWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    Noticed();
}

void ToolWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Noticed();
}

void ToolWindow::Noticed() {
    if (placing_ || !isVisible() || placed_.isNull() || QRect(pos(), size()) == placed_) {
        return;
    }
    storeTimer_->start();
}

void ToolWindow::StorePlace() {
    placed_ = QRect(pos(), size());
    QSettings store = UserSettings();
    store.setValue(Key(objectName(), "Links"), placed_.x());
    store.setValue(Key(objectName(), "Oben"), placed_.y());
    store.setValue(Key(objectName(), "Breite"), placed_.width());
    store.setValue(Key(objectName(), "Hoehe"), placed_.height());
}

} // namespace tovak
