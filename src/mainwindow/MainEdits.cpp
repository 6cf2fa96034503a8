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
    const int v = eInstructionPointer_->value();
    // An IP beyond the memory has no row to select (compared without v + 1, which the
    // highest integer would overflow).
    if (v >= 0 && v < gridSpeicher_->RowCount() - 1) {
        selectingRow_ = true;
        gridSpeicher_->SetRow(v + 1);
        selectingRow_ = false;
    }
    if (steuerwerk_ && steuerwerk_->GetIP() != v) {
        steuerwerk_->SetIP(v);
    }
    const QString hex = QString::fromStdString(IntToHex0x(v));
    if (pInstructionPointer_->text() != hex) {
        pInstructionPointer_->setText(hex);
    }
    if (programmtext_ != nullptr) {
        programmtext_->IPGeaendert(v);
    }
}

void TFMain::EAEinheit2Change() {
    const int v = eaEinheit2_->value();
    if (v < 0 || v > 255) {
        return;
    }
    ShowEAHex(v);
    if (eaEinheit_ && eaEinheit_->GetValue() != v) {
        // The user's edit (the unit's own writes show the value it already holds).
        ClearJournal();
        RunGuarded([&] { eaEinheit_->SetValue(v); });
    }
}

void TFMain::ShowEAHex(int v) {
    eaEinheit1_->setText(QString::fromStdString(IntToHex0x(v)));
    eaEinheit1_->setToolTip(QStringLiteral(" ") + QString::number(v));
}

void TFMain::ShowPendingEAHex() {
    if (eaHexPending_ >= 0) {
        ShowEAHex(eaHexPending_);
        eaHexPending_ = -1;
    }
}

void TFMain::GridSpeicherClick(int row) {
    if (selectingRow_ || run_->ClockRunning() || run_->FastRunActive() || row < 1) {
        return;
    }
    if (steuerwerk_->GetIP() != row - 1) {
        ClearJournal();
        steuerwerk_->SetIP(row - 1);
    }
}

void TFMain::LkBefehlEinfuegenClick() {
    ClearJournal();
    RunGuarded([&] { speicher_->InsertCell(); });
}

void TFMain::LkBefehlLoeschenClick() {
    ClearJournal();
    // Only deleting destroys a cell's content, so only it is followed by a copy.
    if (RunGuarded([&] { speicher_->DeleteCell(); })) {
        backups_->Write();
    }
}

void TFMain::cbAnzeigeZahlenChange(int index) {
    if (index >= 0) {
        eaEinheit_->SetAusgabeformat(index);
    }
}

} // namespace tovak
