// The file commands: open, save, save under a new name, the load of a file named on the
// command line, the question before a changed program is let go, and the recovery of the
// copy an earlier session left with unsaved work.
#include "files/ProgramFile.h"
#include "files/ProgrammText.h"
#include "files/Programmbild.h"
#include "mainwindow/AufgabeBereich.h"
#include "mainwindow/BackupSession.h"
#include "mainwindow/DataFolder.h"
#include "mainwindow/ErrorDisplay.h"
#include "mainwindow/Main.h"
#include "util/MessageBoxes.h"
#include "widgets/OroGrid.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QStandardPaths>

namespace tovak {

namespace {

const char* const kVersionZuAlt =
    "Die Datei hat ein veraltetes Format (Version kleiner als 5) und wurde nicht geladen.";

std::string FolderOf(const QString& fileName) {
    return QDir::toNativeSeparators(QFileInfo(fileName).absolutePath()).toStdString();
}

} // namespace

void TFMain::SetFileDialogs(std::function<QString()> askOpen, std::function<QString()> askSave) {
    askOpen_ = std::move(askOpen);
    askSave_ = std::move(askSave);
}

std::vector<std::string> TFMain::RemarkLines() const {
    QString text = memoRemark_->toPlainText();
    std::vector<std::string> lines;
    if (text.isEmpty()) {
        return lines;
    }
    if (text.endsWith(QLatin1Char('\n'))) {
        text.chop(1);
    }
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        lines.push_back(line.toStdString());
    }
    return lines;
}

void TFMain::SetRemarkLines(const std::vector<std::string>& lines) {
    QStringList text;
    for (const std::string& line : lines) {
        text.append(QString::fromStdString(line));
    }
    memoRemark_->setPlainText(text.join(QLatin1Char('\n')));
}

