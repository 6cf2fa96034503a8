#include "app/Runner.h"

#include "app/TextBefehle.h"
#include "files/TextDatei.h"

#include "files/ProgramFile.h"
#include "machine/Fehler.h"
#include "machine/Maschine.h"
#include "machine/StepDecision.h"
#include "util/Version.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <exception>
#include <initializer_list>
#include <string_view>

namespace tovak {

namespace {

class StromAusgabe final : public OutputWindow {
public:
    StromAusgabe(std::FILE* out, std::FILE* trace) : out_(out), trace_(trace) {}
    void AppendLine(const std::string& line) override {
        // Trace lines written so far come first when both streams reach one terminal.
        if (trace_ != nullptr) {
            std::fflush(trace_);
        }
        std::fwrite(line.data(), 1, line.size(), out_);
        std::fputc('\n', out_);
    }
    void SetLabel(int) override {}

private:
    std::FILE* out_;
    std::FILE* trace_;
};

} // namespace

int ProgrammLaufen(const LaufOptionen& o, std::FILE* out, std::FILE* err) {
    std::size_t naechsteEingabe = 0;
    SteuerwerkRueckrufe rueckrufe;
    rueckrufe.zahlEingeben = [&] {
        return naechsteEingabe < o.eingaben.size() ? o.eingaben[naechsteEingabe++] : -1;
    };
    rueckrufe.fehlerBox = [err](const std::string& caption, const std::string& meldung) {
        std::fprintf(err, "%s: %s\n", caption.c_str(), meldung.c_str());
    };
    // The machine as the main window wires it, with displays that show nothing.
    HeadlessMaschine m(std::move(rueckrufe));
    TRAM& speicher = m.speicher;
    TReg& reg = m.reg;
    TRechenwerk& rechenwerk = m.rechenwerk;
    TSteuerwerk& steuerwerk = m.steuerwerk;

    std::vector<std::string> remarks;
    try {
        if (ProgrammLaden(o.datei, remarks, speicher, reg) == LeseErgebnis::VersionZuAlt) {
            std::fprintf(err,
                         "Fehler: %s: Die Datei hat eine Version unter 5 und wurde nicht geladen\n",
                         o.datei.c_str());
            return LaufAufrufFehler;
        }
    } catch (const TovakFehler& e) {
        LadefehlerMelden(o.datei, e, err);
        return LaufAufrufFehler;
    }
    std::array<int, TRAM::kZellen> geladen{};
    for (int a = 0; a < TRAM::kZellen; ++a) {
        geladen[static_cast<std::size_t>(a)] = speicher.GetValue(a);
    }

    StromAusgabe ausgabe(out, o.trace ? err : nullptr);
    m.ea.SetAusgabeformat(o.format);
    m.ea.SetAusgabefenster(&ausgabe);
    m.StartVon0();

    auto trace = [&](std::uint64_t nummer) {
        const int code = steuerwerk.GetPhase();
        std::fprintf(err, "%llu\t%d\t%s\tIP=%d\tAB=%s\tDB=%s\n",
                     static_cast<unsigned long long>(nummer), code, Mikroschrittname(code).c_str(),
                     steuerwerk.GetIP(), BusText(m.adressbus.GetValue(), true).c_str(),
                     BusText(m.datenbus.GetValue(), false).c_str());
    };

    // Runs as "Start von 0": one continuous run without breakpoints; the number input is
    // answered at once. After an error the machine stays where it stopped, for the dump.
    StepDecision entscheidung(steuerwerk);
    entscheidung.Start(true);
    int status = LaufSchrittgrenze;
    const std::vector<std::uint64_t>& interrupts = o.interrupts;
    std::size_t naechsterInterrupt = 0;
    std::uint64_t schritt = 0;
    while (status == LaufSchrittgrenze && schritt < o.maxSchritte) {
        if (naechsterInterrupt < interrupts.size() &&
            interrupts[naechsterInterrupt] == schritt + 1) {
            steuerwerk.SetInterrupt(true);
            ++naechsterInterrupt;
        }
        // Without a trace the run goes on in one piece up to the next interrupt.
        std::uint64_t bis = o.maxSchritte;
        if (naechsterInterrupt < interrupts.size()) {
            bis = std::min(bis, interrupts[naechsterInterrupt] - 1);
        }
        if (o.trace || bis <= schritt) {
            bis = schritt + 1;
        }
        std::uint64_t getan = 0;
        const StepResult ergebnis = entscheidung.Run(bis - schritt, getan);
        schritt += getan;
        if (o.trace) {
            trace(schritt);
        }
        switch (ergebnis) {
        case StepResult::Performed:
            break;
        case StepResult::Threw:
            try {
                std::rethrow_exception(entscheidung.Exception());
            } catch (const TovakFehler& e) {
                std::fprintf(err, "Fehler: %s\n", e.what());
            }
            status = LaufBereichsfehler;
            break;
        case StepResult::CpuStop:
            status = LaufCpuStop;
            break;
        case StepResult::Error:
            std::fprintf(err, "Fehler: %s\n", Fehlermeldung(steuerwerk.GetFehler()));
            status = LaufSteuerwerkFehler;
            break;
        case StepResult::Input:
        case StepResult::Stalled:
        case StepResult::Breakpoint:
            // Without breakpoints, without stopping before the input, and with every step
            // moving on or ending the run, a tick never finds the step it started before.
            status = LaufBereichsfehler;
            break;
        }
    }
    if (status == LaufSchrittgrenze) {
        std::fprintf(err, "Schrittgrenze erreicht: %llu Mikroschritte\n",
                     static_cast<unsigned long long>(o.maxSchritte));
    }

    if (o.dump) {
        std::fflush(err);
        std::fprintf(out, "Akku=%d\nOperand=%d\nZ=%d\nC=%d\nP=%d\nS=%d\nIP=%d\nSP=%d\n",
                     rechenwerk.GetAkku(), rechenwerk.GetOperand(),
                     rechenwerk.GetZeroFlag() ? 1 : 0, rechenwerk.GetCarryFlag() ? 1 : 0,
                     rechenwerk.GetParityFlag() ? 1 : 0, rechenwerk.GetSignFlag() ? 1 : 0,
                     steuerwerk.GetIP(), steuerwerk.GetSP());
        for (int i = 0; i < TReg::kRegisterZahl; ++i) {
            if (reg.GetValue(i) != 0) {
                std::fprintf(out, "R%d=%d\n", i, reg.GetValue(i));
            }
        }
        for (int a = 0; a < TRAM::kZellen; ++a) {
            if (speicher.GetValue(a) != geladen[static_cast<std::size_t>(a)]) {
                std::fprintf(out, "M%d=%d\n", a, speicher.GetValue(a));
            }
        }
    }
    return status;
}

int Kommandozeile(const std::vector<std::string>& args, std::FILE* out, std::FILE* err,
                  std::string_view programm) {
    LaufOptionen optionen;
    const std::string fehler = ParseLaufOptionen(args, optionen, programm);
    if (optionen.hilfe) {
        std::fputs(HilfeText(programm).c_str(), out);
        return 0;
    }
    if (optionen.version) {
        std::fputs(VersionText(programm).c_str(), out);
        return 0;
    }
    if (!fehler.empty()) {
        std::fprintf(err, "Fehler: %s\nHilfe: %.*s --help\n", fehler.c_str(),
                     static_cast<int>(programm.size()), programm.data());
        return LaufAufrufFehler;
    }
    if (!optionen.pruefen.aufgabe.empty()) {
        return AbgabenPruefenBefehl(optionen.pruefen, out, err);
    }
    if (!optionen.assemble.empty()) {
        return TextAssemblieren(optionen.assemble, optionen.ausgabe, err);
    }
    if (!optionen.disassemble.empty()) {
        return TextDisassemblieren(optionen.disassemble, out, err);
    }
    try {
        return ProgrammLaufen(optionen, out, err);
    } catch (const std::exception& e) {
        // Nothing of the machine should get here; if it does, it is reported, not a crash.
        std::fprintf(err, "Fehler: %s\n", e.what());
        return LaufAufrufFehler;
    }
}

} // namespace tovak
