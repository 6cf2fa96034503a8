// Program start: the command-line runner needs no display; everything else opens the window.
#include "app/CommandLine.h"
#include "machine/Befehle.h"
#include "util/Platform.h"

#ifdef TOVAK_WITH_GUI
#include "mainwindow/DataCheck.h"
#include "mainwindow/GuiApp.h"
#endif

#include <cstdio>

int main(int argc, char** argv) {
    tovak::BefehlstabellenFuellen();
    if (tovak::IsCommandLineRun(argc, argv)) {
        tovak::platform::AttachParentConsole();
        return tovak::RunCommandLine(argc, argv);
    }
#ifdef TOVAK_WITH_GUI
    if (tovak::IsDataCheck(argc, argv)) {
        return tovak::RunDataCheck(argc, argv);
    }
    return tovak::RunGui(argc, argv);
#else
    std::fputs("Dieses Programm wurde ohne Fenster gebaut; siehe tovak --help.\n", stderr);
    return 2;
#endif
}
