#include "aufgaben/Aufgabe.h"

#include "files/TextDatei.h"
#include "machine/RAM.h"
#include "machine/Reg.h"

#include <toml++/toml.h>

#include <algorithm>
#include <charconv>

namespace tovak {

namespace {

[[noreturn]] void Refuse(const toml::source_region& wo, const std::string& meldung) {
    if (wo.begin.line > 0) {
        throw AufgabenFehler("Zeile " + std::to_string(wo.begin.line) + ": " + meldung);
    }
    throw AufgabenFehler(meldung);
}

std::string Quoted(std::string_view name) {
    return "\"" + std::string(name) + "\"";
}

std::int64_t Integer(const toml::node& node, std::string_view name, std::int64_t kleinster,
                     std::int64_t groesster) {
    const auto* zahl = node.as_integer();
    if (zahl == nullptr) {
        Refuse(node.source(), Quoted(name) + " muss eine ganze Zahl sein");
    }
    const std::int64_t wert = zahl->get();
    if (wert < kleinster || wert > groesster) {
        Refuse(node.source(), Quoted(name) + " muss zwischen " + std::to_string(kleinster) +
                                  " und " + std::to_string(groesster) + " liegen, nicht " +
                                  std::to_string(wert));
    }
    return wert;
}

std::string Text(const toml::node& node, std::string_view name) {
    const auto* text = node.as_string();
    if (text == nullptr) {
        Refuse(node.source(), Quoted(name) + " muss ein Text in Anführungszeichen sein");
    }
    return text->get();
}

std::vector<int> Values(const toml::node& node, std::string_view name) {
    const auto* liste = node.as_array();
    if (liste == nullptr) {
        Refuse(node.source(), Quoted(name) + " muss eine Liste von Zahlen sein, etwa [5, 7]");
    }
    std::vector<int> werte;
    for (const toml::node& element : *liste) {
        werte.push_back(static_cast<int>(Integer(element, name, 0, 65535)));
    }
    return werte;
}

bool Flag(const toml::node& node, std::string_view name) {
    if (const auto* b = node.as_boolean()) {
        return b->get();
    }
    if (const auto* zahl = node.as_integer();
        zahl != nullptr && (zahl->get() == 0 || zahl->get() == 1)) {
        return zahl->get() == 1;
    }
    Refuse(node.source(), Quoted(name) + " muss true, false, 0 oder 1 sein");
}

// "register = { 1 = 5050 }": the keys are numbers.
std::map<int, int> Cells(const toml::node& node, std::string_view name, int anzahl) {
    const auto* tabelle = node.as_table();
    if (tabelle == nullptr) {
        Refuse(node.source(), Quoted(name) + " muss eine Tabelle sein, etwa { 1 = 5050 }");
    }
    std::map<int, int> werte;
    for (const auto& [key, wert] : *tabelle) {
        const std::string_view k = key.str();
        int nummer = -1;
        const auto [ende, ec] = std::from_chars(k.data(), k.data() + k.size(), nummer);
        if (ec != std::errc() || ende != k.data() + k.size() || nummer < 0 || nummer >= anzahl) {
            Refuse(key.source(), "In " + Quoted(name) + " ist " + Quoted(k) +
                                     " keine Nummer von 0 bis " + std::to_string(anzahl - 1));
        }
        werte[nummer] =
            static_cast<int>(Integer(wert, std::string(name) + "." + std::string(k), 0, 65535));
    }
    return werte;
}

AufgabenTest ReadTest(const toml::node& node, int nummer) {
    const auto* tabelle = node.as_table();
    if (tabelle == nullptr) {
        Refuse(node.source(), "Jeder Test steht in einem Abschnitt [[test]]");
    }
    AufgabenTest test;
    test.name = "Test " + std::to_string(nummer);
    bool ausgabeGesehen = false;
    for (const auto& [key, wert] : *tabelle) {
        const std::string_view k = key.str();
        if (k == "name") {
            test.name = Text(wert, k);
        } else if (k == "eingabe") {
            test.eingabe = Values(wert, k);
        } else if (k == "ausgabe") {
            test.ausgabe = Values(wert, k);
            ausgabeGesehen = true;
        } else if (k == "register") {
            test.register_ = Cells(wert, k, TReg::kRegisterZahl);
        } else if (k == "speicher") {
            test.speicher = Cells(wert, k, TRAM::kZellen);
        } else if (k == "akku") {
            test.akku = static_cast<int>(Integer(wert, k, 0, 65535));
        } else if (k == "z" || k == "c" || k == "p" || k == "s") {
            std::optional<bool>& flag = k == "z"   ? test.z
                                        : k == "c" ? test.c
                                        : k == "p" ? test.p
                                                   : test.s;
            flag = Flag(wert, k);
        } else if (k == "interrupts") {
            const auto* liste = wert.as_array();
            if (liste == nullptr) {
                Refuse(wert.source(),
                       "\"interrupts\" muss eine Liste von Mikroschritten sein, etwa [40]");
            }
            for (const toml::node& element : *liste) {
                test.interrupts.push_back(
                    static_cast<std::uint64_t>(Integer(element, k, 1, INT64_MAX)));
            }
        } else {
            Refuse(key.source(), "Unbekannter Schlüssel " + Quoted(k) + " im Test");
        }
    }
    if (!ausgabeGesehen) {
        Refuse(node.source(), "Dem Test " + Quoted(test.name) + " fehlt \"ausgabe\"");
    }
    std::sort(test.interrupts.begin(), test.interrupts.end());
    test.interrupts.erase(std::unique(test.interrupts.begin(), test.interrupts.end()),
                          test.interrupts.end());
    return test;
}

} // namespace

Aufgabe AufgabeLesen(std::string_view text) {
    toml::table datei;
    try {
        datei = toml::parse(text);
    } catch (const toml::parse_error& e) {
        Refuse(e.source(), "Kein gültiges TOML: " + std::string(e.description()));
    }
    Aufgabe aufgabe;
    for (const auto& [key, wert] : datei) {
        const std::string_view k = key.str();
        if (k == "titel") {
            aufgabe.titel = Text(wert, k);
        } else if (k == "text") {
            aufgabe.text = Text(wert, k);
        } else if (k == "max_takte") {
            aufgabe.maxTakte = static_cast<std::uint64_t>(Integer(wert, k, 1, INT64_MAX));
        } else if (k == "test") {
            const auto* liste = wert.as_array();
            if (liste == nullptr) {
                Refuse(wert.source(), "Jeder Test steht in einem Abschnitt [[test]]");
            }
            for (const toml::node& element : *liste) {
                aufgabe.tests.push_back(
                    ReadTest(element, static_cast<int>(aufgabe.tests.size()) + 1));
            }
        } else {
            Refuse(key.source(), "Unbekannter Schlüssel " + Quoted(k));
        }
    }
    if (aufgabe.tests.empty()) {
        throw AufgabenFehler("Die Aufgabe enthält keinen Test ([[test]])");
    }
    return aufgabe;
}

Aufgabe AufgabeLaden(const std::string& datei) {
    return AufgabeLesen(TextAlsUtf8(DateiLesen(datei)));
}

} // namespace tovak
