#include "util/Platform.h"

#include <cerrno>
#include <cstring>

#if defined(_WIN32)
#ifndef NOMINMAX
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
// After windows.h, which it builds on.
#include <shellapi.h>

#include <fcntl.h>
#include <io.h>
#include <process.h>
#include <sys/stat.h>
#else
#include <csignal>
#include <unistd.h>
#endif

namespace tovak::platform {

#if defined(_WIN32)

namespace {

int ErrnoAusWindowsFehler(DWORD fehler) {
    switch (fehler) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return ENOENT;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_WRITE_PROTECT:
        return EACCES;
    case ERROR_TOO_MANY_OPEN_FILES:
        return EMFILE;
    case ERROR_FILENAME_EXCED_RANGE:
        return ENAMETOOLONG;
    default:
        return EIO;
    }
}

std::string Utf8(const wchar_t* text) {
    const int n = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (n <= 1) {
        return {};
    }
    std::string utf8(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8.data(), n, nullptr, nullptr);
    utf8.resize(static_cast<std::size_t>(n - 1));
    return utf8;
}

} // namespace

std::FILE* Fopen(const std::filesystem::path& path, const char* mode) {
    const std::wstring wmode(mode, mode + std::strlen(mode));
    return _wfopen(path.c_str(), wmode.c_str());
}

std::FILE* CreateNewFile(const std::filesystem::path& path) {
    // The C library of MinGW does not know fopen's "x".
    const int fd =
        _wopen(path.c_str(), _O_CREAT | _O_EXCL | _O_WRONLY | _O_BINARY, _S_IREAD | _S_IWRITE);
    if (fd < 0) {
        return nullptr;
    }
    std::FILE* file = _fdopen(fd, "wb");
    if (file == nullptr) {
        const int err = errno;
        _close(fd);
        errno = err;
    }
    return file;
}

bool IsWritable(const std::filesystem::path& path) {
    return _waccess(path.c_str(), 2) == 0;
}

bool FlushToDisk(std::FILE* file) {
    return _commit(_fileno(file)) == 0;
}

int MoveReplacing(const std::filesystem::path& from, const std::filesystem::path& to) {
    if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return 0;
    }
    return ErrnoAusWindowsFehler(GetLastError());
}

long ProcessId() {
    return _getpid();
}

bool ProcessRunning(long pid) {
    if (pid <= 0) {
        return false;
    }
    // PROCESS_QUERY_LIMITED_INFORMATION, which older MinGW headers name only for newer targets.
    constexpr DWORD kQueryLimited = 0x1000;
    HANDLE process = OpenProcess(kQueryLimited, FALSE, static_cast<DWORD>(pid));
    if (process == nullptr) {
        // A process of another user cannot be opened but runs.
        return GetLastError() == ERROR_ACCESS_DENIED;
    }
    DWORD code = 0;
    const bool running = GetExitCodeProcess(process, &code) && code == STILL_ACTIVE;
    CloseHandle(process);
    return running;
}

std::vector<std::string> Utf8Arguments(int argc, char** argv) {
    int n = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &n);
    if (wide == nullptr) {
        return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
    }
    std::vector<std::string> args;
    for (int i = 1; i < n; ++i) {
        args.push_back(Utf8(wide[i]));
    }
    LocalFree(wide);
    return args;
}

char PathSeparator() {
    return '\\';
}

std::filesystem::path ExecutablePath() {
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) {
            return {};
        }
        if (length < buffer.size()) {
            buffer.resize(length);
            return std::filesystem::path(buffer);
        }
        buffer.resize(buffer.size() * 2);
    }
}

void UseUtf8Console() {
    SetConsoleOutputCP(CP_UTF8);
}

void AttachParentConsole() {
    const HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    if ((out != nullptr && out != INVALID_HANDLE_VALUE) || !AttachConsole(ATTACH_PARENT_PROCESS)) {
        return;
    }
    // The C streams were set up without a console; open them on the one attached now.
    std::freopen("CONOUT$", "w", stdout);
    std::freopen("CONOUT$", "w", stderr);
    std::freopen("CONIN$", "r", stdin);
}

#else

std::FILE* Fopen(const std::filesystem::path& path, const char* mode) {
    return std::fopen(path.c_str(), mode);
}

std::FILE* CreateNewFile(const std::filesystem::path& path) {
    return std::fopen(path.c_str(), "wbx");
}

bool IsWritable(const std::filesystem::path& path) {
    return access(path.c_str(), W_OK) == 0;
}

bool FlushToDisk(std::FILE* file) {
    return fsync(fileno(file)) == 0;
}

int MoveReplacing(const std::filesystem::path& from, const std::filesystem::path& to) {
    return std::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

long ProcessId() {
    return static_cast<long>(getpid());
}

bool ProcessRunning(long pid) {
    if (pid <= 0) {
        return false;
    }
    // Signal 0 only asks; a process of another user answers EPERM.
    return kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

std::vector<std::string> Utf8Arguments(int argc, char** argv) {
    return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
}

void UseUtf8Console() {}

void AttachParentConsole() {}

char PathSeparator() {
    return '/';
}

std::filesystem::path ExecutablePath() {
    std::error_code error;
    std::filesystem::path path = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : path;
}

#endif

} // namespace tovak::platform
