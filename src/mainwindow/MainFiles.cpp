// The file commands: open, save, save under a new name, and the load of a file named on
// the command line.
#include "files/ProgramFile.h"
#include "mainwindow/DataFolder.h"
#include "mainwindow/ErrorDisplay.h"
#include "mainwindow/Main.h"
#include "util/MessageBoxes.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QStandardPaths>

namespace tovak {

namespace {

const char* const kVersionZuAlt =
    "Die Datei hat ein veraltetes Format (Version kleiner als 5) und wurde nicht geladen.";

// The open dialog starts where the example programs are.
QString ExamplesFolder() {
    return DataFolder();
}

// The save dialog starts there too, unless that is a system folder the user cannot write.
QString SaveFolder() {
    const QString examples = ExamplesFolder();
    if (QFileInfo(examples).isWritable()) {
        return examples;
    }
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
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

void TFMain::SetCaptionFor(const QString& fileName) {
    setWindowTitle(QString::fromUtf8(kCaption) + QStringLiteral(": ") + fileName);
}

QString TFMain::AskOpenFileName() {
    if (askOpen_) {
        return askOpen_();
    }
    QFileDialog dialog(this, QStringLiteral("Einlesen einer TOVAK-Datei"), ExamplesFolder());
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
    QFileDialog dialog(this, QStringLiteral("Speichern einer TOVAK-Datei"), SaveFolder());
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

void TFMain::MnOeffnenClick() {
    const QString name = AskOpenFileName();
    if (!name.isEmpty()) {
        OpenProgramFile(name);
    }
}

bool TFMain::OpenProgramFile(const QString& fileName) {
    // The remarks window shows the old remarks.
    CloseRemarkWindow();
    ResetRunState(true);
    std::vector<std::string> lines;
    LeseErgebnis ergebnis = LeseErgebnis::Geladen;
    const bool read = RunGuarded(
        [&] { ergebnis = ReadDatei(fileName.toStdString(), lines, *speicher_, *register_); });
    ClearJournal();
    if (!read) {
        // What was read before the failure stays, the remarks included.
        SetRemarkLines(lines);
        return false;
    }
    if (ergebnis == LeseErgebnis::VersionZuAlt) {
        ShowWarningBox("Hinweis", kVersionZuAlt);
        return false;
    }
    SetRemarkLines(lines);
    fileName_ = fileName;
    SetCaptionFor(fileName);
    SwitchBackupTimerOn();
    DeleteBackupFiles();
    MnTovakRemarkClick();
    return true;
}

void TFMain::MnSpeichernClick() {
    if (fileName_.isEmpty()) {
        MnSpeichernUnterClick();
        return;
    }
    RunGuarded([&] { WriteDatei(fileName_.toStdString(), RemarkLines(), *speicher_, *register_); });
}

void TFMain::MnSpeichernUnterClick() {
    const QString name = AskSaveFileName();
    if (!name.isEmpty()) {
        SaveProgramFile(name);
    }
}

bool TFMain::SaveProgramFile(const QString& fileName) {
    fileName_ = fileName;
    const bool written = RunGuarded(
        [&] { WriteDatei(fileName.toStdString(), RemarkLines(), *speicher_, *register_); });
    if (written) {
        SetCaptionFor(fileName);
        SwitchBackupTimerOn();
    }
    return written;
}

void TFMain::LoadStartFile(const QStringList& arguments) {
    if (arguments.size() < 2) {
        return;
    }
    const QString& name = arguments.at(1);
    if (QFileInfo(name).isFile()) {
        OpenProgramFile(name);
    }
}

} // namespace tovak
