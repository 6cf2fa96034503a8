// Double clicks in the grids: an operand in memory or a register changed through a small
// value dialog.
#include "dialogs/ChangeValueInRam.h"
#include "dialogs/EditJumpAdresse.h"
#include "dialogs/EditRegister.h"
#include "mainwindow/ErrorDisplay.h"
#include "mainwindow/Main.h"
#include "util/MessageBoxes.h"
#include "util/NumberTexts.h"
#include "widgets/OroGrid.h"

namespace tovak {

namespace {

constexpr int kTextSpalte = 2;
// Register numbers 0..127 are what the instructions address.
constexpr int kMaxRegister = 127;
constexpr int kMaxWort = 65535;

} // namespace

void TFMain::GridSpeicherDblClick(int row) {
    // Address 0 has no instruction above it; the header is no cell.
    if (row <= 1 || row >= diagram_->gridSpeicher->RowCount()) {
        return;
    }
    const std::string text = diagram_->gridSpeicher->CellText(kTextSpalte, row).toStdString();
    const QString prev = diagram_->gridSpeicher->CellText(kTextSpalte, row - 1).toUpper();
    int wert = 0;
    const bool istZahl = StrToIntOk(text, wert);
    int neu = 0;
    if (prev.contains(QStringLiteral("ADRESSE"))) {
        if (!istZahl) {
            ShowWarningBox("Hinweis", "Die Adresse ist fehlerhaft");
            return;
        }
        TFEditJumpAdresse dialog(this);
        if (!dialog.Execute(wert)) {
            return;
        }
        neu = dialog.Value();
    } else if (istZahl) {
        const int limit = prev.contains(QStringLiteral("REGISTER")) ? kMaxRegister : kMaxWort;
        TFChangeValueInRam dialog(this);
        if (!dialog.Execute(wert, limit)) {
            return;
        }
        neu = dialog.Value();
    } else {
        ShowWarningBox("Hinweis", "Die Konstante ist fehlerhaft");
        return;
    }

    // An instruction cell keeps its value; the grid shows a data cell's new one.
    ClearJournal();
    RunGuarded([&] { Units().speicher.SetValueIfData(row - 1, neu); });
}

void TFMain::GridRegisterDblClick(int row) {
    const int index = row - 1;
    if (index < 0 || index >= Units().reg.GetCount()) {
        return;
    }
    TFEditRegister dialog(this);
    if (!dialog.Execute(Units().reg.GetValue(index),
                        QString::fromStdString(Units().reg.GetName(index)))) {
        return;
    }
    ClearJournal();
    RunGuarded([&] {
        Units().reg.SetValue(index, dialog.Value());
        Units().reg.SetName(index, dialog.Kommentar().toStdString());
    });
}

} // namespace tovak
