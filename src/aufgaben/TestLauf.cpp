#include "aufgaben/TestLauf.h"

#include "machine/Fehler.h"
#include "machine/StepDecision.h"

#include <algorithm>
#include <exception>
#include <memory>

namespace tovak {

namespace {

// Collects the values the output instructions write; the empty lines and the echo of a
// number read do not count.
class OutputValues final : public OutputWindow {
public:
    OutputValues(const TSteuerwerk& steuerwerk, const TEAEinheit& ea)
        : steuerwerk_(steuerwerk), ea_(ea) {}
    void AppendLine(const std::string& line) override {
        // The number input echoes the number it read into the window; that is no output.
        if (!line.empty() &&
            steuerwerk_.GetPhase() != static_cast<int>(Mikroschritt::ZahlEinlesen)) {
            werte.push_back(ea_.GetValue());
        }
    }
    void SetLabel(int) override {}

    std::vector<int> werte;

private:
    const TSteuerwerk& steuerwerk_;
    const TEAEinheit& ea_;
};

std::string Expected(const std::string& was, int erwartet, int erhalten) {
    return was + ": erwartet " + std::to_string(erwartet) + ", erhalten " +
           std::to_string(erhalten);
}

// The first output that differs, or the first one missing or too many.
std::string CompareOutput(const std::vector<int>& erwartet, const std::vector<int>& erhalten) {
    const std::size_t n = std::max(erwartet.size(), erhalten.size());
    for (std::size_t i = 0; i < n; ++i) {
        const std::string was = "Ausgabe " + std::to_string(i + 1);
        if (i >= erhalten.size()) {
            return was + ": erwartet " + std::to_string(erwartet[i]) + ", erhalten keine";
        }
        if (i >= erwartet.size()) {
            return was + ": erwartet keine, erhalten " + std::to_string(erhalten[i]);
        }
        if (erwartet[i] != erhalten[i]) {
            return Expected(was, erwartet[i], erhalten[i]);
        }
    }
    return {};
}

std::string CompareStores(HeadlessMaschine& m, const AufgabenTest& test) {
    for (const auto& [nummer, wert] : test.register_) {
        if (m.reg.GetValue(nummer) != wert) {
            return Expected("Register " + std::to_string(nummer), wert, m.reg.GetValue(nummer));
        }
    }
    for (const auto& [adresse, wert] : test.speicher) {
        if (m.speicher.GetValue(adresse) != wert) {
            return Expected("Speicher " + std::to_string(adresse), wert,
                            m.speicher.GetValue(adresse));
        }
    }
    if (test.akku && m.rechenwerk.GetAkku() != *test.akku) {
        return Expected("Akku", *test.akku, m.rechenwerk.GetAkku());
    }
    const TRechenwerk& r = m.rechenwerk;
    const std::pair<const std::optional<bool>&, bool> flags[] = {
        {test.z, r.GetZeroFlag()},
        {test.c, r.GetCarryFlag()},
        {test.p, r.GetParityFlag()},
        {test.s, r.GetSignFlag()},
    };
    const char* namen[] = {"Z-Flag", "C-Flag", "P-Flag", "S-Flag"};
    for (std::size_t i = 0; i < std::size(flags); ++i) {
        if (flags[i].first && *flags[i].first != flags[i].second) {
            return Expected(namen[i], *flags[i].first ? 1 : 0, flags[i].second ? 1 : 0);
        }
    }
    return {};
}

} // namespace

TestErgebnis TestAusfuehren(HeadlessMaschine& m, const AufgabenTest& test, std::uint64_t maxTakte) {
    OutputValues ausgabe(m.steuerwerk, m.ea);
    m.ea.SetAusgabefenster(&ausgabe);
    m.StartVon0();

    // As "Start von 0": one continuous run without breakpoints, in one piece up to the next
    // interrupt request.
    StepDecision entscheidung(m.steuerwerk);
    entscheidung.Start(true);
    TestErgebnis ergebnis;
    std::string fehler;
    std::size_t naechsterInterrupt = 0;
    bool gestoppt = false;
    while (!gestoppt && fehler.empty()) {
        if (ergebnis.takte >= maxTakte) {
            fehler = "Schrittgrenze erreicht";
            break;
        }
        if (naechsterInterrupt < test.interrupts.size() &&
            test.interrupts[naechsterInterrupt] == ergebnis.takte + 1) {
            m.steuerwerk.SetInterrupt(true);
            ++naechsterInterrupt;
        }
        std::uint64_t bis = maxTakte;
        if (naechsterInterrupt < test.interrupts.size()) {
            bis = std::min(bis, test.interrupts[naechsterInterrupt] - 1);
        }
        bis = std::max(bis, ergebnis.takte + 1);
        std::uint64_t getan = 0;
        const StepResult schritt = entscheidung.Run(bis - ergebnis.takte, getan);
        ergebnis.takte += getan;
        switch (schritt) {
        case StepResult::Performed:
            break;
        case StepResult::CpuStop:
            gestoppt = true;
            break;
        case StepResult::Threw:
            try {
                std::rethrow_exception(entscheidung.Exception());
            } catch (const std::exception& e) {
                fehler = e.what();
            }
            break;
        case StepResult::Error:
            // The number input fails here only when the test gave no more values.
            fehler = m.steuerwerk.GetFehler() == FehlerEingabeAbbruch
                         ? "Eingabe fehlt"
                         : Fehlermeldung(m.steuerwerk.GetFehler());
            break;
        case StepResult::Input:
        case StepResult::Stalled:
        case StepResult::Breakpoint:
            // Cannot happen in a continuous run without breakpoints; never a pass.
            fehler = "Der Lauf kam nicht weiter";
            break;
        }
    }
    m.ea.SetAusgabefenster(nullptr);
    ergebnis.befehle = static_cast<std::uint64_t>(m.steuerwerk.GetBefehlszaehler());
    if (fehler.empty()) {
        fehler = CompareOutput(test.ausgabe, ausgabe.werte);
    }
    if (fehler.empty()) {
        fehler = CompareStores(m, test);
    }
    ergebnis.bestanden = fehler.empty();
    ergebnis.meldung = std::move(fehler);
    return ergebnis;
}

std::vector<TestErgebnis> TestsAusfuehren(const Aufgabe& aufgabe, const Programminhalt& programm) {
    std::vector<TestErgebnis> ergebnisse;
    for (const AufgabenTest& test : aufgabe.tests) {
        std::size_t naechsteEingabe = 0;
        SteuerwerkRueckrufe rueckrufe;
        rueckrufe.zahlEingeben = [&test, &naechsteEingabe] {
            return naechsteEingabe < test.eingabe.size() ? test.eingabe[naechsteEingabe++] : -1;
        };
        // A machine is a few hundred kilobytes: not for the stack of a worker thread.
        auto m = std::make_unique<HeadlessMaschine>(std::move(rueckrufe));
        InhaltInSpeicher(programm, m->speicher, m->reg);
        ergebnisse.push_back(TestAusfuehren(*m, test, aufgabe.maxTakte));
    }
    return ergebnisse;
}

} // namespace tovak
