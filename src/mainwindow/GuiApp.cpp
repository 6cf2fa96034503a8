#include "mainwindow/GuiApp.h"

#include "mainwindow/ErrorDisplay.h"
#include "mainwindow/Ini.h"
#include "mainwindow/Main.h"

#include <QDir>
#include <QFont>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QTimer>
#include <QTranslator>

namespace tovak {

namespace {

// Windows has no DejaVu fonts; the program folder brings them, so every text keeps the size
// it has on Linux. They are the default too: the dialogs' system font may be missing there
// (Wine has none), and with it the text of the spin boxes.
void LoadFontsBesideProgram() {
    const QDir folder(TovakApplication::applicationDirPath() + QStringLiteral("/fonts"));
    bool loaded = false;
    for (const QString& name : folder.entryList({QStringLiteral("*.ttf")}, QDir::Files)) {
        loaded = QFontDatabase::addApplicationFont(folder.filePath(name)) >= 0 || loaded;
    }
    if (loaded) {
        TovakApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    }
}

} // namespace

int RunGui(int argc, char** argv, const std::function<void(TFMain&)>& beforeShow) {
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
        if (beforeShow) {
            beforeShow(window);
        }
        window.show();
        // Asked once the window is up; a file named on the command line is what the user
        // wants to see.
        if (!startFile) {
            QTimer::singleShot(0, &window, [&window] { window.Document().OfferRecovery(); });
        }
        result = TovakApplication::exec();
    }
    SetMessageBoxHandler(nullptr);
    return result;
}

} // namespace tovak
