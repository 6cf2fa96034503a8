// Changes the user makes directly in the window: the IP and I/O spin edits, a click on a
// memory row, inserting and deleting cells, the output format.
#include "mainwindow/BackupKeeper.h"
#include "mainwindow/ErrorDisplay.h"
#include "mainwindow/Main.h"
#include "util/NumberTexts.h"
#include "widgets/OroGrid.h"

#include <QLabel>
#include <QSpinBox>
#include <QTimer>

namespace tovak {

void TFMain::EInstructionPointerChange() {
    // The spin edit accepts integers only, so its value is the typed number.
    const int v = diagram_->eInstructionPointer->value();
    // An IP beyond the memory has no row to select (compared without v + 1, which the
    // highest integer would overflow).
    if (v >= 0 && v < diagram_->gridSpeicher->RowCount() - 1) {
        diagram_->SelectRow(diagram_->gridSpeicher, v + 1);
    }
    if (machine_ && Units().steuerwerk.GetIP() != v) {
        Units().steuerwerk.SetIP(v);
    }
    const QString hex = QString::fromStdString(IntToHex0x(v));
    if (diagram_->pInstructionPointer->text() != hex) {
        diagram_->pInstructionPointer->setText(hex);
    }
    if (programmtext_ != nullptr) {
        programmtext_->IPGeaendert(v);
    }
}

void TFMain::EAEinheit2Change() {
    const int v = diagram_->eaEinheit2->value();
    if (v < 0 || v > 255) {
        return;
    }
    diagram_->ShowEAHex(v);
    if (machine_ && Units().ea.GetValue() != v) {
        // The user's edit (the unit's own writes show the value it already holds).
        ClearJournal();
        RunGuarded([&] { Units().ea.SetValue(v); });
    }
}

void TFMain::GridSpeicherClick(int row) {
    if (diagram_->SelectingRow() || run_->ClockRunning() || run_->FastRunActive() || row < 1) {
        return;
    }
    if (Units().steuerwerk.GetIP() != row - 1) {
        ClearJournal();
        Units().steuerwerk.SetIP(row - 1);
    }
}

void TFMain::LkBefehlEinfuegenClick() {
    ClearJournal();
    RunGuarded([&] { Units().speicher.InsertCell(); });
}

void TFMain::LkBefehlLoeschenClick() {
    ClearJournal();
    // Only deleting destroys a cell's content, so only it is followed by a copy.
    if (RunGuarded([&] { Units().speicher.DeleteCell(); })) {
        backups_->Write();
    }
}

void TFMain::cbAnzeigeZahlenChange(int index) {
    if (index >= 0) {
        Units().ea.SetAusgabeformat(index);
    }
}

} // namespace tovak
