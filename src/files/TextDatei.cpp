#include "files/TextDatei.h"

#include "files/ProgrammText.h"
#include "files/Programminhalt.h"
#include "files/TextSyntax.h"
#include "machine/Befehle.h"
#include "util/Cp1252.h"
#include "util/Paths.h"
#include "util/Platform.h"

#include <cerrno>
#include <cstdio>
#include <memory>

namespace tovak {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

std::string FehlerListe(const std::vector<TextFehler>& fehler) {
    std::string text;
    for (const TextFehler& f : fehler) {
        if (!text.empty()) {
            text += '\n';
        }
        text += f.Text();
    }
    return text;
}

bool EndetMitCpu(std::string_view name) {
    if (name.size() < 4) {
        return false;
    }
    std::string endung(name.substr(name.size() - 4));
    for (char& c : endung) {
        c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c);
    }
    return endung == ".CPU";
}

} // namespace

ProgrammtextFehler::ProgrammtextFehler(std::vector<TextFehler> fehler)
    : DateiFehler(FehlerListe(fehler)), fehler_(std::move(fehler)) {}

std::string TextAlsUtf8(std::string_view bytes) {
    if (bytes.starts_with(kBom)) {
        bytes.remove_prefix(kBom.size());
    }
    return textform::IstUtf8(bytes) ? std::string(bytes) : Cp1252ToUtf8(bytes);
}

std::string TextMitCrLf(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r') {
            out += "\r\n";
            if (i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
        } else if (c == '\n') {
            out += "\r\n";
        } else {
            out += c;
        }
    }
    return out;
}

bool IstProgrammtext(std::string_view bytes, std::string_view dateiname) {
    if (bytes.starts_with(kBom)) {
        bytes.remove_prefix(kBom.size());
    }
    const std::string_view erste = textform::OhneRand(bytes.substr(0, bytes.find_first_of("\r\n")));
    if (erste.empty()) {
        return !EndetMitCpu(dateiname);
    }
    std::size_t i = erste.front() == '+' || erste.front() == '-' ? 1 : 0;
    return !(i < erste.size() && erste[i] >= '0' && erste[i] <= '9');
}

std::string DateiLesen(const std::string& fileName) {
    struct Schliessen {
        void operator()(std::FILE* f) const { std::fclose(f); }
    };
    std::unique_ptr<std::FILE, Schliessen> datei(platform::Fopen(PathFromUtf8(fileName), "rb"));
    if (!datei) {
        throw DateiFehler(DateiFehlerText(errno, false));
    }
    std::string bytes;
    char block[64 * 1024];
    for (;;) {
        const std::size_t n = std::fread(block, 1, sizeof block, datei.get());
        if (n == 0) {
            if (std::ferror(datei.get()) != 0) {
                throw DateiFehler(DateiFehlerText(errno, false));
            }
            return bytes;
        }
        // As for program files; the text of a full memory takes a few hundred kilobytes.
        if (bytes.size() + n > kMaxDateigroesse) {
            throw DateiFehler(kZuGrossText);
        }
        bytes.append(block, n);
    }
}

void ProgrammtextSchreiben(const std::string& fileName, std::string_view text) {
    DateiErsetzen(fileName, TextMitCrLf(text));
}

void ProgrammtextLaden(std::string_view bytes, std::vector<std::string>& remarkLines,
                       TRAM& speicher, TReg& reg) {
    Uebersetzung u = Assembliere(TextAlsUtf8(bytes));
    if (!u.Ok()) {
        throw ProgrammtextFehler(std::move(u.fehler));
    }
    InhaltInSpeicher(u.inhalt, speicher, reg);
    remarkLines = std::move(u.inhalt.bemerkung);
}

Programminhalt CpuDateiInhalt(std::string_view bytes) {
    BefehlstabellenFuellen();
    TRAM speicher(TRAM::kMaxCount, nullptr);
    TReg reg(TReg::kMaxCount, nullptr);
    std::vector<std::string> remarks;
    if (LeseProgrammText(bytes, remarks, speicher, reg) == LeseErgebnis::VersionZuAlt) {
        throw DateiFehler("Die Datei hat ein veraltetes Format (Version kleiner als 5)");
    }
    return InhaltAusSpeicher(remarks, speicher, reg);
}

LeseErgebnis ProgrammLaden(const std::string& fileName, std::vector<std::string>& remarkLines,
                           TRAM& speicher, TReg& reg) {
    const std::string bytes = DateiLesen(fileName);
    if (IstProgrammtext(bytes, fileName)) {
        ProgrammtextLaden(bytes, remarkLines, speicher, reg);
        return LeseErgebnis::Geladen;
    }
    return LeseProgrammText(bytes, remarkLines, speicher, reg);
}

} // namespace tovak
