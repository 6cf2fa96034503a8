#include "mainwindow/BackupKeeper.h"

#include "files/ProgrammText.h"
#include "mainwindow/ErrorDisplay.h"
#include "util/Paths.h"

#include <QDir>
#include <QStandardPaths>

namespace tovak {

namespace {

QString& BackupBase() {
    static QString base;
    return base;
}

} // namespace

void BackupKeeper::SetBase(const QString& folder) {
    BackupBase() = folder;
}

BackupKeeper::BackupKeeper(std::function<std::string()> content,
                           std::function<bool(const std::string&)> unsaved, QObject* parent)
    : QObject(parent), content_(std::move(content)), unsaved_(std::move(unsaved)) {
    const std::string base = BackupBase().isEmpty()
                                 ? ProgrammPfad()
                                 : QDir::toNativeSeparators(BackupBase()).toStdString();
    const QString userFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    const std::string root =
        BackupCopies::ChooseFolder(base, QDir::toNativeSeparators(userFolder).toStdString());
    session_ = std::make_unique<BackupSession>(QString::fromStdString(root));
    timer_.setObjectName(QStringLiteral("TimerBackup"));
    connect(&timer_, &QTimer::timeout, this, &BackupKeeper::Write);
}

BackupKeeper::~BackupKeeper() = default;

QString BackupKeeper::Dir() const {
    return session_->Dir();
}

int BackupKeeper::Counter() const {
    return session_->Copies().Counter();
}

void BackupKeeper::SwitchOn() {
    // Starting a running timer again would only postpone its next copy.
    if (!timer_.isActive()) {
        timer_.start();
    }
}

void BackupKeeper::Write() {
    // A failed copy shows a message box; ticks meanwhile must not pile up more boxes.
    if (writing_) {
        return;
    }
    BackupCopies& copies = session_->Copies();
    const std::string name = copies.Next();
    if (name.empty()) {
        return;
    }
    writing_ = true;
    const std::string text = content_();
    if (RunGuarded([&] { DateiErsetzen(name, text); })) {
        copies.CopyWritten(unsaved_(text));
    }
    writing_ = false;
}

void BackupKeeper::PutAway() {
    session_->Copies().PutAway();
}

void BackupKeeper::Saved() {
    session_->Copies().Saved();
}

} // namespace tovak
