// Program file reader and writer.
#include "files/ProgramFile.h"

#include "files/ProgrammText.h"
#include "machine/Befehle.h"
#include "machine/Fehler.h"
#include "util/Cp1252.h"
#include "util/NumberTexts.h"
#include "util/Paths.h"
#include "util/Platform.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <system_error>

namespace tovak {

namespace fs = std::filesystem;

namespace {

constexpr const char* kUngueltigeZahl = "Ungültige numerische Eingabe";
constexpr const char* kZuVieleBemerkungen = "Die Datei hat mehr als 10000 Bemerkungszeilen und ist "
                                            "kein TOVAK-Programm; sie wurde nicht geladen.";
constexpr std::string_view kBom = "\xEF\xBB\xBF";
constexpr std::size_t kLeseBlock = 64 * 1024;

struct DateiSchliessen {
    void operator()(std::FILE* f) const {
        if (f != nullptr) {
            std::fclose(f);
        }
    }
};
using DateiZeiger = std::unique_ptr<std::FILE, DateiSchliessen>;

bool NurAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

void AppendZahl(std::string& out, long long zahl) {
    char buf[24];
    const auto [ende, ec] = std::to_chars(buf, buf + sizeof buf, zahl);
    out.append(buf, ende);
}

std::string AlsCp1252(std::string_view utf8) {
    return NurAscii(utf8) ? std::string(utf8) : Utf8ToCp1252(utf8);
}

// A file text (Windows-1252, or UTF-8 after a byte order mark) as UTF-8 in memory.
std::string AlsUtf8(std::string_view zeile, bool utf8) {
    if (NurAscii(zeile)) {
        return std::string(zeile);
    }
    // UTF-8 goes through Windows-1252, so what the file cannot hold reads as "?" and
    // malformed sequences cannot reach the memory.
    return utf8 ? Cp1252ToUtf8(Utf8ToCp1252(zeile)) : Cp1252ToUtf8(zeile);
}

// A field must not break its line apart: TAB, CR and LF become blanks.
void AppendFeld(std::string& out, std::string_view utf8) {
    const std::size_t start = out.size();
    if (NurAscii(utf8)) {
        out.append(utf8);
    } else {
        out += Utf8ToCp1252(utf8);
    }
    std::replace_if(
        out.begin() + static_cast<std::ptrdiff_t>(start), out.end(),
        [](char c) { return c == '\t' || c == '\r' || c == '\n'; }, ' ');
}

// The lines a remark line stands for in the file: a line break inside it starts a new one,
// so the count line always matches the lines that follow.
void RemarkZeilen(std::string_view utf8, std::vector<std::string>& zeilen) {
    const std::string text = AlsCp1252(utf8);
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            zeilen.emplace_back(text, start, i - start);
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
            start = i + 1;
        }
    }
    zeilen.emplace_back(text, start);
}

int LiesZahlzeile(ZeilenLeser& leser, std::string& zeile) {
    leser.Lies(zeile); // a missing line reads as empty: 0
    int n = 0;
    if (!ZahlAmZeilenanfang(zeile, n)) {
        throw DateiFehler(kUngueltigeZahl);
    }
    return n;
}

} // namespace

// --- Lines ---------------------------------------------------------------------------------

ZeilenLeser::ZeilenLeser(std::string_view daten) : rest_(daten) {}

ZeilenLeser::ZeilenLeser(std::FILE* datei, std::uintmax_t grenze)
    : datei_(datei), grenze_(grenze) {}

bool ZeilenLeser::Nachladen() {
    if (datei_ == nullptr) {
        return false;
    }
    puffer_.resize(kLeseBlock);
    const std::size_t n = std::fread(puffer_.data(), 1, puffer_.size(), datei_);
    if (n == 0) {
        if (std::ferror(datei_) != 0) {
            throw DateiFehler(DateiFehlerText(errno, false));
        }
        datei_ = nullptr;
        return false;
    }
    // Counted as read, not taken from the file's size: a device or a growing file is
    // stopped as well.
    gelesen_ += n;
    if (gelesen_ > grenze_) {
        throw DateiFehler(kZuGrossText);
    }
    rest_ = std::string_view(puffer_.data(), n);
    return true;
}

