// The window's file, print and backup commands forward to the program document and its
// backup keeper; the window does what a load means for what it shows.
#include "dialogs/InputValue.h"
#include "mainwindow/AufgabeBereich.h"
#include "mainwindow/BackupKeeper.h"
#include "mainwindow/Ini.h"
#include "mainwindow/Main.h"
#include "widgets/OroGrid.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QPlainTextEdit>

namespace tovak {

void TFMain::CreateDocument() {
    // A failed test of the exercise may have left the values its inputs proposed.
    hooks_.numberInput = [this] {
        return TFInputValue::Ask(
            this, actions_->Aufgabe() != nullptr ? actions_->Aufgabe()->NaechsteEingabe() : -1);
    };
    backups_ = std::make_unique<BackupKeeper>(
        [this] { return document_->Content(); },
        [this](const std::string& text) { return document_->Differs(text); }, this);
    backups_->SetInterval(Ini::BackupTime());
}

void TFMain::WatchForChanges() {
    document_ = std::make_unique<ProgramDocument>(
        this,
        ProgramParts{Units().speicher, Units().reg, *diagram_->memoRemark, *backups_, hooks_});
    connect(document_.get(), &ProgramDocument::aboutToLoad, this, [this] {
        // The remarks window shows the old remarks.
        CloseRemarkWindow();
        ResetRunState(true);
    });
    connect(document_.get(), &ProgramDocument::loaded, this, [this] {
        ClearJournal();
        MnTovakRemarkClick();
    });
    // The grids go after the document when the window is destroyed.
    auto changed = [this] {
        if (document_) {
            document_->ContentMayHaveChanged();
        }
    };
    for (TOroGrid* grid : {diagram_->gridSpeicher, diagram_->gridRegister}) {
        QAbstractItemModel* model = grid->model();
        connect(model, &QAbstractItemModel::dataChanged, this, changed);
        connect(model, &QAbstractItemModel::modelReset, this, changed);
    }
    connect(diagram_->memoRemark, &QPlainTextEdit::textChanged, this, changed);
}

void TFMain::closeEvent(QCloseEvent* event) {
    if (document_->MayDiscard()) {
        event->accept();
    } else {
        event->ignore();
    }
}

void TFMain::MnOeffnenClick() {
    document_->AskAndOpen();
}
void TFMain::MnSpeichernClick() {
    document_->Save();
}
void TFMain::MnSpeichernUnterClick() {
    document_->SaveAs();
}
void TFMain::MnExportCommandsToClipboardClick() {
    document_->ExportToClipboard();
}
void TFMain::MnDruckenClick() {
    document_->Print();
}
void TFMain::MnDruckereinrichtungClick() {
    document_->PageSetup();
}
void TFMain::MnProgrammlistePdfClick() {
    document_->SavePdf();
}
void TFMain::TimerBackupTimer() {
    backups_->Write();
}

bool TFMain::LoadStartFile(const QStringList& arguments) {
    // An exercise file may stand beside the program (a teacher's link opens both).
    bool geladen = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& name = arguments.at(i);
        if (!QFileInfo(name).isFile()) {
            continue;
        }
        if (name.endsWith(QStringLiteral(".aufgabe"), Qt::CaseInsensitive)) {
            actions_->Aufgabe()->Oeffnen(name);
        } else if (!geladen) {
            document_->Open(name);
            geladen = true;
        }
    }
    return geladen;
}

} // namespace tovak
