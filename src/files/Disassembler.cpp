#include "files/Disassembler.h"

#include "files/TextSyntax.h"
#include "machine/Befehle.h"
#include "machine/Steuerwerk.h"

#include <map>
#include <set>
#include <vector>

namespace tovak {

namespace {

using namespace textform;

constexpr int kLetzteZelle = TRAM::kZellen - 1;
// Runs of at least this many empty cells become ".ORG"; shorter ones are written as 0.
constexpr int kOrgAb = 4;
constexpr std::size_t kWerteJeZeile = 8;
constexpr const char* kEinzug = "    ";

enum class Art : std::uint8_t { Leer, Daten, Befehl, Operand, Roh };

bool OperandPasst(OperandArt art, int wert) {
    switch (art) {
    case OperandArt::Register:
        return wert >= 0 && wert <= kMaxRegister;
    case OperandArt::Adresse:
        return wert >= 0 && wert <= kMaxBefehlsadresse;
    case OperandArt::Anzahl:
        return wert >= kMinAnzahl && wert <= kMaxAnzahl;
    default:
        return wert >= 0 && wert <= kMaxKonstante;
    }
}

// A remark that reads back unchanged without quotes: no blanks at its ends, no characters
// that cannot stand in a line, and not a quoted text alone (which would lose its quotes).
bool OhneZitatLesbar(std::string_view text) {
    if (text.empty()) {
        return true;
    }
    if (text.front() == ' ' || text.back() == ' ') {
        return false;
    }
    for (char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7F) {
            return false;
        }
    }
    std::size_t pos = 0;
    if (text.front() == '"' && LiesZitat(text, pos)) {
        const std::string_view danach = OhneRand(text.substr(pos));
        return !danach.empty() && danach.front() != ';';
    }
    return true;
}

// A register name without quotes also keeps its blanks single and stays clear of what
// ends, comments or quotes it.
bool NameOhneZitatLesbar(std::string_view name) {
    return OhneZitatLesbar(name) && name.find("  ") == std::string_view::npos &&
           name.find_first_of("=;'\"") == std::string_view::npos;
}

std::string MarkenName(int adresse) {
    return "M" + std::to_string(adresse);
}

class Schreiber {
public:
    explicit Schreiber(const Programminhalt& inhalt, std::vector<ListenEintrag>* liste = nullptr)
        : inhalt_(inhalt), liste_(liste) {}
    std::string Schreiben();

private:
    const Programminhalt::Zelle& Zelle(int a) const {
        return inhalt_.zellen[static_cast<std::size_t>(a)];
    }
    void Kopf();
    void Einteilen(int letzte);
    void Ziele();
    void Zellen();
    void Zeile(const std::string& text) {
        out_ += text;
        out_ += '\n';
    }
    // A line that writes cells from address a; the listing notes it with the label before it.
    void Zellenzeile(int a, const std::string& text) {
        Zeile(text);
        if (liste_ != nullptr) {
            liste_->push_back({a, std::move(marke_), text.substr(text.find_first_not_of(' '))});
            marke_.clear();
        }
    }
    void Absatz() {
        if (!out_.empty() && !out_.ends_with("\n\n")) {
            out_ += '\n';
        }
    }
    std::string Befehlszeile(int a) const;
    // Writes ".DATEN" from a; returns the address behind the last value written.
    int Daten(int a);

