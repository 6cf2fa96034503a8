// The oracle for any machine state and program, shared by the machine fuzzer and the replay of
// its corpus: bytes become a memory image, registers, the arithmetic unit's values, a start as
// the window makes it, number inputs and moments of the interrupt button; the control unit
// then runs for up to a few thousand micro-steps, restarted after stops as a learner would.
// Every failure must be an error code or one of the typed errors with its German text, every
// display must show what the machine holds, and "Takt zurück" must undo the run exactly.
#pragma once

#include "../support/Aufzeichnung.h"
#include "machine/Fehler.h"
#include "machine/Maschine.h"

#include <algorithm>
#include <cstdint>
#include <deque>
#include <exception>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tovak::test {

// Reads the input front to back; past its end everything reads as 0.
class Bytes {
public:
    explicit Bytes(std::string_view daten) : daten_(daten) {}
    std::uint8_t U8() {
        if (daten_.empty()) {
            return 0;
        }
        const auto b = static_cast<std::uint8_t>(daten_.front());
        daten_.remove_prefix(1);
        return b;
    }
    std::uint16_t U16() { return static_cast<std::uint16_t>(U8() | (U8() << 8)); }
    std::int32_t I32() {
        const std::uint32_t lo = U16();
        const std::uint32_t hi = U16();
        return static_cast<std::int32_t>(lo | (hi << 16));
    }
    bool Leer() const { return daten_.empty(); }

private:
    std::string_view daten_;
};

// How a run begins, as the window's run commands set the control unit up.
enum class Start : std::uint8_t {
    Von0,          // "Start von 0": IP 0, SP 255
    Einzelschritt, // "Einzelschritt" from the IP the learner typed: SP 255
    AbIP,          // "Start von IP": the state as it is, IP, SP, ISR and step index included
};

inline constexpr int kMaxMikroschritte = 3000;

// One output line: UTF-8 without line breaks. The output holds Windows-1252 characters and
// control pictures only, so no sequence is longer than three bytes.
inline bool IstUtf8Zeile(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == '\r' || c == '\n') {
            return false;
        }
        std::size_t folge = 0;
        if ((c & 0xE0) == 0xC0) {
            folge = 1;
        } else if ((c & 0xF0) == 0xE0) {
            folge = 2;
        } else if (c >= 0x80) {
            return false;
        }
        if (i + folge >= text.size() && folge > 0) {
            return false;
        }
        for (std::size_t k = 1; k <= folge; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) {
                return false;
            }
        }
        i += folge + 1;
    }
    return true;
}

// What the callbacks record; a base of its own so it exists before the control unit.
struct Rueckrufe : EingabenUndBoxen {};

// One input's machine on plain displays, with the window's reactions to an IP change and to
// the number input, and the memory as it was when the run began.
struct Pruefmaschine : Rueckrufe, PlainMaschine {
    Pruefmaschine() : PlainMaschine(Verbindungen()) { ea.SetAusgabefenster(&ausgabe); }

    PlainOutputWindow ausgabe;
    std::vector<int> startwerte;
    std::vector<Stapelmarke> startmarken;

    void StartMerken() {
        startwerte.clear();
        startmarken.clear();
        for (int a = 0; a < TRAM::kZellen; ++a) {
            startwerte.push_back(speicher.GetValue(a));
            startmarken.push_back(speicher.GetMarke(a));
        }
        speicherGrid.changedRows.clear();
        registerGrid.changedRows.clear();
    }

private:
    SteuerwerkRueckrufe Verbindungen() {
        // As the window's IP spin edit: the memory row of the IP is selected.
        return Aufzeichnen([this](int ip) {
            if (ip >= 0 && ip < TRAM::kMaxCount) {
                speicherGrid.SetRow(ip + 1);
            }
        });
    }
};