bool ZeilenLeser::Lies(std::string& zeile) {
    zeile.clear();
    bool gelesen = false;
    for (;;) {
        if (rest_.empty() && !Nachladen()) {
            return gelesen;
        }
        if (lfUeberspringen_) {
            // The LF of a CR LF whose CR ended the previous line.
            lfUeberspringen_ = false;
            if (rest_.front() == '\n') {
                rest_.remove_prefix(1);
                continue;
            }
        }
        const std::size_t n = rest_.size();
        std::size_t i = 0;
        while (i < n && rest_[i] != '\n' && rest_[i] != '\r') {
            ++i;
        }
        if (zeile.size() < kMaxZeilenLaenge) {
            zeile.append(rest_.data(), std::min(i, kMaxZeilenLaenge - zeile.size()));
        }
        if (i < n) {
            lfUeberspringen_ = rest_[i] == '\r';
            rest_.remove_prefix(i + 1);
            return true;
        }
        gelesen = gelesen || i > 0;
        rest_ = {};
    }
}

bool ZahlAmZeilenanfang(std::string_view zeile, int& n) {
    std::size_t i = 0;
    while (i < zeile.size() && (zeile[i] == ' ' || zeile[i] == '\t')) {
        ++i;
    }
    if (i == zeile.size()) {
        n = 0;
        return true;
    }
    bool negativ = false;
    if (zeile[i] == '+' || zeile[i] == '-') {
        negativ = zeile[i] == '-';
        ++i;
    }
    const std::size_t ziffern = i;
    std::int64_t wert = 0;
    while (i < zeile.size() && zeile[i] >= '0' && zeile[i] <= '9') {
        wert = wert * 10 + (zeile[i] - '0');
        if (wert > 2147483648LL) {
            return false;
        }
        ++i;
    }
    if (i == ziffern) {
        return false;
    }
    wert = negativ ? -wert : wert;
    if (wert > INT32_MAX) {
        return false;
    }
    n = static_cast<int>(wert);
    return true;
}

// --- Sections ------------------------------------------------------------------------------

void SpeicherWriteToFile(std::string& out, const TRAM& speicher) {
    // Negative values count as empty.
    int letzte = TRAM::kZellen - 1;
    while (letzte >= 0 && speicher.GetValue(letzte) <= 0) {
        --letzte;
    }
    AppendZahl(out, letzte + 1);
    out += " Anzahl RAM\r\n";
    for (int a = 0; a <= letzte; ++a) {
        const int wert = speicher.GetValue(a);
        AppendZahl(out, a + 1);
        out += '\t';
        AppendZahl(out, wert);
        out += '\t';
        if (speicher.IstBefehl(a)) {
            AppendFeld(out, Befehlsname(wert));
        }
        out += "\r\n";
    }
}

void RegisterWriteToFile(std::string& out, const TReg& reg) {
    int letztes = TReg::kRegisterZahl - 1;
    while (letztes >= 0 && reg.GetValue(letztes) == 0) {
        --letztes;
    }
    // Without a non-zero register the count line reads -1, not 0.
    AppendZahl(out, letztes >= 0 ? letztes + 1 : -1);
    out += " Anzahl Register\r\n";
    for (int i = 0; i <= letztes; ++i) {
        AppendZahl(out, i + 1);
        out += '\t';
        AppendZahl(out, reg.GetValue(i));
        out += '\t';
        AppendFeld(out, reg.GetName(i));
        out += "\r\n";
    }
}

void SpeicherReadFromFile(ZeilenLeser& leser, TRAM& speicher) {
    std::string zeile;
    const int m = LiesZahlzeile(leser, zeile);
    // Checked before anything changes: the count never decides an allocation or a loop
    // beyond the memory.
    if (m > TRAM::kZellen) {
        throw Bereichsfehler();
    }
    speicher.SetCount(TRAM::kMaxCount);
    speicher.Clear();
    int feld1 = 0;
    int wert = 0;
    std::string feld3;
    std::string feld4;
    for (int a = 0; a < m; ++a) {
        leser.Lies(zeile); // a missing line is a data cell with -1
        SplitTabLine(zeile, feld1, wert, feld3, feld4);
        speicher.LoadCell(a, wert, wert, !feld3.empty());
    }
    speicher.FillGrid();
}

