// The rotating backup copies of the program being entered.
#include "files/ProgramFile.h"
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
    backup_.Prepare(base, QDir::toNativeSeparators(userFolder).toStdString());
    connect(timerBackup_, &QTimer::timeout, this, &TFMain::TimerBackupTimer);
}

QString TFMain::BackupDir() const {
    return QString::fromStdString(backup_.Dir());
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
    const std::string name = backup_.Next();
    if (name.empty()) {
        return;
    }
    backupWriting_ = true;
    RunGuarded([&] { WriteDatei(name, RemarkLines(), *speicher_, *register_); });
    backupWriting_ = false;
}

void TFMain::DeleteBackupFiles() {
    backup_.DeleteAll();
}

} // namespace tovak
