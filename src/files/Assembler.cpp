#include "files/Assembler.h"

#include "files/AssemblerLeser.h"

#include "files/ProgramFile.h"
#include "files/TextSyntax.h"
#include "machine/Befehle.h"
#include "util/Cp1252.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <map>
#include <optional>

namespace tovak {

std::string TextFehler::Text() const {
    return "Zeile " + std::to_string(zeile) + ": " + meldung;
}

namespace assembler {

Wertart WertartVon(OperandArt art) {
    switch (art) {
    case OperandArt::Register:
        return Wertart::Register;
    case OperandArt::Adresse:
        return Wertart::Adresse;
    case OperandArt::Anzahl:
        return Wertart::Anzahl;
    default:
        return Wertart::Konstante;
    }
}

std::string Gequotet(std::string_view text) {
    return "„" + std::string(text) + "“";
}

} // namespace assembler

namespace {

using namespace assembler;

std::string OperandBeschreibung(OperandArt art) {
    switch (art) {
    case OperandArt::Register:
        return "eine Registernummer von 0 bis 127 oder einen Registernamen";
    case OperandArt::Adresse:
        return "eine Adresse von 0 bis 3999 oder eine Marke";
    case OperandArt::Anzahl:
        return "eine Anzahl von 1 bis 16";
    default:
        return "eine Konstante von 0 bis 65535";
    }
}

bool IstBlank(char c) {
    return c == ' ' || c == '\t';
}

// Blank runs inside a name become one blank.
std::string EinBlank(std::string_view text) {
    std::string out;
    bool blank = false;
    for (char c : text) {
        if (IstBlank(c)) {
            blank = true;
            continue;
        }
        if (blank && !out.empty()) {
            out += ' ';
        }
        blank = false;
        out += c;
    }
    return out;
}

// The token at the front of text (a character literal, or everything up to a blank or a
// comma); text keeps what follows it.
std::string_view NaechstesWort(std::string_view& text) {
    std::size_t ende = 0;
    if (!text.empty() && text.front() == '\'' && LiesZeichen(text, ende)) {
        // ende stands behind the literal
    } else {
        while (ende < text.size() && !IstBlank(text[ende]) && text[ende] != ',') {
            ++ende;
        }
    }
    const std::string_view wort = text.substr(0, ende);
    text.remove_prefix(ende);
    return wort;
}

} // namespace

namespace assembler {

Uebersetzung Leser::Lesen(std::string_view text) {
    while (!text.empty() || zeile_ == 0) {
        std::size_t ende = text.find_first_of("\r\n");
        const std::string_view zeile = text.substr(0, ende);
        if (ende == std::string_view::npos) {
            text = {};
        } else {
            const bool crlf =
                text[ende] == '\r' && ende + 1 < text.size() && text[ende + 1] == '\n';
            text.remove_prefix(ende + (crlf ? 2 : 1));
        }
        ++zeile_;
        ZeileLesen(zeile);
    }
    // Labels at the end stand for the address behind the last cell.
    for (const std::string& name : offeneMarken_) {
        marken_[name].adresse = ort_;
    }
    for (const Anweisung& a : anweisungen_) {
        Schreiben(a);
    }
    for (const RegisterAngabe& r : register_) {
        Programminhalt::Register& ziel = u_.inhalt.register_[static_cast<std::size_t>(r.nummer)];
        ziel.name = r.name;
        if (!r.wert.empty()) {
            if (const auto wert = Aufloesen(r.wert, Wertart::Registerwert, r.zeile)) {
                ziel.wert = static_cast<int>(*wert);
            }
        }
    }
    if (!u_.fehler.empty()) {
        std::stable_sort(
            u_.fehler.begin(), u_.fehler.end(),
            [](const TextFehler& a, const TextFehler& b) { return a.zeile < b.zeile; });
        u_.inhalt = {};
        u_.zeileDerZelle = {};
    }
    return std::move(u_);
}

void Leser::ZeileLesen(std::string_view zeile) {
    std::string_view rest = OhneRand(zeile);
    const std::size_t n = NamensLaenge(rest);
    if (n > 0) {
        std::size_t k = n;
        while (k < rest.size() && IstBlank(rest[k])) {
            ++k;
        }
        if (k < rest.size() && rest[k] == ':') {
            MarkeSetzen(rest.substr(0, n));
            rest = OhneRand(rest.substr(k + 1));
        }
    }
    if (rest.empty() || rest.front() == ';') {
        return;
    }
    if (rest.front() == '.') {
        Direktive(rest);
        return;
    }
    Befehl(OhneRand(rest.substr(0, KommentarAnfang(rest))));
}

void Leser::MarkeSetzen(std::string_view name) {
    const std::string schluessel = NamensSchluessel(name);
    const auto [it, neu] = marken_.try_emplace(schluessel, Marke{zeile_, -1});
    if (!neu) {
        Fehler("Die Marke " + Gequotet(name) + " steht schon in Zeile " +
               std::to_string(it->second.zeile));
        return;
    }
    offeneMarken_.push_back(schluessel);
}

void Leser::Direktive(std::string_view rest) {
    std::size_t w = 1;
    while (w < rest.size() && !IstBlank(rest[w]) && rest[w] != ';') {
        ++w;
    }
    std::string wort;
    for (char c : rest.substr(1, w - 1)) {
        wort += static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
    }
    const std::string_view argumente = rest.substr(w);
    if (wort == "bemerkung") {
        Bemerkung(argumente);
        return;
    }
    const std::string_view ohneKommentar =
        OhneRand(argumente.substr(0, KommentarAnfang(argumente)));
    if (wort == "org") {
        Org(ohneKommentar);
    } else if (wort == "daten") {
        Werteliste(ohneKommentar, Anweisung::Art::Daten, ".DATEN");
    } else if (wort == "befehlszelle") {
        Werteliste(ohneKommentar, Anweisung::Art::Befehlszelle, ".BEFEHLSZELLE");
    } else if (wort == "register") {
        Register(ohneKommentar);
    } else {
        Fehler("Unbekannte Anweisung " + Gequotet(rest.substr(0, w)) +
               " (bekannt sind .ORG, .DATEN, .REGISTER, .BEMERKUNG und .BEFEHLSZELLE)");
    }
}

void Leser::Bemerkung(std::string_view rest) {
    if (u_.inhalt.bemerkung.size() == static_cast<std::size_t>(kMaxBemerkungszeilen)) {
        if (!bemerkungenVoll_) {
            Fehler("Mehr als " + std::to_string(kMaxBemerkungszeilen) +
                   " Zeilen .BEMERKUNG hält kein TOVAK-Programm");
        }
        bemerkungenVoll_ = true;
        return;
    }
    // The whole rest of the line is the remark, a ";" included; a text in quotes keeps
    // blanks at its ends and characters that cannot stand in a line.
    std::string_view text = OhneRand(rest);
    if (!text.empty() && text.front() == '"') {
        std::size_t pos = 0;
        if (auto zitat = LiesZitat(text, pos)) {
            const std::string_view danach = OhneRand(text.substr(pos));
            if (danach.empty() || danach.front() == ';') {
                u_.inhalt.bemerkung.push_back(std::move(*zitat));
                return;
            }
        }
    }
    u_.inhalt.bemerkung.emplace_back(text);
}

void Leser::Org(std::string_view rest) {
    const std::optional<long long> adresse = LiesZahl(rest);
    if (!adresse || *adresse < 0 || *adresse > kLetzteZelle) {
        Fehler("Nach .ORG steht eine Adresse von 0 bis 4000 als Zahl" +
               (rest.empty() ? std::string() : ", nicht " + Gequotet(rest)));
        return;
    }
    if (*adresse <= hoechste_) {
        Fehler(".ORG " + std::string(rest) +
               " ginge zurück über Zellen, die schon belegt sind (bis Adresse " +
               std::to_string(hoechste_) + ")");
        return;
    }
    ort_ = static_cast<int>(*adresse);
}

void Leser::Werteliste(std::string_view rest, Anweisung::Art art, const char* direktive) {
    Anweisung a{art, zeile_, 0, 0, {}};
    if (rest.empty()) {
        Fehler(std::string(direktive) + " braucht mindestens einen Wert");
        return;
    }
    for (;;) {
        rest = OhneRand(rest);
        if (rest.empty() || rest.front() == ',') {
            Fehler(std::string("Zwischen zwei Kommas oder am Ende fehlt ein Wert"));
            return;
        }
        a.werte.push_back(NaechstesWort(rest));
        rest = OhneRand(rest);
        if (rest.empty()) {
            break;
        }
        if (rest.front() != ',') {
            Fehler("Vor " + Gequotet(rest) + " fehlt ein Komma");
            return;
        }
        rest.remove_prefix(1);
    }
    if (Platz(static_cast<int>(a.werte.size()), false, a.adresse)) {
        anweisungen_.push_back(std::move(a));
    }
}

void Leser::Register(std::string_view rest) {
    std::size_t ende = 0;
    while (ende < rest.size() && !IstBlank(rest[ende]) && rest[ende] != '=') {
        ++ende;
    }
    const std::optional<long long> nummer = LiesZahl(rest.substr(0, ende));
    if (!nummer || *nummer < 0 || *nummer > kMaxRegister) {
        Fehler("Nach .REGISTER steht die Registernummer (0 bis 127)" +
               (ende == 0 ? std::string() : ", nicht " + Gequotet(rest.substr(0, ende))));
        return;
    }
    rest = OhneRand(rest.substr(ende));
    std::string name;
    if (!rest.empty() && rest.front() == '"') {
        std::size_t pos = 0;
        std::optional<std::string> zitat = LiesZitat(rest, pos);
        if (!zitat) {
            Fehler("Der Name in Anführungszeichen ist nicht abgeschlossen oder enthält ein "
                   "falsches \\-Zeichen");
            return;
        }
        name = std::move(*zitat);
        rest = OhneRand(rest.substr(pos));
        if (!rest.empty() && rest.front() != '=') {
            Fehler("Nach dem Namen steht noch " + Gequotet(rest));
            return;
        }
    } else {
        std::size_t gleich = 0;
        while (gleich < rest.size() && rest[gleich] != '=') {
            std::size_t hinter = gleich;
            gleich = rest[gleich] == '\'' && LiesZeichen(rest, hinter) ? hinter : gleich + 1;
        }
        name = EinBlank(rest.substr(0, std::min(gleich, rest.size())));
        rest = rest.substr(std::min(gleich, rest.size()));
    }
    std::string_view wert;
    if (!rest.empty()) {
        rest.remove_prefix(1); // "="
        const std::optional<std::string_view> w = EinWert(OhneRand(rest));
        if (!w) {
            return;
        }
        wert = *w;
        if (wert.empty()) {
            Fehler("Nach „=“ fehlt der Wert des Registers");
            return;
        }
    }
    const auto n = static_cast<std::size_t>(*nummer);
    if (registerZeile_[n] != 0) {
        Fehler("Register " + std::to_string(n) + " ist schon in Zeile " +
               std::to_string(registerZeile_[n]) + " festgelegt");
        return;
    }
    registerZeile_[n] = zeile_;
    if (IstName(name)) {
        registerNamen_[NamensSchluessel(name)].push_back(static_cast<int>(n));
    }
    register_.push_back({zeile_, static_cast<int>(n), std::move(name), wert});
}

std::optional<std::string_view> Leser::EinWert(std::string_view text) {
    const std::string_view wort = NaechstesWort(text);
    text = OhneRand(text);
    if (!text.empty()) {
        Fehler("Nach " + Gequotet(wort) + " steht noch " + Gequotet(text));
        return std::nullopt;
    }
    return wort;
}

void Leser::Befehl(std::string_view rest) {
    const Befehlswort* gefunden = nullptr;
    std::size_t laenge = 0;
    for (const Befehlswort& wort : Befehlswoerter()) {
        if (const auto l = BeginntMitBefehl(rest, wort.name)) {
            gefunden = &wort;
            laenge = *l;
            break;
        }
    }
    if (gefunden == nullptr) {
        Fehler("Unbekannter Befehl " + Gequotet(rest));
        return;
    }
    const int befehl = gefunden->nummer;
    const int zellen = BefehlsLaenge(befehl);
    const std::string_view operand = OhneRand(rest.substr(laenge));
    const std::string& name = Befehlsname(befehl);
    Anweisung a{Anweisung::Art::Befehl, zeile_, 0, befehl, {}};
    bool gut = true;
    if (zellen == 1 && !operand.empty()) {
        Fehler(Gequotet(name) + " hat keinen Operanden, hier steht aber " + Gequotet(operand));
        gut = false;
    } else if (zellen == 2 && operand.empty()) {
        Fehler(Gequotet(name) + " braucht " + OperandBeschreibung(OperandArtVon(befehl)));
        gut = false;
    } else if (zellen == 2) {
        const std::optional<std::string_view> wert = EinWert(operand);
        gut = wert.has_value();
        if (gut) {
            a.werte.push_back(*wert);
        }
    }
    // The cells are taken also after an error in the operand, so that the addresses behind
    // it and their labels stay right.
    if (Platz(zellen, true, a.adresse) && gut) {
        anweisungen_.push_back(std::move(a));
    }
}

bool Leser::Platz(int anzahl, bool befehl, int& adresse) {
    if (befehl && ort_ > kMaxBefehlsadresse && ort_ <= kLetzteZelle) {
        Fehler("Ein Befehl beginnt bei einer Adresse von 0 bis 3999, nicht bei " +
               std::to_string(ort_));
        return false;
    }
    if (ort_ + anzahl - 1 > kLetzteZelle) {
        if (!voll_) {
            Fehler("Der Speicher endet bei Adresse 4000");
        }
        voll_ = true;
        return false;
    }
    for (const std::string& name : offeneMarken_) {
        marken_[name].adresse = ort_;
    }
    offeneMarken_.clear();
    adresse = ort_;
    ort_ += anzahl;
    hoechste_ = ort_ - 1;
    for (int a = adresse; a < ort_; ++a) {
        u_.zeileDerZelle[static_cast<std::size_t>(a)] = zeile_;
    }
    return true;
}

} // namespace assembler

Uebersetzung Assembliere(std::string_view text) {
    return assembler::Leser().Lesen(text);
}

} // namespace tovak