// Empty when the displays show what the machine holds, else what differs. With the grids,
// every memory row whose cell changed since the start must have been told about.
inline std::string PruefeAnzeigen(const Pruefmaschine& m, bool mitGrids) {
    const TSteuerwerk& s = m.steuerwerk;
    const TRechenwerk& r = m.rechenwerk;
    if (m.ipAnzeige.value != s.GetIP()) {
        return "IP display " + std::to_string(m.ipAnzeige.value) + " for IP " +
               std::to_string(s.GetIP());
    }
    if (m.spAnzeige.value != s.GetSP() || m.isrAnzeige.value != s.GetISRAdresse()) {
        return "SP display \"" + m.spAnzeige.Text() + "\" for SP " + std::to_string(s.GetSP());
    }
    if (m.akku.value != r.GetAkku() || m.operand.value != r.GetOperand()) {
        return "Akku display \"" + m.akku.Text() + "\" for Akku " + std::to_string(r.GetAkku());
    }
    const bool flags[] = {r.GetZeroFlag(), r.GetCarryFlag(), r.GetParityFlag(), r.GetSignFlag()};
    const PlainValueDisplay* flagAnzeigen[] = {&m.zero, &m.carry, &m.parity, &m.sign};
    for (int i = 0; i < 4; ++i) {
        if (flagAnzeigen[i]->value != (flags[i] ? 1 : 0)) {
            return "flag display " + std::to_string(i) + " shows \"" + flagAnzeigen[i]->Text() +
                   "\"";
        }
    }
    if (m.datenbusPanel.value != m.datenbus.GetValue() ||
        m.adressbusPanel.value != m.adressbus.GetValue()) {
        return "bus display \"" + m.datenbusPanel.Text() + "\" / \"" + m.adressbusPanel.Text() +
               "\"";
    }
    if (m.mikroschritt.Text() != s.GetPhasenname() ||
        m.befehlsname.Text() != s.GetAusfuehrungsname()) {
        return "micro-step display \"" + m.mikroschritt.Text() + "\"";
    }
    if (m.befehl.befehl != s.GetBefehl() || m.befehl.operand != s.GetOperand()) {
        return "instruction display \"" + m.befehl.Text() + "\"";
    }
    if (!mitGrids) {
        return {};
    }
    std::vector<bool> gemeldet(TRAM::kZellen + 1, false);
    for (int row : m.speicherGrid.changedRows) {
        if (row >= 1 && row <= TRAM::kZellen) {
            gemeldet[static_cast<std::size_t>(row)] = true;
        }
    }
    for (int adresse = 0; adresse < TRAM::kMaxCount; ++adresse) {
        const auto a = static_cast<std::size_t>(adresse);
        const bool geaendert = m.speicher.GetValue(adresse) != m.startwerte[a] ||
                               m.speicher.GetMarke(adresse) != m.startmarken[a];
        if (geaendert && !gemeldet[a + 1]) {
            return "memory row " + std::to_string(adresse + 1) + " changed untold";
        }
    }
    return {};
}

