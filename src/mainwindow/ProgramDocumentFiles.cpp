// The file commands of the program document: open, save, save under a new name, the question
// before a changed program is let go, and the recovery of the copy an earlier session left
// with unsaved work.
#include "files/ProgramFile.h"
#include "files/ProgrammText.h"
#include "files/Programmbild.h"
#include "machine/Reg.h"
#include "mainwindow/BackupKeeper.h"
#include "mainwindow/DataFolder.h"
#include "mainwindow/ErrorDisplay.h"
#include "mainwindow/ProgramDocument.h"
#include "mainwindow/WindowHooks.h"
#include "util/MessageBoxes.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPlainTextEdit>

namespace tovak {

namespace {

const char* const kVersionZuAlt =
    "Die Datei hat ein veraltetes Format (Version kleiner als 5) und wurde nicht geladen.";

std::string FolderOf(const QString& fileName) {
    return QDir::toNativeSeparators(QFileInfo(fileName).absolutePath()).toStdString();
}

} // namespace

namespace {

// The file dialog in the folder of the lessons; empty when cancelled.
QString AskFileName(QWidget* parent, const QString& title, const QString& filter, bool open) {
    QFileDialog dialog(parent, title, DialogFolder());
    dialog.setNameFilters({filter, QStringLiteral("Alle Dateien (*)")});
    dialog.setDefaultSuffix(QStringLiteral("CPU"));
    dialog.setFileMode(open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setAcceptMode(open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().first();
}

} // namespace

QString ProgramDocument::AskOpenFileName() {
    if (parts_.hooks.askOpen) {
        return parts_.hooks.askOpen();
    }
    return AskFileName(window_, QStringLiteral("Einlesen einer TOVAK-Datei"),
                       QStringLiteral("TOVAK-Dateien (*.CPU *.cpu)"), true);
}

QString ProgramDocument::AskSaveFileName() {
    if (parts_.hooks.askSave) {
        return parts_.hooks.askSave();
    }
    return AskFileName(window_, QStringLiteral("Speichern einer TOVAK-Datei"),
                       QStringLiteral("Tovak-Dateien (*.CPU *.cpu)"), false);
}

bool ProgramDocument::MayDiscard() {
    return MayDiscard([this] { return Save(); });
}

void ProgramDocument::AskAndOpen() {
    if (!MayDiscard()) {
        return;
    }
    const QString name = AskOpenFileName();
    if (!name.isEmpty()) {
        Open(name);
    }
}

bool ProgramDocument::Open(const QString& fileName) {
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
    emit aboutToLoad();
    RunGuarded([&] { Uebernehmen(*bild, parts_.speicher, parts_.reg); });
    SetRemarkLines(bild->bemerkungen);
    Opened(fileName);
    parts_.backups.SwitchOn();
    parts_.backups.PutAway();
    emit loaded();
    return true;
}

bool ProgramDocument::ConfirmUnencodable() {
    QString text = parts_.remarks.toPlainText();
    for (int i = 0; i < TReg::kRegisterZahl; ++i) {
        text += QString::fromStdString(parts_.reg.GetName(i));
    }
    const QString zeichen = Unencodable(text);
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

bool ProgramDocument::WriteProgram(const QString& fileName) {
    VerwaisteTempDateienEntfernen(FolderOf(fileName));
    const std::string kopie =
        QDir::toNativeSeparators(parts_.backups.CopyBeforeWritingInPlace(fileName)).toStdString();
    const bool written = RunGuarded([&] {
        WriteDatei(fileName.toStdString(), RemarkLines(), parts_.speicher, parts_.reg, kopie);
    });
    if (written) {
        parts_.backups.Saved();
    }
    return written;
}

bool ProgramDocument::Save() {
    if (fileName_.isEmpty()) {
        return SaveAs();
    }
    if (!ConfirmUnencodable() || !WriteProgram(fileName_)) {
        return false;
    }
    Saved();
    return true;
}

bool ProgramDocument::SaveAs() {
    const QString name = AskSaveFileName();
    return !name.isEmpty() && SaveTo(name);
}

bool ProgramDocument::SaveTo(const QString& fileName) {
    if (!ConfirmUnencodable()) {
        return false;
    }
    // A failed write has taken over the name already, not the title.
    SetFileName(fileName);
    if (!WriteProgram(fileName)) {
        return false;
    }
    Opened(fileName);
    parts_.backups.SwitchOn();
    return true;
}

bool ProgramDocument::OfferRecovery() {
    const QString copy = parts_.backups.TakeRecoverableCopy();
    if (copy.isEmpty() ||
        !AskYesNo("Rechner-Simulation", "Die letzte Sitzung wurde mit ungesicherten Änderungen "
                                        "beendet. Letzte Sicherungskopie öffnen?")) {
        return false;
    }
    if (!Open(copy)) {
        return false;
    }
    Recovered();
    return true;
}

} // namespace tovak
