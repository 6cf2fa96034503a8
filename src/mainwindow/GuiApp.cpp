#include "mainwindow/GuiApp.h"

#include "mainwindow/ErrorDisplay.h"
#include "mainwindow/Ini.h"
#include "mainwindow/Main.h"
#include "mainwindow/Probes.h"

#include <QDir>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QTimer>
#include <QTranslator>

namespace tovak {

namespace {

// Windows has no DejaVu fonts; the program folder brings them, so every text keeps the size
// it has on Linux.
void LoadFontsBesideProgram() {
    const QDir folder(TovakApplication::applicationDirPath() + QStringLiteral("/fonts"));
    for (const QString& name : folder.entryList({QStringLiteral("*.ttf")}, QDir::Files)) {
        QFontDatabase::addApplicationFont(folder.filePath(name));
    }
}

} // namespace

int RunGui(int argc, char** argv) {
    TovakApplication app(argc, argv);
    TovakApplication::setApplicationName(QStringLiteral("Rechner-Simulation"));
    // Lets the desktop match the window to the installed tovak.desktop and its icon.
    TovakApplication::setDesktopFileName(QStringLiteral("tovak"));

    // Standard dialogs and buttons in German.
    QTranslator translator;
    if (translator.load(QStringLiteral("qtbase_de"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        TovakApplication::installTranslator(&translator);
    }

    LoadFontsBesideProgram();

    QtMessageBoxes boxes;
    SetMessageBoxHandler(&boxes);
    Ini::Load();

    int result = 0;
    {
        TFMain window;
        const bool startFile = window.LoadStartFile(TovakApplication::arguments());
        InstallProbes(window);
        window.show();
        // Asked once the window is up; a file named on the command line is what the user
        // wants to see.
        if (!startFile) {
            QTimer::singleShot(0, &window, [&window] { window.OfferRecovery(); });
        }
        result = TovakApplication::exec();
    }
    SetMessageBoxHandler(nullptr);
    return result;
}

} // namespace tovak
