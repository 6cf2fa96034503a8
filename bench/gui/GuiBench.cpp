// Measures the main window offscreen: micro-steps per second of a continuous run against the
// clock interval asked for, the CPU time it costs, micro-steps per second of the fast run and
// the time from a click on STOP to the stopped window, the time from process start to the
// first painted window, and loading a full memory with the grid refill.
//   gui_bench [seconds per run] [clock|fast|stop|start|memory]   (default: all of them)
//   gui_bench SECONDS fastfile PROGRAM.CPU   the fast run of that program, without output window
#include "files/ProgramFile.h"
#include "machine/Befehle.h"
#include "mainwindow/Ini.h"
#include "mainwindow/Main.h"
#include "util/MessageBoxes.h"
#include "widgets/OroGrid.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <sys/resource.h>
#include <thread>
#include <vector>

namespace {

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

QString WriteFile(const QString& path, const QStringList& ram) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
    QTextStream out(&file);
    out << "5  Version\r\n0\r\n" << ram.size() << " Anzahl RAM\r\n";
    for (int i = 0; i < ram.size(); ++i) {
        out << i + 1 << '\t' << ram[i] << "\r\n";
    }
    out << "-1 Anzahl Register\r\n";
    return path;
}

void ClockRun(const QString& program, int intervalMs, int seconds) {
    tovak::TFMain window(800);
    window.show();
    window.Document().Open(program);
    window.Run().SetTempo(intervalMs, false);
    QApplication::processEvents();
    const long long before = window.Run().StepCount();
    const double cpuBefore = CpuSeconds();
    QElapsedTimer wall;
    wall.start();
    window.MnProgrammstartClick();
    QTimer::singleShot(seconds * 1000, qApp, &QCoreApplication::quit);
    QApplication::exec();
    const double elapsed = static_cast<double>(wall.nsecsElapsed()) / 1e9;
    const double cpu = CpuSeconds() - cpuBefore;
    window.BnStopClick();
    const double rate = static_cast<double>(window.Run().StepCount() - before) / elapsed;
    std::printf("clock %4d ms: %8.1f micro-steps/s achieved, %8.1f requested, CPU %.2f s "
                "in %.2f s (%.0f %%)\n",
                intervalMs, rate, 1000.0 / intervalMs, cpu, elapsed, 100.0 * cpu / elapsed);
}

// The fast run of a program for some seconds, with or without the output window (the loop
// program gives it a line every 19 micro-steps).
void FastRun(const QString& program, int seconds, bool outputWindow) {
    tovak::TFMain window(800);
    window.show();
    window.Document().Open(program);
    if (outputWindow) {
        window.MnShowAusgabefensterClick();
    }
    QApplication::processEvents();
    const long long before = window.Run().StepCount();
    const double cpuBefore = CpuSeconds();
    QElapsedTimer wall;
    wall.start();
    window.MnSchnelllaufClick();
    QTimer::singleShot(seconds * 1000, qApp, &QCoreApplication::quit);
    QApplication::exec();
    const double elapsed = static_cast<double>(wall.nsecsElapsed()) / 1e9;
    const double cpu = CpuSeconds() - cpuBefore;
    const long long steps = window.Run().StepCount() - before;
    window.BnStopClick();
    std::printf("fast run%s: %6.2f million micro-steps/s (%.2f million per CPU second, "
                "%.2f ns CPU per micro-step), CPU %.2f s in %.2f s, %lld micro-steps\n",
                outputWindow ? " with output window   " : " without output window",
                static_cast<double>(steps) / elapsed / 1e6, static_cast<double>(steps) / cpu / 1e6,
                cpu * 1e9 / static_cast<double>(steps), cpu, elapsed, steps);
}

