#include "util/Paths.h"

#include <filesystem>
#include <system_error>

#if defined(_WIN32)
#include <windows.h>
#endif

namespace tovak {

namespace fs = std::filesystem;

namespace {

fs::path FromUtf8(const std::string& text) {
    return fs::path(std::u8string(text.begin(), text.end()));
}

std::string ToUtf8(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

bool EndsWithSeparator(const std::string& path) {
    if (path.empty()) {
        return false;
    }
    const char last = path.back();
#if defined(_WIN32)
    return last == '\\' || last == '/';
#else
    return last == '/';
#endif
}

fs::path ExecutablePath() {
    std::error_code error;
#if defined(_WIN32)
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) {
            return {};
        }
        if (length < buffer.size()) {
            buffer.resize(length);
            return fs::path(buffer);
        }
        buffer.resize(buffer.size() * 2);
    }
#else
    fs::path path = fs::read_symlink("/proc/self/exe", error);
    return error ? fs::path() : path;
#endif
}

} // namespace

char PathSeparator() {
#if defined(_WIN32)
    return '\\';
#else
    return '/';
#endif
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
    return fs::is_directory(FromUtf8(path), error);
}

bool ForceDir(const std::string& path) {
    const fs::path folder = FromUtf8(AddBackslash(path));
    std::error_code error;
    fs::create_directories(folder, error);
    return fs::is_directory(folder, error);
}

bool DeleteFileForced(const std::string& fileName) {
    const fs::path file = FromUtf8(fileName);
    std::error_code error;
    // A read-only copy must go too.
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add,
                    error);
    return fs::remove(file, error);
}

const std::string& ProgrammPfad() {
    static const std::string folder = [] {
        fs::path executable = ExecutablePath();
        std::error_code error;
        fs::path dir = executable.empty() ? fs::current_path(error) : executable.parent_path();
        return AddBackslash(ToUtf8(dir));
    }();
    return folder;
}

} // namespace tovak
