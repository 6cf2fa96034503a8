// The program file's text without the file: building and reading its bytes in memory, and
// the sections of the two stores. WriteDatei and ReadDatei put a file around these; tests
// and the fuzzer use them directly.
#pragma once

#include "files/ProgramFile.h"
#include "machine/RAM.h"
#include "machine/Reg.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace tovak {

// Hands out the lines of a program file one by one: from bytes in memory or from an open
// file, read in blocks. A line ends at CR LF, LF or a lone CR; the last line may lack its
// end. A line longer than kMaxZeilenLaenge bytes keeps its first kMaxZeilenLaenge bytes,
// the rest is skipped, so no line allocates more than that.
class ZeilenLeser {
public:
    static constexpr std::size_t kMaxZeilenLaenge = 64 * 1024;

    explicit ZeilenLeser(std::string_view daten);
    // Reads from the file (not owned); a read error throws DateiFehler, and so does reading
    // more than grenze bytes.
    ZeilenLeser(std::FILE* datei, std::uintmax_t grenze);

    // The next line without its end; false (and an empty line) when the input is used up.
    bool Lies(std::string& zeile);

private:
    bool Nachladen();

    std::FILE* datei_ = nullptr;
    std::uintmax_t grenze_ = 0;
    std::uintmax_t gelesen_ = 0;
    std::string puffer_;
    std::string_view rest_;
    bool lfUeberspringen_ = false;
};

// The whole file as Windows-1252 bytes with CR LF line ends.
std::string ProgrammText(const std::vector<std::string>& remarkLines, const TRAM& speicher,
                         const TReg& reg);
// Reads a whole file's bytes by the rules of ReadDatei, with the same failures.
LeseErgebnis LeseProgrammText(std::string_view daten, std::vector<std::string>& remarkLines,
                              TRAM& speicher, TReg& reg);
LeseErgebnis LeseProgramm(ZeilenLeser& leser, std::vector<std::string>& remarkLines, TRAM& speicher,
                          TReg& reg);

// The memory section: the count line "m Anzahl RAM" and the m cell lines.
void SpeicherWriteToFile(std::string& out, const TRAM& speicher);
void SpeicherReadFromFile(ZeilenLeser& leser, TRAM& speicher);
// The register section: the count line "k Anzahl Register" and the k register lines.
void RegisterWriteToFile(std::string& out, const TReg& reg);
// utf8: the names are UTF-8 (a file that starts with a byte order mark), not Windows-1252.
void RegisterReadFromFile(ZeilenLeser& leser, TReg& reg, bool utf8 = false);

// The integer at the start of a count or version line (blanks and TABs before it skipped,
// the rest of the line ignored). A blank line gives 0; false when the line does not start
// with a number that fits into 32 bits.
bool ZahlAmZeilenanfang(std::string_view zeile, int& n);

// Writes the bytes to the file: first into a new file beside it, which replaces the target
// only when it was written, flushed and closed without error. When the folder refuses the
// new file but the existing target may be written, the target is written in place once its
// old content was copied to kopieVorOrtSchreiben (empty: refused as before). Throws
// DateiFehler.
void DateiErsetzen(const std::string& fileName, std::string_view bytes,
                   const std::string& kopieVorOrtSchreiben = {});

// Deletes the new files that saves of processes no longer running left in the folder
// ("NAME.~tmp<PID>-<n>"); returns how many.
int VerwaisteTempDateienEntfernen(const std::string& ordner);

// The German message for a failed file operation with the given errno value.
std::string DateiFehlerText(int err, bool schreiben);

} // namespace tovak