// Sets the machine up from the input's head; false when the input asks for a state that the
// program-file reader would refuse to load.
inline bool Aufbauen(Pruefmaschine& m, Bytes& in, Start& start, int& schritte,
                     std::vector<int>& interruptMomente) {
    schritte = 1 + in.U16() % kMaxMikroschritte;
    const std::uint8_t art = in.U8();
    start = static_cast<Start>(art % 3);
    const std::uint16_t akku = in.U16();
    const std::uint16_t operand = in.U16();
    const std::int32_t ip = in.I32();
    const std::int32_t sp = in.I32();
    const std::int32_t isr = in.I32();
    const std::uint8_t schritt = in.U8();
    const std::uint8_t format = in.U8();

    m.rechenwerk.SetOperand(operand);
    m.rechenwerk.SetAkku(akku);
    // The flags as a previous run may have left them.
    m.rechenwerk.SetZeroFlag((art & 0x08) != 0);
    m.rechenwerk.SetCarryFlag((art & 0x10) != 0);
    m.rechenwerk.SetParityFlag((art & 0x20) != 0);
    m.rechenwerk.SetSignFlag((art & 0x40) != 0);
    m.steuerwerk.SetInterrupt((art & 0x80) != 0);
    m.steuerwerk.SetIP(ip);
    if (start == Start::AbIP) {
        m.steuerwerk.SetSP(sp);
        m.steuerwerk.SetISRAdresse(isr);
        m.steuerwerk.SetSchritt(schritt);
    }
    m.ea.SetAusgabeformat(format % 3);

    for (int n = in.U8(); n > 0; --n) {
        const int index = in.U8() % TReg::kRegisterZahl;
        m.reg.SetValue(index, in.U16());
    }
    for (int n = in.U8(); n > 0; --n) {
        interruptMomente.push_back(1 + in.U16() % kMaxMikroschritte);
    }
    for (int n = in.U8(); n > 0; --n) {
        const std::uint8_t marke = in.U8();
        const std::uint16_t zahl = in.U16();
        m.eingaben.push_back((marke & 1) != 0 ? -1 : zahl);
    }

    // The rest is the memory image from address 0: a mark byte, then the value, 16 or 32 bits,
    // or the number of empty cells to pass over (so a service routine at 3000 fits in a few
    // bytes).
    for (int adresse = 0; adresse < TRAM::kZellen && !in.Leer(); ++adresse) {
        const std::uint8_t marke = in.U8();
        if ((marke & 4) != 0) {
            adresse += in.U16();
            continue;
        }
        const int wert = (marke & 2) != 0 ? in.I32() : in.U16();
        const bool befehl = (marke & 1) != 0;
        if (befehl && (wert < 1 || wert > BefehlsTabellenGroesse)) {
            return false; // a file with such a cell does not load
        }
        m.speicher.SetCell(befehl ? wert : 0, adresse, wert, befehl);
    }
    return true;
}

// What the window does before a run command's first Takt.
inline void Starten(Pruefmaschine& m, Start start) {
    TSteuerwerk& s = m.steuerwerk;
    if (start == Start::AbIP) {
        return;
    }
    s.SetSchritt(0);
    s.SetIPWeiter(false);
    s.SetFehler(KeinFehler);
    s.ResetInterruptZustand();
    s.SetSP(255);
    if (start == Start::Von0) {
        s.SetIP(0);
    }
}