QString TFMain::AskOpenFileName() {
    if (askOpen_) {
        return askOpen_();
    }
    QFileDialog dialog(this, QStringLiteral("Einlesen einer TOVAK-Datei"), DialogFolder());
    dialog.setNameFilters(
        {QStringLiteral("TOVAK-Dateien (*.CPU *.cpu)"), QStringLiteral("Alle Dateien (*)")});
    dialog.setDefaultSuffix(QStringLiteral("CPU"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().first();
}

QString TFMain::AskSaveFileName() {
    if (askSave_) {
        return askSave_();
    }
    QFileDialog dialog(this, QStringLiteral("Speichern einer TOVAK-Datei"), DialogFolder());
    dialog.setNameFilters(
        {QStringLiteral("Tovak-Dateien (*.CPU *.cpu)"), QStringLiteral("Alle Dateien (*)")});
    dialog.setDefaultSuffix(QStringLiteral("CPU"));
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().first();
}

bool TFMain::MayDiscardProgram() {
    return document_->MayDiscard([this] { return Save(); });
}

void TFMain::closeEvent(QCloseEvent* event) {
    if (MayDiscardProgram()) {
        event->accept();
    } else {
        event->ignore();
    }
}

void TFMain::MnOeffnenClick() {
    if (!MayDiscardProgram()) {
        return;
    }
    const QString name = AskOpenFileName();
    if (!name.isEmpty()) {
        OpenProgramFile(name);
    }
}

bool TFMain::OpenProgramFile(const QString& fileName) {
    VerwaisteTempDateienEntfernen(FolderOf(fileName));
    // Read apart from the machine: a failure half way leaves the program as it was, so a
    // later "Speichern" cannot put a half-read file in place of the good one.
    auto bild = std::make_unique<Programmbild>();
    LeseErgebnis ergebnis = LeseErgebnis::Geladen;
    if (!RunGuarded([&] { ergebnis = ReadDatei(fileName.toStdString(), *bild); })) {
        return false;
    }
    if (ergebnis == LeseErgebnis::VersionZuAlt) {
        ShowWarningBox("Hinweis", kVersionZuAlt);
        return false;
    }
    // The remarks window shows the old remarks.
    CloseRemarkWindow();
    ResetRunState(true);
    RunGuarded([&] { Uebernehmen(*bild, *speicher_, *register_); });
    SetRemarkLines(bild->bemerkungen);
    ClearJournal();
    document_->Opened(fileName);
    SwitchBackupTimerOn();
    DeleteBackupFiles();
    MnTovakRemarkClick();
    return true;
}

bool TFMain::ConfirmUnencodable() {
    QString text = memoRemark_->toPlainText();
    for (int i = 0; i < TReg::kRegisterZahl; ++i) {
        text += QString::fromStdString(register_->GetName(i));
    }
    const QString zeichen = ProgramDocument::Unencodable(text);
    if (zeichen.isEmpty()) {
        return true;
    }
    QStringList einzeln;
    for (const char32_t c : zeichen.toUcs4()) {
        einzeln.append(QStringLiteral("„") + QString::fromUcs4(&c, 1) + QStringLiteral("“"));
    }
    const QString frage =
        QStringLiteral("Die Bemerkungen oder Registernamen enthalten Zeichen, die eine "
                       "TOVAK-Datei nicht aufnehmen kann:\n%1\n\nSie werden als „?“ "
                       "gespeichert. Trotzdem speichern?")
            .arg(einzeln.join(QStringLiteral(" ")));
    return AskYesNo("Hinweis", frage.toStdString());
}

bool TFMain::WriteProgram(const QString& fileName) {
    VerwaisteTempDateienEntfernen(FolderOf(fileName));
    const std::string kopie =
        QDir::toNativeSeparators(backupSession_->CopyBeforeWritingInPlace(fileName)).toStdString();
    const bool written = RunGuarded(
        [&] { WriteDatei(fileName.toStdString(), RemarkLines(), *speicher_, *register_, kopie); });
    if (written) {
        backupSession_->Copies().Saved();
    }
    return written;
}

void TFMain::MnSpeichernClick() {
    Save();
}

bool TFMain::Save() {
    if (document_->FileName().isEmpty()) {
        return SaveAs();
    }
    if (!ConfirmUnencodable() || !WriteProgram(document_->FileName())) {
        return false;
    }
    document_->Saved();
    return true;
}

void TFMain::MnSpeichernUnterClick() {
    SaveAs();
}

bool TFMain::SaveAs() {
    const QString name = AskSaveFileName();
    return !name.isEmpty() && SaveProgramFile(name);
}

bool TFMain::SaveProgramFile(const QString& fileName) {
    if (!ConfirmUnencodable()) {
        return false;
    }
    // A failed write has taken over the name already, not the title.
    document_->SetFileName(fileName);
    if (!WriteProgram(fileName)) {
        return false;
    }
    document_->Opened(fileName);
    SwitchBackupTimerOn();
    return true;
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
            Aufgabe()->Oeffnen(name);
        } else if (!geladen) {
            OpenProgramFile(name);
            geladen = true;
        }
    }
    return geladen;
}

bool TFMain::OfferRecovery() {
    const QString copy = backupSession_->TakeRecoverableCopy();
    if (copy.isEmpty() ||
        !AskYesNo("Rechner-Simulation", "Die letzte Sitzung wurde mit ungesicherten Änderungen "
                                        "beendet. Letzte Sicherungskopie öffnen?")) {
        return false;
    }
    if (!OpenProgramFile(copy)) {
        return false;
    }
    document_->Recovered();
    return true;
}

void TFMain::WatchForChanges() {
    // The grids go after the document when the window is destroyed.
    auto changed = [this] {
        if (document_) {
            document_->ContentMayHaveChanged();
        }
    };
    for (TOroGrid* grid : {gridSpeicher_, gridRegister_}) {
        QAbstractItemModel* model = grid->model();
        connect(model, &QAbstractItemModel::dataChanged, this, changed);
        connect(model, &QAbstractItemModel::modelReset, this, changed);
    }
    connect(memoRemark_, &QPlainTextEdit::textChanged, this, changed);
}

} // namespace tovak
