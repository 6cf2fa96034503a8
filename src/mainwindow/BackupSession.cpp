#include "mainwindow/BackupSession.h"

#include "files/ProgrammText.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>

namespace tovak {

namespace {

QString InstanceDir(const QString& root, int instance) {
    if (instance == 1) {
        return root;
    }
    return QDir(root).filePath(QString::fromLatin1(BackupSession::kInstancePrefix) +
                               QString::number(instance));
}

} // namespace

BackupSession::BackupSession(const QString& root) {
    QString dir = root;
    for (int instance = 1; instance <= kMaxInstances; ++instance) {
        const QString candidate = InstanceDir(root, instance);
        QDir().mkpath(candidate);
        auto lock = std::make_unique<QLockFile>(QDir(candidate).filePath(kLockName));
        // A lock is stale only when its process is gone, never by its age: a lesson may
        // run all day.
        lock->setStaleLockTime(0);
        if (lock->tryLock(0)) {
            lock_ = std::move(lock);
            dir = candidate;
            instance_ = instance;
            break;
        }
        if (lock->error() != QLockFile::LockFailedError) {
            break; // the folder takes no lock: share root as before
        }
    }
    const std::string previous = copies_.Open(QDir::toNativeSeparators(dir).toStdString());
    recoverable_ = QString::fromStdString(previous);
    // A save that was killed half way leaves its new file beside the copies.
    VerwaisteTempDateienEntfernen(copies_.Dir());
}

BackupSession::~BackupSession() = default;

QString BackupSession::Dir() const {
    return QString::fromStdString(copies_.Dir());
}

QString BackupSession::TakeRecoverableCopy() {
    QString copy;
    copy.swap(recoverable_);
    return copy;
}

QString BackupSession::CopyBeforeWritingInPlace(const QString& fileName) const {
    return QDir(Dir()).filePath(QStringLiteral("Vor dem Speichern/") +
                                QFileInfo(fileName).fileName());
}

} // namespace tovak