// Everything a learner can see of the machine, and what it holds, a line per item: what
// "Takt zurück" must bring back.
inline std::vector<std::string> Abbild(const Pruefmaschine& m) {
    const TSteuerwerk& s = m.steuerwerk;
    const TRechenwerk& r = m.rechenwerk;
    std::vector<std::string> zeilen;
    zeilen.push_back(
        "ip=" + std::to_string(s.GetIP()) + " sp=" + std::to_string(s.GetSP()) +
        " isr=" + std::to_string(s.GetISRAdresse()) + " schritt=" + std::to_string(s.GetSchritt()) +
        " phase=" + std::to_string(s.GetPhase()) + " fehler=" + std::to_string(s.GetFehler()) +
        " irq=" + std::to_string(s.GetInterrupt()) + " inISR=" + std::to_string(s.GetInISR()) +
        " ipWeiter=" + std::to_string(s.GetIPWeiter()) +
        " befehl=" + std::to_string(s.GetBefehl()) + " operand=" + std::to_string(s.GetOperand()) +
        " zaehler=" + std::to_string(s.GetTaktzaehler()) + "/" +
        std::to_string(s.GetBefehlszaehler()));
    std::string phasen = "phasen=";
    for (std::uint8_t p : s.GetPhasen()) {
        phasen += std::to_string(p) + ',';
    }
    zeilen.push_back(phasen);
    zeilen.push_back(
        "akku=" + std::to_string(r.GetAkku()) + " op=" + std::to_string(r.GetOperand()) +
        " flags=" + std::to_string(r.GetZeroFlag()) + std::to_string(r.GetCarryFlag()) +
        std::to_string(r.GetParityFlag()) + std::to_string(r.GetSignFlag()) +
        " db=" + std::to_string(m.datenbus.GetValue()) +
        " ab=" + std::to_string(m.adressbus.GetValue()) + " ea=" + std::to_string(m.ea.GetValue()));
    zeilen.push_back(m.befehl.Text());
    for (const PlainValueDisplay* d :
         {&m.datenbusPanel, &m.adressbusPanel, &m.akku, &m.operand, &m.zero, &m.carry, &m.parity,
          &m.sign, &m.spAnzeige, &m.isrAnzeige, &m.mikroschritt, &m.befehlsname}) {
        zeilen.push_back(d->Text() + " | " + d->Hint());
    }
    zeilen.push_back("ip-anzeige=" + std::to_string(m.ipAnzeige.value) +
                     " ea-anzeige=" + std::to_string(m.eaSpin.value) +
                     " zeilen=" + std::to_string(m.speicherGrid.Row()) + "/" +
                     std::to_string(m.registerGrid.Row()) + " label=" + m.ausgabe.LabelText());
    for (const std::string& zeile : m.ausgabe.lines) {
        zeilen.push_back("ausgabe: " + zeile);
    }
    // The grid texts follow from values, numbers, marks, labels and names. Cells and
    // registers are written out only where they differ from the empty machine, so taking
    // an image stays cheap.
    for (int adresse = 0; adresse < TRAM::kZellen; ++adresse) {
        const int wert = m.speicher.GetValue(adresse);
        const int nummer = m.speicher.GetBefehlsnummer(adresse);
        const bool befehl = m.speicher.IstBefehl(adresse);
        const Stapelmarke marke = m.speicher.GetMarke(adresse);
        if (wert != 0 || nummer != 0 || befehl || marke != Stapelmarke::Keine) {
            zeilen.push_back("M" + std::to_string(adresse) + "=" + std::to_string(wert) + " " +
                             std::to_string(nummer) + (befehl ? " B " : " D ") +
                             StapelmarkeText(marke));
        }
    }
    for (int i = 0; i < TReg::kRegisterZahl; ++i) {
        if (m.reg.GetValue(i) != 0 || !m.reg.GetName(i).empty()) {
            zeilen.push_back("R" + std::to_string(i) + "=" + std::to_string(m.reg.GetValue(i)) +
                             " " + m.reg.GetName(i));
        }
    }
    return zeilen;
}

// Empty when undoing every micro-step since `vorher` was taken brings it back exactly.
inline std::string PruefeZuruecknehmen(Pruefmaschine& m, const std::vector<std::string>& vorher) {
    while (m.steuerwerk.KannZuruecknehmen()) {
        try {
            if (!m.steuerwerk.TaktZurueck()) {
                return "Takt zurück refused although it could undo";
            }
        } catch (const std::exception& e) {
            return std::string("Takt zurück threw: ") + e.what();
        }
    }
    const std::vector<std::string> nachher = Abbild(m);
    for (std::size_t i = 0; i < std::max(vorher.size(), nachher.size()); ++i) {
        const std::string a = i < vorher.size() ? vorher[i] : "<none>";
        const std::string b = i < nachher.size() ? nachher[i] : "<none>";
        if (a != b) {
            return "Takt zurück left \"" + b + "\" where the start had \"" + a + "\"";
        }
    }
    return {};
}

