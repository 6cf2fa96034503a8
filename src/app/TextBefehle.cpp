#include "app/TextBefehle.h"

#include "files/Disassembler.h"
#include "files/ProgramFile.h"
#include "files/Programminhalt.h"
#include "files/TextDatei.h"
#include "machine/Befehle.h"

#include <exception>

namespace tovak {

namespace {

// Memory and registers without anything to show them.
struct Stores {
    Stores() { BefehlstabellenFuellen(); }
    TRAM speicher{TRAM::kMaxCount, nullptr};
    TReg reg{TReg::kMaxCount, nullptr};
    std::vector<std::string> remarks;
};

// Loads the file into the stores; false after the failure was reported.
bool Laden(const std::string& datei, Stores& s, std::FILE* err) {
    try {
        if (ProgrammLaden(datei, s.remarks, s.speicher, s.reg) == LeseErgebnis::VersionZuAlt) {
            std::fprintf(err,
                         "Fehler: %s: Die Datei hat eine Version unter 5 und wurde nicht geladen\n",
                         datei.c_str());
            return false;
        }
    } catch (const std::exception& e) {
        LadefehlerMelden(datei, e, err);
        return false;
    }
    return true;
}

} // namespace

std::string TextOptionenPruefen(bool run, const std::string& assemble,
                                const std::string& disassemble, const std::string& ausgabe) {
    const int befehle = (run ? 1 : 0) + (assemble.empty() ? 0 : 1) + (disassemble.empty() ? 0 : 1);
    if (befehle > 1) {
        return "Nur eine der Optionen --run, --assemble und --disassemble ist erlaubt";
    }
    if (!assemble.empty() && ausgabe.empty()) {
        return "Die Option --assemble verlangt die Zieldatei: -o DATEI.CPU";
    }
    if (assemble.empty() && !ausgabe.empty()) {
        return "Die Option -o gehört zu --assemble";
    }
    if (befehle == 0) {
        return "Keine Programmdatei angegeben (tovak --run DATEI.CPU)";
    }
    return {};
}

void LadefehlerMelden(const std::string& datei, const std::exception& e, std::FILE* err) {
    if (const auto* text = dynamic_cast<const ProgrammtextFehler*>(&e)) {
        for (const TextFehler& f : text->Fehler()) {
            std::fprintf(err, "%s\n", f.Text().c_str());
        }
        return;
    }
    std::fprintf(err, "Fehler: %s: %s\n", datei.c_str(), e.what());
}

int TextAssemblieren(const std::string& text, const std::string& ziel, std::FILE* err) {
    Stores s;
    if (!Laden(text, s, err)) {
        return 2;
    }
    try {
        WriteDatei(ziel, s.remarks, s.speicher, s.reg);
    } catch (const std::exception& e) {
        std::fprintf(err, "Fehler: %s: %s\n", ziel.c_str(), e.what());
        return 2;
    }
    return 0;
}

int TextDisassemblieren(const std::string& datei, std::FILE* out, std::FILE* err) {
    Stores s;
    if (!Laden(datei, s, err)) {
        return 2;
    }
    const std::string text = Disassembliere(InhaltAusSpeicher(s.remarks, s.speicher, s.reg));
    std::fwrite(text.data(), 1, text.size(), out);
    return 0;
}

} // namespace tovak
