// tovak-dev [FILE.CPU]: the window as tovak opens it, with the probes of Probes.h switched on
// by their environment variables; tovak-dev --check-data: the data check of DataCheck.h.
#include "devwindow/DataCheck.h"
#include "devwindow/Probes.h"
#include "machine/Befehle.h"
#include "mainwindow/GuiApp.h"

int main(int argc, char** argv) {
    tovak::BefehlstabellenFuellen();
    if (tovak::IsDataCheck(argc, argv)) {
        return tovak::RunDataCheck(argc, argv);
    }
    return tovak::RunGui(argc, argv, [](tovak::TFMain& window) { tovak::InstallProbes(window); });
}
