#include "devwindow/Probes.h"

#include "devwindow/ScaleShots.h"
#include "dialogs/Ausgabe.h"
#include "mainwindow/Main.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QPixmap>
#include <QTimer>
#include <cstdio>

namespace tovak {

namespace {

class ShownReporter final : public QObject {
public:
    ShownReporter(QObject* parent, bool quit) : QObject(parent), quit_(quit) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!done_ && event->type() == QEvent::Paint) {
            done_ = true;
            std::fputs("shown\n", stdout);
            std::fflush(stdout);
            if (quit_) {
                QTimer::singleShot(0, qApp, &QCoreApplication::quit);
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool quit_;
    bool done_ = false;
};

// Draws a window with a plain title bar onto the picture, at its place on the screen.
void DrawWindow(QPainter& painter, QWidget& w, const QPoint& origin) {
    constexpr int kTitle = 24;
    const QRect frame(w.geometry().topLeft() - origin - QPoint(0, kTitle),
                      QSize(w.width(), w.height() + kTitle));
    painter.fillRect(frame.adjusted(-1, -1, 1, 1), QColor(60, 60, 60));
    painter.fillRect(QRect(frame.topLeft(), QSize(frame.width(), kTitle)), QColor(45, 80, 140));
    painter.setPen(Qt::white);
    painter.setFont(QFont(QStringLiteral("DejaVu Sans"), 9, QFont::Bold));
    painter.drawText(QRect(frame.topLeft() + QPoint(8, 0), QSize(frame.width() - 8, kTitle)),
                     Qt::AlignVCenter | Qt::AlignLeft, w.windowTitle());
    painter.drawPixmap(w.geometry().topLeft() - origin, w.grab());
}

void TakeScreenshot(TFMain& window, const QString& file, int steps) {
    window.Hooks().numberInput = [] { return 42; };
    window.MnShowAusgabefensterClick();
    // For the picture the output window stands right of the main window, not over it.
    if (TFAusgabe* out = window.Ausgabe()) {
        out->move(window.geometry().right() + 12, window.geometry().top() + 250);
    }
    window.MnProgrammstartClick();
    // Ticks by hand: the picture must not depend on how fast this machine is.
    window.Run().Clock()->stop();
    for (int i = 1; i < steps; ++i) {
        window.MnTaktClick();
    }
    window.Run().Clock()->stop();
    QTimer::singleShot(500, &window, [&window, file] {
        QRect area = window.geometry().adjusted(-1, -25, 1, 1);
        TFAusgabe* out = window.Ausgabe();
        if (out != nullptr) {
            area = area.united(out->geometry().adjusted(-1, -25, 1, 1));
        }
        QPixmap picture(area.size());
        picture.fill(QColor(200, 205, 210));
        QPainter painter(&picture);
        DrawWindow(painter, window, area.topLeft());
        if (out != nullptr) {
            DrawWindow(painter, *out, area.topLeft());
        }
        painter.end();
        const bool saved = picture.save(file);
        std::fprintf(stderr, "%s %s\n", saved ? "saved" : "could not save",
                     file.toLocal8Bit().constData());
        QApplication::exit(saved ? 0 : 1);
    });
}

} // namespace

void InstallProbes(TFMain& window) {
    const QByteArray shown = qgetenv("TOVAK_REPORT_SHOWN");
    if (!shown.isEmpty()) {
        window.installEventFilter(new ShownReporter(&window, shown == "quit"));
    }
    const QString scales = qEnvironmentVariable("TOVAK_SCALE_SHOTS");
    if (!scales.isEmpty()) {
        QTimer::singleShot(300, &window, [&window, scales] { TakeScaleShots(window, scales); });
    }
    const QString shot = qEnvironmentVariable("TOVAK_SCREENSHOT");
    if (!shot.isEmpty()) {
        bool ok = false;
        int steps = qEnvironmentVariableIntValue("TOVAK_SCREENSHOT_STEPS", &ok);
        if (!ok || steps < 1) {
            steps = 12;
        }
        QTimer::singleShot(300, &window,
                           [&window, shot, steps] { TakeScreenshot(window, shot, steps); });
    }
}

} // namespace tovak
