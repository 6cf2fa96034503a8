// The backup copies of one running instance of the program: a folder of its own, held by a
// lock for the instance's life, so that two instances never move or delete each other's
// copies, and the copy an earlier session left with unsaved work.
#pragma once

#include "files/Backup.h"

#include <QString>

#include <memory>

class QLockFile;

namespace tovak {

class BackupSession {
public:
    // The lock file in each instance folder.
    static constexpr const char* kLockName = "Sitzung.lock";
    // Sub-folders of further instances: "Instanz 2", "Instanz 3", ...
    static constexpr const char* kInstancePrefix = "Instanz ";
    static constexpr int kMaxInstances = 20;

    // root: the folder chosen for the copies. The first instance uses root itself; while a
    // running instance holds a folder, the next one takes the next sub-folder. A folder whose
    // lock cannot be written at all is used without one.
    explicit BackupSession(const QString& root);
    ~BackupSession();
    BackupSession(const BackupSession&) = delete;
    BackupSession& operator=(const BackupSession&) = delete;

    // 1 for root, 2 for "Instanz 2", ...
    int Instance() const { return instance_; }
    BackupCopies& Copies() { return copies_; }
    const BackupCopies& Copies() const { return copies_; }
    QString Dir() const;

    // The earlier session's newest copy with unsaved work (now in "Vorherige Sitzung"),
    // empty when there is none; forgotten once taken.
    QString TakeRecoverableCopy();

    // Where the old content of a file is copied before it is written in place.
    QString CopyBeforeWritingInPlace(const QString& fileName) const;

private:
    std::unique_ptr<QLockFile> lock_;
    BackupCopies copies_;
    QString recoverable_;
    int instance_ = 1;
};

} // namespace tovak
