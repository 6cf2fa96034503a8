// Program start: the command-line runner needs no display; everything else opens the window.
#include "app/CommandLine.h"
#include "machine/Befehle.h"
#include "mainwindow/GuiApp.h"
#include "util/Platform.h"

int main(int argc, char** argv) {
    tovak::BefehlstabellenFuellen();
    if (tovak::IsCommandLineRun(argc, argv)) {
        tovak::platform::AttachParentConsole();
        return tovak::RunCommandLine(argc, argv);
    }
    return tovak::RunGui(argc, argv);
}