// Empty when the machine behaved on these bytes, else what went wrong.
inline std::string PruefeMaschine(std::string_view daten) {
    Pruefmaschine m;
    Bytes in(daten);
    Start start = Start::Von0;
    int schritte = 0;
    std::vector<int> interruptMomente;
    try {
        if (!Aufbauen(m, in, start, schritte, interruptMomente)) {
            return {};
        }
    } catch (const std::exception& e) {
        return std::string("setting the machine up failed: ") + e.what();
    }
    m.ausgabe.lines.clear();
    m.StartMerken();
    Starten(m, start);
    // The journal records from the start. What the learner does between micro-steps (the
    // interrupt button, a new start after a stop) is no micro-step: the undo check then
    // starts again from there, a few times, and is left out after that.
    constexpr int kNeueAbbilder = 4;
    m.steuerwerk.JournalEinschalten();
    std::vector<std::string> vorher = Abbild(m);
    int neueAbbilder = 0;
    bool zuruecknehmenPruefen = true;
    auto ausserhalbEinesTakts = [&] {
        m.steuerwerk.JournalLeeren();
        if (zuruecknehmenPruefen && neueAbbilder++ < kNeueAbbilder) {
            vorher = Abbild(m);
        } else {
            zuruecknehmenPruefen = false;
        }
    };

    bool interrupt = m.steuerwerk.GetInterrupt();
    // A start in the middle of the step list runs what the list holds there until the next
    // instruction begins; after that only micro-step codes may run.
    bool beliebigerIndex = start == Start::AbIP;
    std::size_t geprueft = 0; // output lines checked so far
    for (int schritt = 1; schritt <= schritte; ++schritt) {
        for (int moment : interruptMomente) {
            if (moment == schritt) {
                interrupt = !interrupt; // the learner presses the button
                m.steuerwerk.SetInterrupt(interrupt);
                ausserhalbEinesTakts();
            }
        }
        const std::uint8_t indexVorher = m.steuerwerk.GetSchritt();
        bool gestoppt = false;
        try {
            m.steuerwerk.Takt();
        } catch (const TovakFehler& e) {
            const std::string_view text = e.what();
            if (text != kBereichsfehlerText && text != kDivisionDurchNullText) {
                return std::string("typed failure with the text ") + e.what();
            }
            if (m.steuerwerk.GetSchritt() != indexVorher) {
                return std::string("\"") + e.what() + "\" moved the step index";
            }
            gestoppt = true;
        } catch (const std::exception& e) {
            return std::string("untyped failure: ") + e.what();
        }
        const int fehler = m.steuerwerk.GetFehler();
        const int phase = m.steuerwerk.GetPhase();
        if (fehler < KeinFehler || fehler > CPUStop) {
            return "error code " + std::to_string(fehler);
        }
        if (m.steuerwerk.GetSchritt() >= TSteuerwerk::kPhasen) {
            return "step index " + std::to_string(m.steuerwerk.GetSchritt());
        }
        if (!gestoppt && !beliebigerIndex && (phase < 1 || phase > 32)) {
            return "micro-step code " + std::to_string(phase) + " ran";
        }
        if (m.ipAnzeige.value != m.steuerwerk.GetIP() || m.eaSpin.value != m.ea.GetValue()) {
            return "IP or I/O display behind after micro-step " + std::to_string(phase);
        }
        for (; geprueft < m.ausgabe.lines.size(); ++geprueft) {
            if (!IstUtf8Zeile(m.ausgabe.lines[geprueft])) {
                return "output line is no single UTF-8 line";
            }
        }
        gestoppt = gestoppt || fehler != KeinFehler;
        if (!gestoppt) {
            beliebigerIndex = beliebigerIndex && m.steuerwerk.GetSchritt() != 0;
            continue;
        }
        // Every stop is a moment the learner looks at the window.
        const std::string anzeige = PruefeAnzeigen(m, false);
        if (!anzeige.empty()) {
            return anzeige + " at a stop after micro-step " + std::to_string(phase);
        }
        if (fehler != KeinFehler && fehler != CPUStop) {
            // As the window resets the cycle after the error message; then a new start.
            m.steuerwerk.SetSchritt(0);
            m.steuerwerk.SetIPWeiter(false);
            m.steuerwerk.SetFehler(KeinFehler);
            m.steuerwerk.SetIP(0);
        }
        Starten(m, Start::Von0);
        ausserhalbEinesTakts();
        beliebigerIndex = false;
    }
    for (const auto& [caption, text] : m.fehlerBoxen) {
        if (caption != "Fehler" || text.empty()) {
            return "message box \"" + caption + "\": \"" + text + "\"";
        }
    }
    if (std::string anzeige = PruefeAnzeigen(m, true); !anzeige.empty()) {
        return anzeige;
    }
    return zuruecknehmenPruefen ? PruefeZuruecknehmen(m, vorher) : std::string();
}

} // namespace tovak::test
