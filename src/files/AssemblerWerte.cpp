// The assembler's second pass: operands and values resolved (numbers, characters, labels,
// register names) and the statements written into the program.
#include "files/AssemblerLeser.h"

#include "files/ProgramFile.h"
#include "util/Cp1252.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace tovak::assembler {

std::optional<long long> Leser::Aufloesen(std::string_view wort, Wertart art, int zeile,
                                          int adresse) {
    long long wert = 0;
    const char erstes = wort.empty() ? ' ' : wort.front();
    if (erstes == '\'') {
        std::size_t pos = 0;
        const std::optional<std::string> zeichen = LiesZeichen(wort, pos);
        if (!zeichen || pos != wort.size()) {
            Fehler(zeile, Gequotet(wort) + " ist kein Zeichen in Hochkommas wie 'A'");
            return std::nullopt;
        }
        const std::string code = Utf8ToCp1252(*zeichen);
        if (code.size() != 1 || (code == "?" && *zeichen != "?")) {
            Fehler(zeile, "Das Zeichen " + Gequotet(*zeichen) + " gibt es in Windows-1252 nicht");
            return std::nullopt;
        }
        wert = static_cast<unsigned char>(code.front());
    } else if ((erstes >= '0' && erstes <= '9') || erstes == '-') {
        const std::optional<long long> zahl = LiesZahl(wort);
        if (!zahl) {
            Fehler(zeile, Gequotet(wort) + " ist keine gültige Zahl");
            return std::nullopt;
        }
        wert = *zahl;
    } else if (IstName(wort)) {
        const std::string schluessel = NamensSchluessel(wort);
        const auto reg = registerNamen_.find(schluessel);
        const auto marke = marken_.find(schluessel);
        if (art == Wertart::Register && reg != registerNamen_.end()) {
            if (reg->second.size() > 1) {
                Fehler(zeile, "Den Registernamen " + Gequotet(wort) + " tragen mehrere Register (" +
                                  std::to_string(reg->second[0]) + " und " +
                                  std::to_string(reg->second[1]) + ")");
                return std::nullopt;
            }
            wert = reg->second.front();
        } else if (marke != marken_.end()) {
            wert = marke->second.adresse;
        } else {
            Fehler(zeile, art == Wertart::Register ? "Unbekannter Name " + Gequotet(wort) +
                                                         " (weder ein Registername noch eine Marke)"
                                                   : "Unbekannte Marke " + Gequotet(wort));
            return std::nullopt;
        }
    } else {
        Fehler(zeile, Gequotet(wort) + " ist weder eine Zahl noch ein Zeichen noch ein Name");
        return std::nullopt;
    }

    long long min = 0;
    long long max = kMaxKonstante;
    std::string was = "Die Konstante ";
    switch (art) {
    case Wertart::Konstante:
        break;
    case Wertart::Registerwert:
        was = "Der Registerwert ";
        break;
    case Wertart::Register:
        max = kMaxRegister;
        was = "Die Registernummer ";
        break;
    case Wertart::Adresse:
        max = kMaxBefehlsadresse;
        was = "Die Adresse ";
        break;
    case Wertart::Anzahl:
        min = kMinAnzahl;
        max = kMaxAnzahl;
        was = "Die Anzahl ";
        break;
    case Wertart::Befehlszelle:
        if (adresse < TRAM::kMaxCount) {
            min = 1;
            max = BefehlsTabellenGroesse;
            was = "Die Befehlsnummer ";
            break;
        }
        [[fallthrough]];
    case Wertart::Daten:
        min = std::numeric_limits<std::int32_t>::min();
        max = std::numeric_limits<std::int32_t>::max();
        was = "Der Wert ";
        break;
    }
    if (wert < min || wert > max) {
        std::string darstellung = Gequotet(wort);
        if (std::string(wort) != std::to_string(wert)) {
            darstellung += " (" + std::to_string(wert) + ")";
        }
        Fehler(zeile, was + darstellung + " liegt nicht zwischen " + std::to_string(min) + " und " +
                          std::to_string(max));
        return std::nullopt;
    }
    return wert;
}

void Leser::Schreiben(const Anweisung& a) {
    auto zelle = [this](int adresse) -> Programminhalt::Zelle& {
        return u_.inhalt.zellen[static_cast<std::size_t>(adresse)];
    };
    if (a.art == Anweisung::Art::Befehl) {
        zelle(a.adresse) = {a.befehl, true};
        if (!a.werte.empty()) {
            const auto wert =
                Aufloesen(a.werte.front(), WertartVon(OperandArtVon(a.befehl)), a.zeile);
            if (wert) {
                zelle(a.adresse + 1) = {static_cast<int>(*wert), false};
            }
        }
        return;
    }
    const bool befehl = a.art == Anweisung::Art::Befehlszelle;
    int adresse = a.adresse;
    for (std::string_view wort : a.werte) {
        const auto wert =
            Aufloesen(wort, befehl ? Wertart::Befehlszelle : Wertart::Daten, a.zeile, adresse);
        if (wert) {
            zelle(adresse) = {static_cast<int>(*wert), befehl};
        }
        ++adresse;
    }
}

} // namespace tovak::assembler
