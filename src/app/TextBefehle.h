// The command-line commands of the program text: "--assemble TEXT -o FILE.CPU" and
// "--disassemble FILE.CPU", each a function of its own that the option parser calls.
#pragma once

#include <cstdio>
#include <exception>
#include <string>

namespace tovak {

// Reads the program text (or a ".CPU" file) and writes it as a ".CPU" file. Returns 0, or 2
// after the "Zeile N: …" lines of a faulty text or a file error on err.
int TextAssemblieren(const std::string& text, const std::string& ziel, std::FILE* err);

// Writes the program of a ".CPU" file (or a program text) as program text to out. Returns 0,
// or 2 after a file error on err.
int TextDisassemblieren(const std::string& datei, std::FILE* out, std::FILE* err);

// Checks how the program commands of a command line go together: the empty text when they
// do, else the German message of the usage error.
std::string TextOptionenPruefen(bool run, const std::string& assemble,
                                const std::string& disassemble, const std::string& ausgabe);

// Reports a failed load on err: a faulty text by its "Zeile N: …" lines, else one line.
void LadefehlerMelden(const std::string& datei, const std::exception& e, std::FILE* err);

} // namespace tovak
