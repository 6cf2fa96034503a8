// Small file and folder helpers and the program's folder, without Qt. Paths are UTF-8 texts;
// a folder path ends with the platform's separator ('\' on Windows, '/' elsewhere).
#pragma once

#include <filesystem>
#include <string>

namespace tovak {

// A path from its UTF-8 text, and back.
std::filesystem::path PathFromUtf8(const std::string& text);
std::string PathToUtf8(const std::filesystem::path& path);

// The separator a folder path ends with.
char PathSeparator();

// The text unchanged when it ends with a separator, else the text followed by one; an empty
// text gives the separator alone.
std::string AddBackslash(const std::string& path);

// A separator alone is true, an empty text false; otherwise true when the path names a
// folder.
bool DirExists(const std::string& path);

// Creates every missing folder of the path; true when the folder exists afterwards.
bool ForceDir(const std::string& path);

// Clears the read-only state of the file, then deletes it; true when it was deleted.
bool DeleteFileForced(const std::string& fileName);

// The folder of the running executable, with a trailing separator. Found once; when the
// platform cannot tell, the current folder at that moment.
const std::string& ProgrammPfad();

} // namespace tovak
