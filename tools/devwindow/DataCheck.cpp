#include "devwindow/DataCheck.h"

#include "mainwindow/Beispielprogramme.h"
#include "mainwindow/DataFolder.h"
#include "widgets/Animate.h"
#include "widgets/BusAnimation.h"
#include "widgets/ClipCache.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QWidget>

#include <cstdio>
#include <string_view>

namespace tovak {

namespace {

void Zeile(const QString& text) {
    std::printf("%s\n", text.toLocal8Bit().constData());
}

} // namespace

bool IsDataCheck(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::string_view(argv[i]) == "--check-data") {
            return true;
        }
    }
    return false;
}

int RunDataCheck(int argc, char** argv) {
    // Also where there is a display: the check must not show anything.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString folder = DataFolder();
    Zeile(QStringLiteral("Datenordner: ") + QDir::toNativeSeparators(folder));

    bool ok = true;
    QWidget panel;
    const BusAnimation animation(&panel, folder);
    int loaded = 0;
    for (const QString& clip : animation.ClipFiles()) {
        if (LoadClip(QDir(folder).filePath(clip))) {
            ++loaded;
        } else {
            Zeile(QStringLiteral("Clip fehlt oder ist unlesbar: ") + clip);
            ok = false;
        }
    }
    for (const TAnimate* control : animation.Controls()) {
        if (control->FrameCount() == 0) {
            Zeile(QStringLiteral("Ohne Clip: ") + control->objectName());
            ok = false;
        }
    }
    Zeile(QStringLiteral("Clips: %1 von %2 geladen").arg(loaded).arg(animation.ClipFiles().size()));

    // As the menu "Beispielprogramme" finds them.
    const auto lessons = FindeBeispielprogramme(QCoreApplication::applicationDirPath());
    QStringList names;
    for (const Beispielprogramm& lesson : lessons) {
        names << QFileInfo(lesson.pfad).fileName();
    }
    Zeile(QStringLiteral("Beispielprogramme: %1 von %2: ")
              .arg(lessons.size())
              .arg(LektionenAnzahl()) +
          names.join(QStringLiteral(", ")));
    ok = ok && static_cast<int>(lessons.size()) == LektionenAnzahl();
    std::fflush(stdout);
    return ok ? 0 : 1;
}

} // namespace tovak
