// The options and help commands: calculator, memory status, settings, about box and a
// second copy of the program.
#include "dialogs/Memory.h"
#include "dialogs/Proginfo.h"
#include "mainwindow/BackupKeeper.h"
#include "mainwindow/Einst.h"
#include "mainwindow/Ini.h"
#include "mainwindow/Main.h"
#include "mainwindow/TempoControl.h"
#include "util/Launcher.h"
#include "widgets/OroGrid.h"

#include <QTimer>

namespace tovak {

void TFMain::MnTaschenrechnerClick() {
    StartCalculator();
}

void TFMain::MnNeueInstanzClick() {
    StartNewInstance();
}

void TFMain::MnSpeicherbelegungClick() {
    TFMemory memory(this);
    memory.Init();
}

void TFMain::Info1Click() {
    TFProgInfo info(this);
    info.exec();
}

void TFMain::MnEinstellungenClick() {
    TFEinst einst(this);
    if (einst.exec() != QDialog::Accepted) {
        return;
    }
    // A running clock keeps running at the new pace, which the tempo slider shows.
    actions_->Tempo()->ShowSetting();
    backups_->SetInterval(Ini::BackupTime());
    diagram_->gridSpeicher->viewport()->update();
    ApplySpeicherMaximal(Ini::SpeicherMaximal());
}

} // namespace tovak
