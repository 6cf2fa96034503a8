#include "files/Backup.h"

#include "util/NumberTexts.h"
#include "util/Paths.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <vector>

namespace tovak {

namespace fs = std::filesystem;

namespace {

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string TempFolderIn(const std::string& base) {
    return AddBackslash(AddBackslash(base) + "Temp");
}

// A folder that exists can still refuse files (an installed program's folder).
bool TakesFiles(const std::string& folder) {
    const fs::path probe = PathFromUtf8(folder + ".schreibprobe");
    bool written = false;
    {
        std::ofstream out(probe, std::ios::binary);
        written = static_cast<bool>(out << 'x');
    }
    std::error_code error;
    fs::remove(probe, error);
    return written;
}

std::vector<fs::path> BackupFilesIn(const std::string& folder) {
    std::vector<fs::path> files;
    std::error_code error;
    for (fs::directory_iterator it(PathFromUtf8(folder), error), end; !error && it != end;
         it.increment(error)) {
        std::error_code typeError;
        if (it->is_regular_file(typeError) &&
            BackupCopies::IsBackupName(PathToUtf8(it->path().filename()))) {
            files.push_back(it->path());
        }
    }
    return files;
}

std::string ReadMarker(const std::string& folder) {
    std::ifstream in(PathFromUtf8(folder + BackupCopies::kUnsavedMarker), std::ios::binary);
    std::string name;
    std::getline(in, name);
    return name;
}

void DeleteBackupFilesIn(const std::string& folder) {
    for (const fs::path& file : BackupFilesIn(folder)) {
        DeleteFileForced(PathToUtf8(file));
    }
}

} // namespace

bool BackupCopies::IsBackupName(const std::string& fileName) {
    const std::string name = Lower(fileName);
    return name.size() >= 8 && name.starts_with("temp") && name.ends_with(".cpu");
}

std::string BackupCopies::ChooseFolder(const std::string& base, const std::string& fallbackBase) {
    const std::string own = TempFolderIn(base);
    if (ForceDir(own) && TakesFiles(own)) {
        return own;
    }
    if (!fallbackBase.empty()) {
        // An installed program's folder takes no files: the copies go to the user's folder.
        const std::string user = TempFolderIn(fallbackBase);
        ForceDir(user);
        return user;
    }
    return AddBackslash(base);
}

std::string BackupCopies::Open(const std::string& dir) {
    dir_ = AddBackslash(dir);
    ForceDir(dir_);
    counter_ = 0;
    unsaved_ = false;
    newest_.clear();
    const std::vector<fs::path> copies = BackupFilesIn(dir_);
    const std::string marker = ReadMarker(dir_);
    if (copies.empty()) {
        SetMarker(false);
        return {};
    }
    KeepPreviousSession();
    if (!fs::exists(PathFromUtf8(PreviousSessionDir() + kUnsavedMarker))) {
        return {};
    }
    // The marker names the newest copy; without a readable name the latest written wins.
    fs::path newest = PathFromUtf8(PreviousSessionDir() + marker);
    std::error_code error;
    if (marker.empty() || !IsBackupName(marker) || !fs::is_regular_file(newest, error)) {
        newest.clear();
        fs::file_time_type latest{};
        for (const fs::path& copy : BackupFilesIn(PreviousSessionDir())) {
            const fs::file_time_type time = fs::last_write_time(copy, error);
            if (!error && (newest.empty() || time > latest)) {
                newest = copy;
                latest = time;
            }
        }
    }
    return newest.empty() ? std::string() : PathToUtf8(newest);
}

std::string BackupCopies::PreviousSessionDir() const {
    return AddBackslash(dir_ + kPreviousSession);
}

std::string BackupCopies::Next() {
    if (!ForceDir(dir_)) {
        return {};
    }
    counter_ = counter_ % kMaxCopies + 1;
    newest_ = "Temp" + IntToStr2(counter_) + ".CPU";
    return dir_ + newest_;
}

void BackupCopies::CopyWritten(bool unsaved) {
    // Putting away asks about every copy, the question at the next start about the newest.
    unsaved_ = unsaved_ || unsaved;
    SetMarker(unsaved);
}

void BackupCopies::Saved() {
    unsaved_ = false;
    SetMarker(false);
}

void BackupCopies::SetMarker(bool on) {
    const fs::path marker = PathFromUtf8(dir_ + kUnsavedMarker);
    if (!on) {
        std::error_code error;
        fs::remove(marker, error);
        return;
    }
    // A marker that cannot be written only costs the question at the next start.
    std::ofstream(marker, std::ios::binary | std::ios::trunc) << newest_;
}

void BackupCopies::PutAway() {
    if (unsaved_) {
        KeepPreviousSession();
    } else {
        DeleteAll();
    }
    unsaved_ = false;
    counter_ = 0;
}

void BackupCopies::DeleteAll() {
    DeleteBackupFilesIn(dir_);
    SetMarker(false);
    counter_ = 0;
}

void BackupCopies::KeepPreviousSession() {
    const std::vector<fs::path> copies = BackupFilesIn(dir_);
    const std::string kept = PreviousSessionDir();
    if (copies.empty() || !ForceDir(kept)) {
        return;
    }
    DeleteBackupFilesIn(kept);
    std::error_code error;
    fs::remove(PathFromUtf8(kept + kUnsavedMarker), error);
    for (const fs::path& copy : copies) {
        fs::rename(copy, PathFromUtf8(kept) / copy.filename(), error);
    }
    fs::rename(PathFromUtf8(dir_ + kUnsavedMarker), PathFromUtf8(kept + kUnsavedMarker), error);
}

} // namespace tovak
