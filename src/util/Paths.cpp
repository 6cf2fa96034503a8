#include "util/Paths.h"

#include <filesystem>
#include <system_error>

#include "util/Platform.h"

namespace tovak {

namespace fs = std::filesystem;

namespace {

bool EndsWithSeparator(const std::string& path) {
    return !path.empty() && (path.back() == '/' || path.back() == platform::PathSeparator());
}

} // namespace

fs::path PathFromUtf8(const std::string& text) {
    return fs::path(std::u8string(text.begin(), text.end()));
}

std::string PathToUtf8(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

char PathSeparator() {
    return platform::PathSeparator();
}

std::string AddBackslash(const std::string& path) {
    return EndsWithSeparator(path) ? path : path + PathSeparator();
}

bool DirExists(const std::string& path) {
    if (path.empty()) {
        return false;
    }
    if (path.size() == 1 && EndsWithSeparator(path)) {
        return true;
    }
    std::error_code error;
    return fs::is_directory(PathFromUtf8(path), error);
}

bool ForceDir(const std::string& path) {
    const fs::path folder = PathFromUtf8(AddBackslash(path));
    std::error_code error;
    fs::create_directories(folder, error);
    return fs::is_directory(folder, error);
}

bool DeleteFileForced(const std::string& fileName) {
    const fs::path file = PathFromUtf8(fileName);
    std::error_code error;
    // A read-only copy must go too.
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add,
                    error);
    return fs::remove(file, error);
}

const std::string& ProgrammPfad() {
    static const std::string folder = [] {
        fs::path executable = platform::ExecutablePath();
        std::error_code error;
        fs::path dir = executable.empty() ? fs::current_path(error) : executable.parent_path();
        return AddBackslash(PathToUtf8(dir));
    }();
    return folder;
}

} // namespace tovak