// Clicks STOP from another thread at a moment the window does not choose, like a user, and
// measures until STOP has been handled and until the window has painted the stopped state.
void StopLatency(const QString& program, int runs) {
    using Clock = std::chrono::steady_clock;
    std::vector<double> handled;
    std::vector<double> painted;
    for (int run = 0; run < runs; ++run) {
        tovak::TFMain window(800);
        window.show();
        window.Document().Open(program);
        window.MnShowAusgabefensterClick();
        QApplication::processEvents();
        auto* stop = window.findChild<QPushButton*>(QStringLiteral("BnStop"));
        QLabel* state = window.RunStateLabel();
        std::atomic<long long> clicked{0};
        Clock::time_point afterStop{};
        Clock::time_point afterPaint{};
        QObject::connect(stop, &QPushButton::clicked, [&] { afterStop = Clock::now(); });
        struct PaintWatch final : QObject {
            std::function<void()> painted;
            bool eventFilter(QObject* o, QEvent* e) override {
                if (e->type() == QEvent::Paint && painted) {
                    painted();
                }
                return QObject::eventFilter(o, e);
            }
        } watch;
        watch.painted = [&] {
            if (afterStop != Clock::time_point{} && afterPaint == Clock::time_point{} &&
                !window.Run().FastRunActive()) {
                afterPaint = Clock::now();
                QTimer::singleShot(0, qApp, &QCoreApplication::quit);
            }
        };
        state->installEventFilter(&watch);
        window.MnSchnelllaufClick();
        // The events are made here: a mouse event needs the GUI thread's pointing device.
        const QPointF centre(stop->width() / 2.0, stop->height() / 2.0);
        const QPointF global = stop->mapToGlobal(centre);
        auto* press = new QMouseEvent(QEvent::MouseButtonPress, centre, global, Qt::LeftButton,
                                      Qt::LeftButton, Qt::NoModifier);
        auto* release = new QMouseEvent(QEvent::MouseButtonRelease, centre, global, Qt::LeftButton,
                                        Qt::NoButton, Qt::NoModifier);
        std::thread user([&, run, press, release] {
            std::this_thread::sleep_for(std::chrono::milliseconds(300 + 37 * run));
            clicked = Clock::now().time_since_epoch().count();
            QCoreApplication::postEvent(stop, press);
            QCoreApplication::postEvent(stop, release);
        });
        // A timer of this run only: a single shot left by an earlier run would end this one.
        QTimer limit;
        limit.setSingleShot(true);
        QObject::connect(&limit, &QTimer::timeout, qApp, &QCoreApplication::quit);
        limit.start(5000);
        QApplication::exec();
        user.join();
        state->removeEventFilter(&watch);
        const Clock::time_point t0{Clock::duration(clicked.load())};
        if (afterStop == Clock::time_point{} || afterPaint == Clock::time_point{}) {
            std::printf("STOP: run %d did not stop\n", run);
            continue;
        }
        handled.push_back(std::chrono::duration<double, std::milli>(afterStop - t0).count());
        painted.push_back(std::chrono::duration<double, std::milli>(afterPaint - t0).count());
    }
    if (handled.empty()) {
        return;
    }
    std::sort(handled.begin(), handled.end());
    std::sort(painted.begin(), painted.end());
    std::printf("STOP during the fast run: handled after median %.1f ms (worst %.1f ms), "
                "stopped state painted after median %.1f ms (worst %.1f ms), %zu runs\n",
                handled[handled.size() / 2], handled.back(), painted[painted.size() / 2],
                painted.back(), handled.size());
}

// tovak-dev opens the same window as tovak; only it can report its first paint.
void StartUp(int runs) {
    const QString exe = QCoreApplication::applicationDirPath() + QStringLiteral("/tovak-dev");
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("TOVAK_REPORT_SHOWN"), QStringLiteral("quit"));
        process.setProcessEnvironment(env);
        QElapsedTimer wall;
        wall.start();
        process.start(exe, {});
        double shown = -1;
        while (process.waitForReadyRead(5000)) {
            if (process.readAllStandardOutput().contains("shown")) {
                shown = static_cast<double>(wall.nsecsElapsed()) / 1e6;
                break;
            }
        }
        process.waitForFinished(5000);
        if (shown < 0) {
            std::printf("start-up: %s did not report a shown window\n", qPrintable(exe));
            return;
        }
        times.push_back(shown);
    }
    std::sort(times.begin(), times.end());
    std::printf("start-up to first painted window: median %.1f ms, best %.1f ms (%d runs)\n",
                times[times.size() / 2], times.front(), runs);
}

void FullMemory(const QString& dir) {
    QStringList ram;
    for (int i = 0; i < 4000; ++i) {
        ram << (i % 2 == 0 ? QStringLiteral("65\tMove Akku, Konstante")
                           : QString::number(i) + QLatin1Char('\t'));
    }
    const QString path = WriteFile(dir + QStringLiteral("/voll.CPU"), ram);
    tovak::TFMain window(800);
    window.show();
    QApplication::processEvents();
    constexpr int kRepeat = 20;
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < kRepeat; ++i) {
        window.Document().Open(path);
    }
    const double open = static_cast<double>(t.nsecsElapsed()) / 1e6 / kRepeat;
    t.restart();
    for (int i = 0; i < kRepeat; ++i) {
        window.Machine().Units().speicher.FillGrid();
    }
    const double refill = static_cast<double>(t.nsecsElapsed()) / 1e6 / kRepeat;
    t.restart();
    QApplication::processEvents();
    window.Diagram().gridSpeicher->viewport()->repaint();
    const double paint = static_cast<double>(t.nsecsElapsed()) / 1e6;
    std::printf("4000-cell file: open (reset, read, grid) %.2f ms, grid refill %.2f ms, "
                "repaint %.2f ms\n",
                open, refill, paint);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // Settings and everything else of the measured runs stay in a scratch home.
    QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    QApplication app(argc, argv);
    const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    const QString only = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    auto wanted = [&only](const char* part) { return only.isEmpty() || only == part; };
    tovak::BefehlstabellenFuellen();
    tovak::Ini::Load();

    // Inc Akku; OUT Akku; Jump zu Adresse 0: four micro-step kinds, output every turn.
    const QString loop =
        WriteFile(home.path() + QStringLiteral("/schleife.CPU"),
                  {QStringLiteral("139\tInc Akku"), QStringLiteral("387\tOUT Akku"),
                   QStringLiteral("323\tJump zu Adresse"), QStringLiteral("0\t")});
    if (wanted("clock")) {
        ClockRun(loop, 1, seconds);
        ClockRun(loop, 100, seconds);
    }
    if (only == "fastfile" && argc > 3) {
        FastRun(QString::fromLocal8Bit(argv[3]), seconds, false);
        return 0;
    }
    if (wanted("fast")) {
        FastRun(loop, seconds, false);
        FastRun(loop, seconds, true);
    }
    if (wanted("stop")) {
        StopLatency(loop, 9);
    }
    if (wanted("start")) {
        StartUp(7);
    }
    if (wanted("memory")) {
        FullMemory(home.path());
    }
    return 0;
}
