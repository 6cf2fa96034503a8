// The rotating backup copies "Temp01.CPU" .. "Temp99.CPU" of the program being entered: where
// they live, what the next one is called, whether they hold work no save has covered, and
// what becomes of them when the program is replaced. The copies themselves are ordinary
// program files, written by the caller.
#pragma once

#include <string>

namespace tovak {

class BackupCopies {
public:
    static constexpr int kMaxCopies = 99;
    // Where the copies of a replaced program or of an earlier session are kept.
    static constexpr const char* kPreviousSession = "Vorherige Sitzung";
    // Present while the newest copy holds work that no save covers; it names that copy.
    static constexpr const char* kUnsavedMarker = "Ungesichert.txt";

    // The folder for the copies: "Temp" in base when it exists or can be created and takes
    // files, else "Temp" in fallbackBase (empty: base itself). With a trailing separator.
    static std::string ChooseFolder(const std::string& base, const std::string& fallbackBase);

    // Takes the folder for this session. Copies an earlier session left there move into
    // kPreviousSession (replacing what lies there); counting starts afresh. Returns the path
    // of the earlier session's newest copy when it held unsaved work, else an empty text.
    std::string Open(const std::string& dir);

    // The folder, with a trailing separator.
    const std::string& Dir() const { return dir_; }
    // The running number of the last copy, 1..99; 0 after the copies were put away and at
    // the start.
    int Counter() const { return counter_; }

    // Advances the counter (99 is followed by 1) and gives the next copy's path. Empty when
    // the folder cannot be created; the counter then stays.
    std::string Next();
    // After the copy Next named was written: whether it holds work that no save covers.
    void CopyWritten(bool unsaved);
    // The program was saved: every copy so far is covered by the file.
    void Saved();
    // Some copy of this program holds work that no save covers.
    bool HoldsUnsavedWork() const { return unsaved_; }

    // Before another program replaces this one: copies with unsaved work move into
    // kPreviousSession, other copies are deleted. The counter restarts.
    void PutAway();

    // Deletes every "Temp*.CPU" in the folder, read-only ones too; what cannot be deleted
    // stays silently. The counter restarts.
    void DeleteAll();

    // Moves the copies (and the marker) into kPreviousSession, replacing the copies there.
    // With no copy to move the sub-folder keeps what it holds.
    void KeepPreviousSession();

    std::string PreviousSessionDir() const;

    // "Temp*.CPU", letter case ignored.
    static bool IsBackupName(const std::string& fileName);

private:
    void SetMarker(bool on);

    std::string dir_;
    std::string newest_; // file name of the last copy written
    int counter_ = 0;
    bool unsaved_ = false;
};

} // namespace tovak
