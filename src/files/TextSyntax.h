// The pieces of the program text that its reader and its writer share: names (labels and
// register names), quoted texts, numbers and the instruction names a statement may use.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tovak::textform {

// The bounds of the operand kinds and of data cells.
inline constexpr int kMaxKonstante = 65535;
inline constexpr int kMaxRegister = 127;
inline constexpr int kMaxBefehlsadresse = 3999;
inline constexpr int kMinAnzahl = 1;
inline constexpr int kMaxAnzahl = 16;

// True when the bytes are well-formed UTF-8.
bool IstUtf8(std::string_view text);

// A name: letters (umlauts, ß and the other letters of Windows-1252 included), digits and
// "_", not starting with a digit.
bool IstName(std::string_view text);
// The length in bytes of the name at the start of text (0 when none starts there).
std::size_t NamensLaenge(std::string_view text);
// Two names are the same when they differ only in letter case.
std::string NamensSchluessel(std::string_view name);

// A text in double quotes: \\, \", \t and \xHH (00..7F) stand for what they say; everything
// else, UTF-8 included, stands for itself.
std::string Zitat(std::string_view text);
// Reads the quoted text starting at text[pos] == '"'; pos then stands behind the closing
// quote. nullopt when the quotes do not close or an escape is malformed.
std::optional<std::string> LiesZitat(std::string_view text, std::size_t& pos);
// The character literal starting at text[pos] == '\'' ('A', '\'', '\\'): its UTF-8 text,
// pos behind it; nullopt when none starts there.
std::optional<std::string> LiesZeichen(std::string_view text, std::size_t& pos);

// Where the comment of a line starts: the first ";" outside quotes (npos when none).
std::size_t KommentarAnfang(std::string_view zeile);

// Blanks and TABs at both ends removed.
std::string_view OhneRand(std::string_view text);

// A number as the text form writes it: decimal, 0x hexadecimal, 0b binary, with an optional
// "-" in front. nullopt when the text is no such number or leaves the signed 64-bit range.
std::optional<long long> LiesZahl(std::string_view text);

// An instruction name a statement may start with, and the instruction it names.
struct Befehlswort {
    std::string name; // as in the instruction table
    int nummer;
};
// The short names and the unambiguous names during execution, longest first.
const std::vector<Befehlswort>& Befehlswoerter();
// When the statement starts with the name (letter case, blank runs and blanks around commas
// aside) and the name ends there at a blank or the end: the length of that start.
std::optional<std::size_t> BeginntMitBefehl(std::string_view anweisung, std::string_view name);
// The number of the instruction a line of text states (after its label, if any); 0 when the
// line states none.
int BefehlInZeile(std::string_view zeile);

} // namespace tovak::textform
