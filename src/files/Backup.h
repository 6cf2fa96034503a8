// The rotating backup copies "Temp01.CPU" .. "Temp99.CPU" of the program being entered: where
// they live, what the next one is called, and their removal. The copies themselves are
// ordinary program files, written by the caller.
#pragma once

#include <string>

namespace tovak {

class BackupCopies {
public:
    static constexpr int kMaxCopies = 99;
    // Where a new start keeps the copies the previous session left behind.
    static constexpr const char* kPreviousSession = "Vorherige Sitzung";

    // Decides the folder once: "Temp" in base when it exists or can be created and takes
    // files, else "Temp" in fallbackBase (empty: base itself). Keeps the previous session's
    // copies and starts counting afresh.
    void Prepare(const std::string& base, const std::string& fallbackBase);

    // The folder, with a trailing separator.
    const std::string& Dir() const { return dir_; }
    // The running number of the last copy, 1..99; 0 after DeleteAll and at the start.
    int Counter() const { return counter_; }

    // Advances the counter (99 is followed by 1) and gives the next copy's path. Empty when
    // the folder cannot be created; the counter then stays.
    std::string Next();

    // Deletes every "Temp*.CPU" in the folder, read-only ones too; what cannot be deleted
    // stays silently. The counter restarts.
    void DeleteAll();

    // Moves the copies into the sub-folder kPreviousSession, replacing the copies there.
    // With no copy to move the sub-folder keeps what it holds.
    void KeepPreviousSession();

    std::string PreviousSessionDir() const;

    // "Temp*.CPU", letter case ignored.
    static bool IsBackupName(const std::string& fileName);

private:
    std::string dir_;
    int counter_ = 0;
};

} // namespace tovak
