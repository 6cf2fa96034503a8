// Entering a program: the "&Befehle" items open an instruction dialog, and a confirmed
// dialog's instruction is written at the IP.
#include "dialogs/Arithmetik.h"
#include "dialogs/InOut.h"
#include "dialogs/Jump.h"
#include "dialogs/Logik.h"
#include "dialogs/Move.h"
#include "dialogs/Shift.h"
#include "dialogs/Steuerbefehle.h"
#include "mainwindow/ErrorDisplay.h"
#include "mainwindow/Ini.h"
#include "mainwindow/Main.h"
#include "util/Launcher.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

namespace tovak {

bool TFMain::ShowBefehlsDialog(TFDialog0& dialog) {
    DialogOkay = 0;
    if (hooks_.befehlsDialog) {
        QTimer::singleShot(0, &dialog, [this, &dialog] {
            hooks_.befehlsDialog(dialog);
            if (dialog.isVisible()) {
                dialog.reject();
            }
        });
    }
    dialog.exec();
    return DialogOkay > 0;
}

void TFMain::BefehlEintragen(const TFDialog0& dialog) {
    ClearJournal();
    RunGuarded([&] { machine_->Encoder().BefehlInSpeicher(dialog.Befehl(), dialog.Operand()); });
}

void TFMain::MnTransportbefehleClick() {
    TFMove dialog(this);
    if (ShowBefehlsDialog(dialog)) {
        BefehlEintragen(dialog);
    }
}

void TFMain::MnArithmetikbefehleClick() {
    TFArithmetik dialog(this);
    if (ShowBefehlsDialog(dialog)) {
        BefehlEintragen(dialog);
    }
}

void TFMain::MnLogikbefehleClick() {
    TFLogik dialog(this);
    if (ShowBefehlsDialog(dialog)) {
        BefehlEintragen(dialog);
    }
}

void TFMain::MnSchiebebefehleClick() {
    TFShift dialog(this);
    if (ShowBefehlsDialog(dialog)) {
        BefehlEintragen(dialog);
    }
}

void TFMain::MnSprungbefehleClick() {
    TFJump dialog(this);
    if (ShowBefehlsDialog(dialog)) {
        ClearJournal();
        RunGuarded(
            [&] { machine_->Encoder().BefehlInSpeicher2(dialog.Befehl(), dialog.Operand()); });
    }
}

void TFMain::MnEABefehlerClick() {
    TFInOut dialog([] { return Ini::LiesZahlInRegister(); }, this);
    if (ShowBefehlsDialog(dialog)) {
        ClearJournal();
        RunGuarded([&] {
            machine_->Encoder().EABefehlInSpeicher(dialog.Befehl(), dialog.Operand(),
                                                   Ini::LiesZahlInRegister());
        });
    }
}

void TFMain::MnSteuerbefehleClick() {
    TFSteuerbefehle dialog(this);
    if (ShowBefehlsDialog(dialog)) {
        BefehlEintragen(dialog);
    }
}

} // namespace tovak
