// What differs between POSIX systems and Windows, in one place: files by UTF-8 name, writing
// them through to the disk and replacing them in one step, the process number, the program's
// own file, the path separator, the command line and the console.
#pragma once

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace tovak::platform {

// std::fopen for a path (by its wide name on Windows, so any file name works); errno
// tells why it failed.
std::FILE* Fopen(const std::filesystem::path& path, const char* mode);

// Creates a file that must not exist yet and opens it for writing (binary); errno is EEXIST
// when it existed.
std::FILE* CreateNewFile(const std::filesystem::path& path);

// True when the existing file may be written.
bool IsWritable(const std::filesystem::path& path);

// Hands the file's written data to the disk; false with errno set when that fails.
bool FlushToDisk(std::FILE* file);

// Puts the file `from` in the place of `to` in one step, replacing it. Returns 0, or the
// errno value of the failure.
int MoveReplacing(const std::filesystem::path& from, const std::filesystem::path& to);

long ProcessId();
// True while a process with this number runs (also one of another user); false for
// numbers of no process.
bool ProcessRunning(long pid);

// The arguments after the program name as UTF-8; Windows hands argv over in its ANSI code
// page, which cannot hold every file name.
std::vector<std::string> Utf8Arguments(int argc, char** argv);

// The separator of folder names a user sees in a path.
char PathSeparator();

// The running program's file; empty when the system does not tell.
std::filesystem::path ExecutablePath();

// Makes a Windows console show UTF-8 output as such; does nothing elsewhere.
void UseUtf8Console();

// A Windows window program has no console: when started from one without redirected output,
// it writes to that console instead. Does nothing elsewhere.
void AttachParentConsole();

} // namespace tovak::platform