void RegisterReadFromFile(ZeilenLeser& leser, TReg& reg, bool utf8) {
    std::string zeile;
    const int k = LiesZahlzeile(leser, zeile);
    if (k > TReg::kRegisterZahl) {
        throw Bereichsfehler();
    }
    reg.SetCount(TReg::kMaxCount);
    int feld1 = 0;
    int wert = 0;
    std::string feld3;
    std::string feld4;
    for (int i = 0; i < k; ++i) {
        leser.Lies(zeile); // a missing line has no value: range error
        SplitTabLine(zeile, feld1, wert, feld3, feld4);
        reg.SetValue(i, wert);
        reg.SetName(i, AlsUtf8(feld3, utf8));
    }
    reg.FillGrid();
}

// --- Whole file ----------------------------------------------------------------------------

std::string ProgrammText(const std::vector<std::string>& remarkLines, const TRAM& speicher,
                         const TReg& reg) {
    std::vector<std::string> remarks;
    remarks.reserve(remarkLines.size());
    for (const std::string& zeile : remarkLines) {
        RemarkZeilen(zeile, remarks);
    }
    std::string out;
    out.reserve(256 + static_cast<std::size_t>(TRAM::kZellen) * 32);
    out += "5  Version\r\n";
    AppendZahl(out, static_cast<long long>(remarks.size()));
    out += "\r\n";
    for (const std::string& zeile : remarks) {
        out += zeile;
        out += "\r\n";
    }
    SpeicherWriteToFile(out, speicher);
    RegisterWriteToFile(out, reg);
    return out;
}

LeseErgebnis LeseProgramm(ZeilenLeser& leser, std::vector<std::string>& remarkLines, TRAM& speicher,
                          TReg& reg) {
    std::string zeile;
    leser.Lies(zeile);
    // A file saved as UTF-8 with a byte order mark is read as UTF-8.
    const bool utf8 = zeile.starts_with(kBom);
    if (utf8) {
        zeile.erase(0, kBom.size());
    }
    int version = 0;
    if (!ZahlAmZeilenanfang(zeile, version)) {
        throw DateiFehler(kUngueltigeZahl);
    }
    if (version < 5) {
        return LeseErgebnis::VersionZuAlt;
    }
    remarkLines.clear();
    const int n = LiesZahlzeile(leser, zeile);
    // Lines missing at the end of the file are not made up, so a huge count costs nothing.
    for (int i = 0; i < n && leser.Lies(zeile); ++i) {
        if (i == kMaxBemerkungszeilen) {
            // Each line becomes a paragraph of the remarks window, hundreds of bytes each.
            throw DateiFehler(kZuVieleBemerkungen);
        }
        remarkLines.push_back(AlsUtf8(zeile, utf8));
    }
    SpeicherReadFromFile(leser, speicher);
    RegisterReadFromFile(leser, reg, utf8);
    return LeseErgebnis::Geladen;
}

LeseErgebnis LeseProgrammText(std::string_view daten, std::vector<std::string>& remarkLines,
                              TRAM& speicher, TReg& reg) {
    ZeilenLeser leser(daten);
    return LeseProgramm(leser, remarkLines, speicher, reg);
}

// --- Files ---------------------------------------------------------------------------------

void WriteDatei(const std::string& fileName, const std::vector<std::string>& remarkLines,
                const TRAM& speicher, const TReg& reg, const std::string& kopieVorOrtSchreiben) {
    DateiErsetzen(fileName, ProgrammText(remarkLines, speicher, reg), kopieVorOrtSchreiben);
}

LeseErgebnis ReadDatei(const std::string& fileName, std::vector<std::string>& remarkLines,
                       TRAM& speicher, TReg& reg) {
    DateiZeiger datei(platform::Fopen(PathFromUtf8(fileName), "rb"));
    if (!datei) {
        throw DateiFehler(DateiFehlerText(errno, false));
    }
    // Refused before anything is read; a smaller size proves nothing about what follows.
    std::error_code ec;
    const std::uintmax_t groesse = fs::file_size(PathFromUtf8(fileName), ec);
    if (!ec && groesse > kMaxDateigroesse) {
        throw DateiFehler(kZuGrossText);
    }
    ZeilenLeser leser(datei.get(), kMaxDateigroesse);
    return LeseProgramm(leser, remarkLines, speicher, reg);
}

} // namespace tovak
