// The rotating backup copies of the program being entered, in this instance's own folder.
#include "files/ProgrammText.h"
#include "mainwindow/BackupSession.h"
#include "mainwindow/ErrorDisplay.h"
#include "mainwindow/Main.h"
#include "util/Paths.h"

#include <QDir>
#include <QStandardPaths>
#include <QTimer>

namespace tovak {

namespace {

QString& BackupBase() {
    static QString base;
    return base;
}

} // namespace

void TFMain::SetBackupBase(const QString& folder) {
    BackupBase() = folder;
}

void TFMain::PrepareBackupFolder() {
    const std::string base = BackupBase().isEmpty()
                                 ? ProgrammPfad()
                                 : QDir::toNativeSeparators(BackupBase()).toStdString();
    const QString userFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    const std::string root =
        BackupCopies::ChooseFolder(base, QDir::toNativeSeparators(userFolder).toStdString());
    backupSession_ = std::make_unique<BackupSession>(QString::fromStdString(root));
    connect(timerBackup_, &QTimer::timeout, this, &TFMain::TimerBackupTimer);
}

QString TFMain::BackupDir() const {
    return backupSession_->Dir();
}

int TFMain::BackupCounter() const {
    return backupSession_->Copies().Counter();
}

void TFMain::SwitchBackupTimerOn() {
    // Starting a running timer again would only postpone its next copy.
    if (!timerBackup_->isActive()) {
        timerBackup_->start();
    }
}

void TFMain::TimerBackupTimer() {
    WriteBackup();
}

void TFMain::WriteBackup() {
    // A failed copy shows a message box; ticks meanwhile must not pile up more boxes.
    if (backupWriting_) {
        return;
    }
    BackupCopies& copies = backupSession_->Copies();
    const std::string name = copies.Next();
    if (name.empty()) {
        return;
    }
    backupWriting_ = true;
    const std::string text = ProgrammText(RemarkLines(), *speicher_, *register_);
    if (RunGuarded([&] { DateiErsetzen(name, text); })) {
        copies.CopyWritten(document_->Differs(text));
    }
    backupWriting_ = false;
}

void TFMain::DeleteBackupFiles() {
    backupSession_->Copies().PutAway();
}

} // namespace tovak
