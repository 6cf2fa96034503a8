// Program text files: reading and writing them, and loading a program from either kind of
// file, told apart by what it holds.
#pragma once

#include "files/Assembler.h"
#include "files/ProgramFile.h"
#include "files/Programminhalt.h"
#include "machine/Fehler.h"

#include <string>
#include <string_view>
#include <vector>

namespace tovak {

// A program text with errors; what() lists them a line each ("Zeile 7: …").
class ProgrammtextFehler : public DateiFehler {
public:
    explicit ProgrammtextFehler(std::vector<TextFehler> fehler);
    const std::vector<TextFehler>& Fehler() const { return fehler_; }

private:
    std::vector<TextFehler> fehler_;
};

// A text file's bytes as UTF-8: UTF-8 with or without a byte order mark, anything else read
// as Windows-1252.
std::string TextAlsUtf8(std::string_view bytes);
// UTF-8 text with CR LF line ends, as program texts are written.
std::string TextMitCrLf(std::string_view text);

// True when the bytes are a program text rather than a ".CPU" file: a ".CPU" file starts
// with its version number. A file without any first line goes by its name's extension.
bool IstProgrammtext(std::string_view bytes, std::string_view dateiname);

// The whole file; a read error throws DateiFehler.
std::string DateiLesen(const std::string& fileName);
// Writes the text with CR LF line ends; the old file is replaced only when the new one was
// written completely. Throws DateiFehler.
void ProgrammtextSchreiben(const std::string& fileName, std::string_view text);

// Reads the program text (bytes of a file) into remarks, memory and registers, all or
// nothing: errors throw ProgrammtextFehler and change nothing.
void ProgrammtextLaden(std::string_view bytes, std::vector<std::string>& remarkLines,
                       TRAM& speicher, TReg& reg);
// The program of a ".CPU" file's bytes. Throws what its reader throws, and DateiFehler for a
// version below 5.
Programminhalt CpuDateiInhalt(std::string_view bytes);

// Loads a ".CPU" file or a program text, by content.
LeseErgebnis ProgrammLaden(const std::string& fileName, std::vector<std::string>& remarkLines,
                           TRAM& speicher, TReg& reg);

} // namespace tovak
