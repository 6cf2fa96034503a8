// The "Programmtext" window's files: the file dialogs, opening and saving a program text.
#include "dialogs/Programmtext.h"

#include "dialogs/ProgrammtextEditor.h"
#include "files/Disassembler.h"
#include "files/TextDatei.h"
#include "util/MessageBoxes.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>

namespace tovak {

namespace {

const QStringList kFilter = {QStringLiteral("Programmtexte (*.txt)"),
                             QStringLiteral("Alle Dateien (*)")};

} // namespace

void TFProgrammtext::SetFileDialogs(std::function<QString()> askOpen,
                                    std::function<QString()> askSave) {
    askOpen_ = std::move(askOpen);
    askSave_ = std::move(askSave);
}

QString TFProgrammtext::StartOrdner() const {
    return fileName_.isEmpty() ? speicher_->Ordner() : QFileInfo(fileName_).absolutePath();
}

QString TFProgrammtext::AskOpenFileName() {
    if (askOpen_) {
        return askOpen_();
    }
    QFileDialog dialog(this, QStringLiteral("Programmtext öffnen"), StartOrdner());
    dialog.setNameFilters(kFilter);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().first();
}

QString TFProgrammtext::AskSaveFileName() {
    if (askSave_) {
        return askSave_();
    }
    QFileDialog dialog(this, QStringLiteral("Programmtext speichern unter"), StartOrdner());
    dialog.setNameFilters(kFilter);
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    if (!fileName_.isEmpty()) {
        dialog.selectFile(QFileInfo(fileName_).fileName());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().first();
}

void TFProgrammtext::MnOeffnenClick() {
    if (!DarfVerwerfen()) {
        return;
    }
    const QString name = AskOpenFileName();
    if (!name.isEmpty()) {
        OpenFile(name);
    }
}

bool TFProgrammtext::OpenFile(const QString& fileName) {
    try {
        const std::string bytes = DateiLesen(fileName.toStdString());
        if (IstProgrammtext(bytes, fileName.toStdString())) {
            SetText(QString::fromStdString(TextAlsUtf8(bytes)), fileName);
            status_->setText(QStringLiteral("„Übernehmen“ schreibt das Programm in den Speicher."));
        } else {
            // A program file is shown as its text; saving it asks for a text file's name.
            SetText(QString::fromStdString(Disassembliere(CpuDateiInhalt(bytes))), {});
            status_->setText(
                QStringLiteral("%1 als Text; „Übernehmen“ schreibt es in den Speicher.")
                    .arg(QFileInfo(fileName).fileName()));
        }
    } catch (const std::exception& e) {
        ShowErrorBox("Fehler", QFileInfo(fileName).fileName().toStdString() + ": " + e.what());
        return false;
    }
    abgleich_.reset();
    editor_->SetAktuelleZeile(0);
    return true;
}

bool TFProgrammtext::MnSpeichernClick() {
    return fileName_.isEmpty() ? MnSpeichernUnterClick() : SaveFile(fileName_);
}

bool TFProgrammtext::MnSpeichernUnterClick() {
    const QString name = AskSaveFileName();
    return !name.isEmpty() && SaveFile(name);
}

bool TFProgrammtext::SaveFile(const QString& fileName) {
    try {
        ProgrammtextSchreiben(fileName.toStdString(), editor_->toPlainText().toStdString());
    } catch (const std::exception& e) {
        ShowErrorBox("Fehler", QFileInfo(fileName).fileName().toStdString() + ": " + e.what());
        return false;
    }
    fileName_ = fileName;
    editor_->document()->setModified(false);
    TitelZeigen();
    status_->setText(QStringLiteral("Gespeichert: %1").arg(QFileInfo(fileName).fileName()));
    return true;
}

} // namespace tovak