    const Programminhalt& inhalt_;
    std::vector<ListenEintrag>* liste_;
    std::string marke_; // the label of the next cell line
    std::string out_;
    std::array<Art, TRAM::kZellen> art_{};
    std::set<int> marken_;
    int ende_ = -1;        // the last cell the text writes
    int endMarke_ = -1;    // a target behind all cells: a label at the end of the text
    bool nachOrg_ = false; // a label right after ".ORG" needs no blank line
    std::map<int, std::string> registerNamen_; // register number -> name usable as operand
};

std::string Schreiber::Schreiben() {
    Kopf();
    int letzte = kLetzteZelle;
    while (letzte >= 0 && Zelle(letzte).Leer()) {
        --letzte;
    }
    Einteilen(letzte);
    Ziele();
    Zellen();
    return out_;
}

void Schreiber::Kopf() {
    for (const std::string& zeile : inhalt_.bemerkung) {
        if (zeile.empty()) {
            Zeile(".BEMERKUNG");
        } else {
            Zeile(".BEMERKUNG " + (OhneZitatLesbar(zeile) ? zeile : Zitat(zeile)));
        }
    }
    Absatz();
    std::map<std::string, int> haeufigkeit;
    for (const Programminhalt::Register& r : inhalt_.register_) {
        if (IstName(r.name)) {
            ++haeufigkeit[NamensSchluessel(r.name)];
        }
    }
    for (int i = 0; i < TReg::kRegisterZahl; ++i) {
        const Programminhalt::Register& r = inhalt_.register_[static_cast<std::size_t>(i)];
        if (r.wert == 0 && r.name.empty()) {
            continue;
        }
        std::string zeile = ".REGISTER " + std::to_string(i);
        if (!r.name.empty()) {
            zeile += " " + (NameOhneZitatLesbar(r.name) ? r.name : Zitat(r.name));
        }
        if (r.wert != 0) {
            zeile += " = " + std::to_string(r.wert);
        }
        Zeile(zeile);
        if (IstName(r.name) && haeufigkeit[NamensSchluessel(r.name)] == 1) {
            registerNamen_[i] = r.name;
        }
    }
    Absatz();
}

// Which cells are instructions, their operands, raw instruction cells, data or empty.
void Schreiber::Einteilen(int letzte) {
    int a = 0;
    while (a <= letzte) {
        const Programminhalt::Zelle& z = Zelle(a);
        if (!z.befehl) {
            art_[static_cast<std::size_t>(a++)] = z.Leer() ? Art::Leer : Art::Daten;
            continue;
        }
        const int laenge = BefehlsLaenge(z.wert);
        const bool passt =
            laenge > 0 && a <= kMaxBefehlsadresse &&
            (laenge == 1 ||
             (!Zelle(a + 1).befehl && OperandPasst(OperandArtVon(z.wert), Zelle(a + 1).wert)));
        if (!passt) {
            art_[static_cast<std::size_t>(a++)] = Art::Roh;
            continue;
        }
        art_[static_cast<std::size_t>(a)] = Art::Befehl;
        if (laenge == 2) {
            art_[static_cast<std::size_t>(a + 1)] = Art::Operand;
        }
        a += laenge;
    }
    ende_ = a - 1;
}

// Labels for the jump and Go Sub targets. An empty cell that is a target is written as 0,
// so the label has a cell to stand at; only the last target behind all cells can do without
// one, as a label at the end of the text.
void Schreiber::Ziele() {
    std::set<int> dahinter;
    for (int a = 0; a <= ende_; ++a) {
        if (art_[static_cast<std::size_t>(a)] != Art::Befehl ||
            OperandArtVon(Zelle(a).wert) != OperandArt::Adresse) {
            continue;
        }
        const int ziel = Zelle(a + 1).wert;
        Art& art = art_[static_cast<std::size_t>(ziel)];
        if (art == Art::Operand) {
            continue; // inside an instruction: stays a number
        }
        marken_.insert(ziel);
        if (ziel > ende_) {
            dahinter.insert(ziel);
        } else if (art == Art::Leer) {
            art = Art::Daten;
        }
    }
    if (dahinter.empty()) {
        return;
    }
    endMarke_ = *dahinter.rbegin();
    dahinter.erase(endMarke_);
    for (int ziel : dahinter) {
        art_[static_cast<std::size_t>(ziel)] = Art::Daten;
        ende_ = ziel;
    }
}

std::string Schreiber::Befehlszeile(int a) const {
    const int befehl = Zelle(a).wert;
    std::string zeile = kEinzug + Befehlsname(befehl);
    if (BefehlsLaenge(befehl) == 1) {
        return zeile;
    }
    const int operand = Zelle(a + 1).wert;
    const OperandArt art = OperandArtVon(befehl);
    if (art == OperandArt::Register && registerNamen_.contains(operand)) {
        return zeile + " " + registerNamen_.at(operand);
    }
    if (art == OperandArt::Adresse && marken_.contains(operand)) {
        return zeile + " " + MarkenName(operand);
    }
    return zeile + " " + std::to_string(operand);
}

int Schreiber::Daten(int a) {
    std::string zeile = std::string(kEinzug) + ".DATEN ";
    std::size_t werte = 0;
    int b = a;
    while (b <= ende_ && werte < kWerteJeZeile && (b == a || !marken_.contains(b))) {
        const Art art = art_[static_cast<std::size_t>(b)];
        if (art == Art::Leer) {
            int lauf = b;
            while (lauf <= ende_ && art_[static_cast<std::size_t>(lauf)] == Art::Leer) {
                ++lauf;
            }
            if (lauf - b >= kOrgAb && b != a) {
                break;
            }
        } else if (art != Art::Daten) {
            break;
        }
        zeile += (werte++ == 0 ? "" : ", ") + std::to_string(Zelle(b).wert);
        ++b;
    }
    Zellenzeile(a, zeile);
    return b;
}

void Schreiber::Zellen() {
    int a = 0;
    while (a <= ende_) {
        if (marken_.contains(a)) {
            if (!out_.ends_with(":\n") && !nachOrg_) {
                Absatz();
            }
            Zeile(MarkenName(a) + ":");
            marke_ = MarkenName(a);
        }
        nachOrg_ = false;
        switch (art_[static_cast<std::size_t>(a)]) {
        case Art::Befehl:
            Zellenzeile(a, Befehlszeile(a));
            a += BefehlsLaenge(Zelle(a).wert);
            break;
        case Art::Roh: {
            const std::string& name = Befehlsname(Zelle(a).wert);
            Zellenzeile(a, kEinzug + std::string(".BEFEHLSZELLE ") + std::to_string(Zelle(a).wert) +
                               (name.empty() ? "" : "  ; " + name));
            ++a;
            break;
        }
        case Art::Leer: {
            int b = a;
            while (b <= ende_ && art_[static_cast<std::size_t>(b)] == Art::Leer) {
                ++b;
            }
            if (b - a < kOrgAb) {
                a = Daten(a);
                break;
            }
            Absatz();
            Zeile(".ORG " + std::to_string(b) +
                  (b == TSteuerwerk::kISRAdresse ? "  ; Interrupt-Service-Routine" : ""));
            nachOrg_ = true;
            a = b;
            break;
        }
        default:
            a = Daten(a);
            break;
        }
    }
    if (endMarke_ >= 0) {
        Absatz();
        if (endMarke_ != a) {
            Zeile(".ORG " + std::to_string(endMarke_));
        }
        Zeile(MarkenName(endMarke_) + ":  ; hinter dem Programm");
    }
}

} // namespace

std::string Disassembliere(const Programminhalt& inhalt) {
    return Schreiber(inhalt).Schreiben();
}

std::vector<ListenEintrag> Programmliste(const Programminhalt& inhalt) {
    std::vector<ListenEintrag> liste;
    Schreiber(inhalt, &liste).Schreiben();
    return liste;
}

} // namespace tovak
