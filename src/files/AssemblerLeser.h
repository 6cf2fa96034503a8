// The assembler's reader, shared by its two passes (Assembler.cpp: statements, addresses,
// labels and register names; AssemblerWerte.cpp: operands and values).
#pragma once

#include "files/Assembler.h"
#include "files/TextSyntax.h"
#include "machine/Befehle.h"

#include <array>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tovak::assembler {

using namespace textform;

constexpr int kLetzteZelle = TRAM::kZellen - 1;

// What an operand or a value stands for; decides its range and how a name is looked up.
enum class Wertart { Konstante, Register, Adresse, Anzahl, Daten, Befehlszelle, Registerwert };

Wertart WertartVon(OperandArt art);
std::string Gequotet(std::string_view text);

struct Anweisung {
    enum class Art { Befehl, Daten, Befehlszelle };
    Art art;
    int zeile;
    int adresse;
    int befehl;
    std::vector<std::string_view> werte;
};

struct RegisterAngabe {
    int zeile;
    int nummer;
    std::string name;
    std::string_view wert; // empty: 0
};

struct Marke {
    int zeile;
    int adresse;
};

class Leser {
public:
    Uebersetzung Lesen(std::string_view text);

private:
    void Fehler(std::string meldung) { Fehler(zeile_, std::move(meldung)); }
    void Fehler(int zeile, std::string meldung) {
        if (u_.fehler.size() < kMaxFehler) {
            u_.fehler.push_back({zeile, std::move(meldung)});
        }
    }

    // Pass 1: statements, their addresses, labels and register names.
    void ZeileLesen(std::string_view zeile);
    void MarkeSetzen(std::string_view name);
    void Direktive(std::string_view rest);
    void Bemerkung(std::string_view rest);
    void Org(std::string_view rest);
    void Werteliste(std::string_view rest, Anweisung::Art art, const char* direktive);
    void Register(std::string_view rest);
    void Befehl(std::string_view rest);
    std::optional<std::string_view> EinWert(std::string_view text);
    // Reserves the cells of a statement at the current address; false (after an error) when
    // they do not fit.
    bool Platz(int anzahl, bool befehl, int& adresse);

    // Pass 2: operands and values.
    std::optional<long long> Aufloesen(std::string_view wort, Wertart art, int zeile,
                                       int adresse = 0);
    void Schreiben(const Anweisung& a);

    Uebersetzung u_;
    int zeile_ = 0;
    int ort_ = 0;       // the address of the next cell
    int hoechste_ = -1; // the highest address written so far
    bool voll_ = false;
    bool bemerkungenVoll_ = false;
    std::vector<std::string> offeneMarken_;
    std::map<std::string, Marke> marken_;
    std::map<std::string, std::vector<int>> registerNamen_;
    std::array<int, TReg::kRegisterZahl> registerZeile_{};
    std::vector<Anweisung> anweisungen_;
    std::vector<RegisterAngabe> register_;
};

} // namespace tovak::assembler
