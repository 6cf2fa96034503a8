// Starting over: the new program and the resets of memory and registers.
#include "mainwindow/BackupKeeper.h"
#include "mainwindow/ErrorDisplay.h"
#include "mainwindow/Main.h"
#include "util/MessageBoxes.h"
#include "widgets/OroGrid.h"

#include <QPlainTextEdit>

namespace tovak {

void TFMain::ClearMemory() {
    ClearJournal();
    RunGuarded([&] {
        Units().speicher.Clear();
        Units().speicher.FillGrid();
    });
    // The window's own selection is no click: the IP stays where it is.
    diagram_->SelectRow(diagram_->gridSpeicher, 1);
}

void TFMain::MnNeuClick() {
    if (!document_->MayDiscard()) {
        return;
    }
    diagram_->memoRemark->clear();
    ClearMemory();
    Units().reg.Reset(false);
    Units().reg.FillGrid();
    ResetRunState(true);
    document_->New();
    backups_->SwitchOn();
    backups_->PutAway();
}

void TFMain::MnSpeicherResetClick() {
    if (AskYesNo("Löschen des Speichers", "Wollen Sie wirklich den Speicher löschen?")) {
        ClearMemory();
    }
}

void TFMain::MnRegisterResetClick() {
    // The names stay; only "&Neu" and loading a file clear them.
    ClearJournal();
    Units().reg.Reset(false);
    Units().reg.FillGrid();
}

} // namespace tovak
