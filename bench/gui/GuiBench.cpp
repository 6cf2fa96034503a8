// Measures the main window offscreen: micro-steps per second of a continuous run against the
// clock interval asked for, the CPU time it costs, the time from process start to the first
// painted window, and loading a full memory with the grid refill.
//   gui_bench [seconds per run]
#include "files/ProgramFile.h"
#include "machine/Befehle.h"
#include "mainwindow/Ini.h"
#include "mainwindow/Main.h"
#include "util/MessageBoxes.h"
#include "widgets/OroGrid.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <sys/resource.h>
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
    window.OpenProgramFile(program);
    window.SetClockInterval(intervalMs);
    QApplication::processEvents();
    const long long before = window.StepCount();
    const double cpuBefore = CpuSeconds();
    QElapsedTimer wall;
    wall.start();
    window.MnProgrammstartClick();
    QTimer::singleShot(seconds * 1000, qApp, &QCoreApplication::quit);
    QApplication::exec();
    const double elapsed = static_cast<double>(wall.nsecsElapsed()) / 1e9;
    const double cpu = CpuSeconds() - cpuBefore;
    window.BnStopClick();
    const double rate = static_cast<double>(window.StepCount() - before) / elapsed;
    std::printf("clock %4d ms: %8.1f micro-steps/s achieved, %8.1f requested, CPU %.2f s "
                "in %.2f s (%.0f %%)\n",
                intervalMs, rate, 1000.0 / intervalMs, cpu, elapsed, 100.0 * cpu / elapsed);
}

void StartUp(int runs) {
    const QString exe = QCoreApplication::applicationDirPath() + QStringLiteral("/tovak");
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
        window.OpenProgramFile(path);
    }
    const double open = static_cast<double>(t.nsecsElapsed()) / 1e6 / kRepeat;
    t.restart();
    for (int i = 0; i < kRepeat; ++i) {
        window.Speicher().FillGrid();
    }
    const double refill = static_cast<double>(t.nsecsElapsed()) / 1e6 / kRepeat;
    t.restart();
    QApplication::processEvents();
    window.GridSpeicher()->viewport()->repaint();
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
    tovak::BefehlstabellenFuellen();
    tovak::Ini::Load();

    // Inc Akku; OUT Akku; Jump zu Adresse 0: four micro-step kinds, output every turn.
    const QString loop =
        WriteFile(home.path() + QStringLiteral("/schleife.CPU"),
                  {QStringLiteral("139\tInc Akku"), QStringLiteral("387\tOUT Akku"),
                   QStringLiteral("323\tJump zu Adresse"), QStringLiteral("0\t")});
    ClockRun(loop, 1, seconds);
    ClockRun(loop, 100, seconds);
    StartUp(7);
    FullMemory(home.path());
    return 0;
}
