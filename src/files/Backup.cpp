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

void BackupCopies::Prepare(const std::string& base, const std::string& fallbackBase) {
    const std::string own = TempFolderIn(base);
    if (ForceDir(own) && TakesFiles(own)) {
        dir_ = own;
    } else if (!fallbackBase.empty()) {
        // An installed program's folder takes no files: the copies go to the user's folder.
        dir_ = TempFolderIn(fallbackBase);
        ForceDir(dir_);
    } else {
        dir_ = AddBackslash(base);
    }
    KeepPreviousSession();
    counter_ = 0;
}

std::string BackupCopies::PreviousSessionDir() const {
    return AddBackslash(dir_ + kPreviousSession);
}

std::string BackupCopies::Next() {
    if (!ForceDir(dir_)) {
        return {};
    }
    counter_ = counter_ % kMaxCopies + 1;
    return dir_ + "Temp" + IntToStr2(counter_) + ".CPU";
}

void BackupCopies::DeleteAll() {
    DeleteBackupFilesIn(dir_);
    counter_ = 0;
}

void BackupCopies::KeepPreviousSession() {
    const std::vector<fs::path> copies = BackupFilesIn(dir_);
    const std::string kept = PreviousSessionDir();
    if (copies.empty() || !ForceDir(kept)) {
        return;
    }
    DeleteBackupFilesIn(kept);
    for (const fs::path& copy : copies) {
        std::error_code error;
        fs::rename(copy, PathFromUtf8(kept) / copy.filename(), error);
    }
}

} // namespace tovak
