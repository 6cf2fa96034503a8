#include "Beispiele.h"

#include "files/ProgrammText.h"
#include "machine/Befehle.h"
#include "machine/Encoder.h"
#include "support/MachineFixture.h"

#include <map>
#include <stdexcept>
#include <utility>

namespace tovak::test {

namespace {

// A program written as a learner enters it: instruction after instruction through the
// encoder, with named jump targets resolved in a first pass.
class Programm {
public:
    explicit Programm(std::string name) : name_(std::move(name)) {}

    Programm& Bemerkung(std::string zeile) {
        remarks_.push_back(std::move(zeile));
        return *this;
    }
    Programm& Register(int nummer, int wert, std::string name) {
        register_.push_back({nummer, wert, std::move(name)});
        return *this;
    }
    // The next instruction is entered at this address.
    Programm& Ab(int adresse) {
        zeilen_.push_back({Art::Ab, adresse, 0, {}});
        return *this;
    }
    Programm& Marke(std::string name) {
        zeilen_.push_back({Art::Marke, 0, 0, std::move(name)});
        return *this;
    }
    Programm& B(int befehl, int operand = 0) {
        zeilen_.push_back({Art::Befehl, befehl, operand, {}});
        return *this;
    }
    Programm& B(int befehl, std::string ziel) {
        zeilen_.push_back({Art::Befehl, befehl, 0, std::move(ziel)});
        return *this;
    }
    // "Lies Zahl in E/A-Einheit" as the I/O dialog enters it with the setting
    // "LiesZahlInRegister" = 2: with "IN Akku" and "Move Reg, Akku" behind it.
    Programm& LiesZahlInRegister(int registerNummer) {
        zeilen_.push_back({Art::LiesZahl, 390, registerNummer, {}});
        return *this;
    }

    Beispiel Erzeugen() const {
        PlainMachine m;
        TSteuerwerk& steuerwerk = m.steuerwerk;
        TRAM& speicher = m.speicher;
        TReg& reg = m.reg;
        EncoderRueckrufe rueckrufe;
        rueckrufe.fehlerBox = [](const std::string&, const std::string& meldung) {
            throw std::logic_error(meldung);
        };
        TEncoder encoder(steuerwerk, speicher, std::move(rueckrufe));

        // Pass 1: the addresses of the labels.
        std::map<std::string, int> marken;
        int ip = 0;
        for (const Zeile& z : zeilen_) {
            if (z.art == Art::Ab) {
                ip = z.befehl;
            } else if (z.art == Art::Marke) {
                marken[z.ziel] = ip;
            } else if (z.art == Art::LiesZahl) {
                ip += 4;
            } else {
                ip += BefehlsLaenge(z.befehl);
            }
        }
        // Pass 2: enter the instructions.
        for (const Zeile& z : zeilen_) {
            const int operand = z.ziel.empty() ? z.operand : marken.at(z.ziel);
            if (z.art == Art::Ab) {
                steuerwerk.SetIP(z.befehl);
            } else if (z.art == Art::LiesZahl) {
                encoder.EABefehlInSpeicher(390, z.operand, LiesZahlFolge::LiesZahlInRegister);
            } else if (z.art == Art::Befehl) {
                if (z.befehl >= 321 && z.befehl <= 335) {
                    encoder.BefehlInSpeicher2(z.befehl, operand);
                } else {
                    encoder.BefehlInSpeicher(z.befehl, operand);
                }
            }
        }
        for (const RegisterWert& r : register_) {
            reg.SetValue(r.nummer, r.wert);
            reg.SetName(r.nummer, r.name);
        }
        return {name_, ProgrammText(remarks_, speicher, reg)};
    }

private:
    enum class Art { Befehl, Marke, Ab, LiesZahl };
    struct Zeile {
        Art art;
        int befehl;
        int operand;
        std::string ziel;
    };
    struct RegisterWert {
        int nummer;
        int wert;
        std::string name;
    };

    std::string name_;
    std::vector<std::string> remarks_;
    std::vector<RegisterWert> register_;
    std::vector<Zeile> zeilen_;
};

// Instruction numbers, named as in the instruction dialogs.
enum : int {
    MovAkkuKonst = 65,
    MovAkkuReg = 66,
    MovRegAkku = 67,
    AddAkkuReg = 129,
    SubAkkuReg = 131,
    ModAkkuReg = 133,
    MultAkkuReg = 135,
    DivAkkuReg = 137,
    IncAkku = 139,
    DecAkku = 140,
    AndAkkuReg = 193,
    AndAkkuKonst = 194,
    OrAkkuReg = 195,
    OrAkkuKonst = 196,
    XorAkkuKonst = 198,
    NotAkku = 199,
    ShlAkkuReg = 257,
    ShlAkkuKonst = 258,
    ShrAkkuKonst = 260,
    RolAkku = 261,
    RorAkku = 262,
    CmpAkkuReg = 321,
    CmpAkkuKonst = 322,
    Jump = 323,
    JZ = 324,
    JNZ = 325,
    JL = 328,
    JG = 330,
    JNC = 333,
    OutAkku = 387,
    OutReg = 388,
    OutNewLine = 389,
    ClrCarry = 449,
    Iret = 450,
    Nop = 451,
    GoSub = 452,
};

Programm Summe() {
    Programm p("Summe.CPU");
    p.Bemerkung("Summe zweier Zahlen")
        .Bemerkung("")
        .Bemerkung("Die Summanden stehen in R1 und R2, das Ergebnis kommt nach R0.")
        .Bemerkung("Der Akku ist der Arbeitsplatz des Rechenwerks: \"Move Akku, Register\" lädt")
        .Bemerkung("den ersten Summanden, \"Add Akku, Register\" zählt den zweiten dazu, und")
        .Bemerkung("\"Move Reg, Akku\" legt die Summe in R0 ab. \"OUT Akku\" zeigt sie im")
        .Bemerkung("Ausgabefenster; die leere Zelle danach hält den Rechner an (CPU Stop).")
        .Bemerkung("Übung: Ändern Sie die Summanden (Doppelklick auf das Register), z. B. auf")
        .Bemerkung("17 € + 25 € = 42 €, und vergleichen Sie die Flags, wenn die Summe größer")
        .Bemerkung("als 65535 wird.");
    p.B(MovAkkuReg, 1).B(AddAkkuReg, 2).B(MovRegAkku, 0).B(OutAkku);
    p.Register(0, 0, "Summe").Register(1, 17, "1. Summand").Register(2, 25, "2. Summand");
    return p;
}

Programm Countdown() {
    Programm p("Countdown.CPU");
    p.Bemerkung("Countdown: zählt vom Startwert in R1 bis 1 herunter")
        .Bemerkung("")
        .Bemerkung("Eine Schleife aus Vergleich und bedingtem Sprung:")
        .Bemerkung("\"Compare Akku Konstanten\" mit 0 setzt das Zero-Flag, sobald der Zähler 0")
        .Bemerkung("ist; \"JNZ zu Adresse\" springt zurück, solange das nicht der Fall ist.")
        .Bemerkung("Achtung: Compare überschreibt den Akku mit dem Abstand der beiden Werte.")
        .Bemerkung("Beim Vergleich mit 0 ist das der Zählerstand selbst, deshalb geht es ohne")
        .Bemerkung("erneutes Laden weiter.");
    p.B(MovAkkuReg, 1)
        .Marke("Schleife")
        .B(OutAkku)
        .B(DecAkku)
        .B(MovRegAkku, 0)
        .B(CmpAkkuKonst, 0)
        .B(JNZ, "Schleife")
        .B(OutNewLine);
    p.Register(0, 0, "Zähler").Register(1, 10, "Startwert");
    return p;
}

Programm Multiplikation() {
    Programm p("Multiplikation.CPU");
    p.Bemerkung("Multiplikation durch wiederholte Addition: R0 := R1 · R2")
        .Bemerkung("")
        .Bemerkung("Das Produkt entsteht in R0, indem R1 so oft addiert wird, wie R2 angibt.")
        .Bemerkung("R2 dient als Zähler: Vor jeder Addition prüft \"JZ zu Adresse\", ob er 0")
        .Bemerkung("ist, danach wird er um 1 vermindert; \"Jump zu Adresse\" schließt die")
        .Bemerkung("Schleife. Zum Vergleich: \"Mult Akku, Register\" erledigt das in einem")
        .Bemerkung("Befehl.");
    p.B(MovAkkuKonst, 0)
        .B(MovRegAkku, 0)
        .Marke("Schleife")
        .B(MovAkkuReg, 2)
        .B(CmpAkkuKonst, 0)
        .B(JZ, "Fertig")
        .B(MovAkkuReg, 0)
        .B(AddAkkuReg, 1)
        .B(MovRegAkku, 0)
        .B(MovAkkuReg, 2)
        .B(DecAkku)
        .B(MovRegAkku, 2)
        .B(Jump, "Schleife")
        .Marke("Fertig")
        .B(OutReg, 0);
    p.Register(0, 0, "Produkt").Register(1, 6, "Faktor").Register(2, 7, "Zähler");
    return p;
}

Programm Unterprogramm() {
    Programm p("Unterprogramm.CPU");
    p.Bemerkung("Unterprogramm: Quadratzahlen mit \"Go Sub\" und \"IRET\"")
        .Bemerkung("")
        .Bemerkung("Das Hauptprogramm ruft das Unterprogramm ab Adresse 30 zweimal auf, mit 3")
        .Bemerkung("und mit 12 im Akku. \"Go Sub\" legt IP, Akku und Flags auf den Stapel (ab")
        .Bemerkung("Adresse 255 abwärts) und springt; \"IRET\" holt alle drei zurück.")
        .Bemerkung("Weil IRET auch den Akku wiederherstellt, gibt das Unterprogramm sein")
        .Bemerkung("Ergebnis über das Register R1 zurück.")
        .Bemerkung("Die leere Zelle hinter dem Hauptprogramm hält den Rechner an, bevor er")
        .Bemerkung("ins Unterprogramm hineinläuft.");
    p.B(MovAkkuKonst, 3)
        .B(GoSub, "Quadrat")
        .B(MovAkkuReg, 1)
        .B(OutAkku)
        .B(MovAkkuKonst, 12)
        .B(GoSub, "Quadrat")
        .B(MovAkkuReg, 1)
        .B(OutAkku)
        .B(OutNewLine);
    p.Ab(30).Marke("Quadrat").B(MovRegAkku, 0).B(MultAkkuReg, 0).B(MovRegAkku, 1).B(Iret);
    return p;
}

Programm EingabeAscii() {
    Programm p("EingabeAscii.CPU");
    p.Bemerkung("Zahlen einlesen und als Zeichen ausgeben")
        .Bemerkung("")
        .Bemerkung("\"Lies Zahl in E/A-Einheit\" fragt nach einer Zahl; mit der Einstellung")
        .Bemerkung("\"LiesZahlInRegister\" = 2 folgen ihm \"IN Akku\" und \"Move Reg, Akku\", so")
        .Bemerkung("dass die Zahl in R0 landet. Eine 0 beendet die Eingabe.")
        .Bemerkung("Stellen Sie das Ausgabefenster auf ASCII: \"OUT Register\" zeigt dann zu")
        .Bemerkung("jeder Zahl ihr Zeichen, etwa 72 als H.")
        .Bemerkung("Ohne Fenster: tovak --run EingabeAscii.CPU --format ascii")
        .Bemerkung("              --input 72,97,108,108,111,0");
    p.Marke("Lesen")
        .LiesZahlInRegister(0)
        .B(CmpAkkuKonst, 0)
        .B(JZ, "Ende")
        .B(OutReg, 0)
        .B(Jump, "Lesen")
        .Marke("Ende")
        .B(OutNewLine);
    p.Register(0, 0, "Eingabe");
    return p;
}

Programm Interrupt() {
    Programm p("Interrupt.CPU");
    p.Bemerkung("Interrupt: eine Service-Routine an Adresse 3000")
        .Bemerkung("")
        .Bemerkung("Das Hauptprogramm zählt R0 bis zur Grenze in R2 hoch. Wird während des")
        .Bemerkung("Laufs die Schaltfläche \"Interrupt\" gedrückt, beendet der Rechner den")
        .Bemerkung("laufenden Befehl, legt IP, Akku und Flags auf den Stapel und springt nach")
        .Bemerkung("3000. Die Service-Routine zählt die Unterbrechungen in R1, gibt den")
        .Bemerkung("Zählerstand aus und kehrt mit \"IRET\" an die unterbrochene Stelle zurück.")
        .Bemerkung("Zum Schluss gibt das Hauptprogramm R1 aus.")
        .Bemerkung("Ohne Fenster: tovak --run Interrupt.CPU --interrupt-at 100")
        .Bemerkung("              --interrupt-at 2000");
    p.B(MovAkkuKonst, 0)
        .B(MovRegAkku, 0)
        .Marke("Schleife")
        .B(MovAkkuReg, 0)
        .B(IncAkku)
        .B(MovRegAkku, 0)
        .B(CmpAkkuReg, 2)
        .B(JNZ, "Schleife")
        .B(OutReg, 1);
    p.Ab(3000).B(MovAkkuReg, 1).B(IncAkku).B(MovRegAkku, 1).B(OutAkku).B(Iret);
    p.Register(0, 0, "Schleifenzähler").Register(1, 0, "Interrupts").Register(2, 200, "Grenze");
    return p;
}

Programm Logik() {
    Programm p("Logik.CPU");
    p.Bemerkung("Bitmasken: AND, OR, XOR und NOT")
        .Bemerkung("")
        .Bemerkung("Die Logikbefehle verknüpfen den Akku Bit für Bit mit einem Register oder")
        .Bemerkung("einer Konstanten. Das Ausgabefenster zeigt jede Zahl auch als Bitmuster.")
        .Bemerkung("R1 hält den Wert 182 (10110110), R2 die Maske 15 (00001111):")
        .Bemerkung("- AND schneidet Bits aus: 182 AND 15 = 6, nur die unteren vier Bits bleiben.")
        .Bemerkung("- OR setzt Bits: 182 OR 15 = 191.")
        .Bemerkung("- XOR mit 255 kehrt die unteren acht Bits um: 73.")
        .Bemerkung("- NOT kehrt alle 16 Bits um: 65353.")
        .Bemerkung("Zum Schluss prüft AND mit 4, ob Bit 2 gesetzt ist, und gibt 1 oder 0 aus.")
        .Bemerkung("Übung: Welche Maske prüft, ob eine Zahl ungerade ist?");
    p.B(MovAkkuReg, 1)
        .B(OutAkku)
        .B(AndAkkuReg, 2)
        .B(OutAkku)
        .B(MovAkkuReg, 1)
        .B(OrAkkuReg, 2)
        .B(OutAkku)
        .B(MovAkkuReg, 1)
        .B(XorAkkuKonst, 255)
        .B(OutAkku)
        .B(MovAkkuReg, 1)
        .B(NotAkku)
        .B(OutAkku)
        .B(MovAkkuReg, 1)
        .B(AndAkkuKonst, 4)
        .B(JZ, "Ausgabe")
        .B(MovAkkuKonst, 1)
        .Marke("Ausgabe")
        .B(OutAkku)
        .B(OutNewLine);
    p.Register(1, 182, "Wert").Register(2, 15, "Maske");
    return p;
}

Programm Schieben() {
    Programm p("Schieben.CPU");
    p.Bemerkung("Schieben und Rotieren: verdoppeln, halbieren, Bits zählen")
        .Bemerkung("")
        .Bemerkung("Ein Schritt nach links verdoppelt eine Zahl, einer nach rechts halbiert")
        .Bemerkung("sie: 3 wird mit \"SHL Akku Konstante\" 1 zu 6, mit 2 weiteren zu 24, und")
        .Bemerkung("\"SHR Akku Konstante\" 3 macht wieder 3 daraus. \"SHL Akku Register\" nimmt")
        .Bemerkung("die Anzahl aus einem Register (R2 = 4): 1 wird zu 16.")
        .Bemerkung("Dann zählt eine Schleife die gesetzten Bits von R1 (181 = 10110101): jedes")
        .Bemerkung("SHR schiebt das unterste Bit ins Carry-Flag, \"JNC zu Adresse\" überspringt")
        .Bemerkung("das Zählen, wenn es 0 war. Ergebnis in R0: 5.")
        .Bemerkung("Zuletzt rotiert ROL/ROR über 17 Bits: die 16 Bits des Akkus und das Carry.")
        .Bemerkung("\"CLR Carry\" löscht es vorher. 32769 (1000000000000001) wird nach ROL 1 zu")
        .Bemerkung("2 (das oberste Bit steht jetzt im Carry), nach ROL 1 zu 5, nach ROR 2 zu")
        .Bemerkung("32769.");
    p.B(MovAkkuKonst, 3)
        .B(ShlAkkuKonst, 1)
        .B(OutAkku)
        .B(ShlAkkuKonst, 2)
        .B(OutAkku)
        .B(ShrAkkuKonst, 3)
        .B(OutAkku)
        .B(MovAkkuKonst, 1)
        .B(ShlAkkuReg, 2)
        .B(OutAkku)
        .Marke("Schleife")
        .B(MovAkkuReg, 1)
        .B(CmpAkkuKonst, 0)
        .B(JZ, "Gezaehlt")
        .B(ShrAkkuKonst, 1)
        .B(MovRegAkku, 1)
        .B(JNC, "Schleife")
        .B(MovAkkuReg, 0)
        .B(IncAkku)
        .B(MovRegAkku, 0)
        .B(Jump, "Schleife")
        .Marke("Gezaehlt")
        .B(OutReg, 0)
        .B(MovAkkuKonst, 32769)
        .B(ClrCarry)
        .B(RolAkku, 1)
        .B(OutAkku)
        .B(RolAkku, 1)
        .B(OutAkku)
        .B(RorAkku, 2)
        .B(OutAkku)
        .B(OutNewLine);
    p.Register(0, 0, "Einsen").Register(1, 181, "Wert").Register(2, 4, "Anzahl");
    return p;
}

Programm Division() {
    Programm p("Division.CPU");
    p.Bemerkung("Division mit Rest: zwei Zahlen einlesen")
        .Bemerkung("")
        .Bemerkung("Das Programm fragt nach dem Dividenden (nach R1) und dem Divisor (nach R2),")
        .Bemerkung("gibt den Quotienten (\"Div Akku, Register\") und den Rest (\"Mod Akku,")
        .Bemerkung("Register\") aus und macht die Probe: Quotient · Divisor + Rest - Dividend")
        .Bemerkung("muss 0 ergeben. 47 durch 5 gibt 9 Rest 2, die Probe 0.")
        .Bemerkung("Durch 0 zu teilen ist verboten; der Vergleich mit 0 fängt das ab und gibt")
        .Bemerkung("dann 65535 aus. Probieren Sie auch aus, was ohne diese Prüfung geschieht.")
        .Bemerkung("Ohne Fenster: tovak --run Division.CPU --input 47,5");
    p.LiesZahlInRegister(1)
        .LiesZahlInRegister(2)
        .B(CmpAkkuKonst, 0)
        .B(JZ, "DurchNull")
        .B(MovAkkuReg, 1)
        .B(DivAkkuReg, 2)
        .B(MovRegAkku, 3)
        .B(OutAkku)
        .B(MovAkkuReg, 1)
        .B(ModAkkuReg, 2)
        .B(MovRegAkku, 4)
        .B(OutAkku)
        .B(MovAkkuReg, 3)
        .B(MultAkkuReg, 2)
        .B(AddAkkuReg, 4)
        .B(SubAkkuReg, 1)
        .B(OutAkku)
        .B(Jump, "Ende")
        .Marke("DurchNull")
        .B(MovAkkuKonst, 65535)
        .B(OutAkku)
        .Marke("Ende")
        .B(OutNewLine);
    p.Register(1, 0, "Dividend")
        .Register(2, 0, "Divisor")
        .Register(3, 0, "Quotient")
        .Register(4, 0, "Rest");
    return p;
}

Programm Zahlenraten() {
    Programm p("Zahlenraten.CPU");
    p.Bemerkung("Zahlenraten: zu klein, zu groß, getroffen")
        .Bemerkung("")
        .Bemerkung("R1 hält die geheime Zahl (37; ändern Sie sie vor dem Start). Das Programm")
        .Bemerkung("fragt so lange nach einer Zahl, bis sie getroffen ist, und zählt die")
        .Bemerkung("Versuche in R2. \"Compare Akku Register\" vergleicht den Tipp mit R1:")
        .Bemerkung("\"JL zu Adresse\" springt, wenn der Tipp kleiner ist, \"JG zu Adresse\",")
        .Bemerkung("wenn er größer ist. Stellen Sie das Ausgabefenster auf ASCII: die Antwort")
        .Bemerkung("erscheint dann als Zeichen < (zu klein), > (zu groß) oder = (getroffen).")
        .Bemerkung("Ohne Fenster: tovak --run Zahlenraten.CPU --format ascii --input 50,25,37");
    p.Marke("Raten")
        .LiesZahlInRegister(0)
        .B(MovAkkuReg, 2)
        .B(IncAkku)
        .B(MovRegAkku, 2)
        .B(MovAkkuReg, 0)
        .B(CmpAkkuReg, 1)
        .B(JL, "ZuKlein")
        .B(JG, "ZuGross")
        .B(MovAkkuKonst, '=')
        .B(OutAkku)
        .B(Jump, "Ende")
        .Marke("ZuKlein")
        .B(MovAkkuKonst, '<')
        .B(OutAkku)
        .B(Jump, "Raten")
        .Marke("ZuGross")
        .B(MovAkkuKonst, '>')
        .B(OutAkku)
        .B(Jump, "Raten")
        .Marke("Ende")
        .B(OutNewLine);
    p.Register(0, 0, "Tipp").Register(1, 37, "Geheimzahl").Register(2, 0, "Versuche");
    return p;
}

Programm Ampel() {
    Programm p("Ampel.CPU");
    p.Bemerkung("Fußgängerampel: ein Interrupt als Taster")
        .Bemerkung("")
        .Bemerkung("Jedes Bit der Ausgabe ist eine Lampe der Autoampel: 1 grün, 2 gelb, 4 rot.")
        .Bemerkung("Die Ampel steht auf Grün und wartet (\"NOP\" tut nichts, es vergeht nur")
        .Bemerkung("Zeit), bis R3 anzeigt, dass ein Fußgänger gedrückt hat. Der Taster ist die")
        .Bemerkung("Schaltfläche \"Interrupt\": die Service-Routine an Adresse 3000 setzt R3 auf")
        .Bemerkung("1 und kehrt mit \"IRET\" in die Warteschleife zurück. Dann schaltet die")
        .Bemerkung("Ampel über Gelb auf Rot, wartet, zeigt Rot und Gelb zugleich (4 OR 2 = 6)")
        .Bemerkung("und wieder Grün. Nach zwei Fußgängerphasen (Grenze in R6) hält sie an.")
        .Bemerkung("Schalten Sie den Interrupt nach jedem Drücken wieder aus.")
        .Bemerkung("Ohne Fenster: tovak --run Ampel.CPU --interrupt-at 60 --interrupt-at 400");
    p.Marke("Gruen")
        .B(MovAkkuKonst, 1)
        .B(OutAkku)
        .Marke("Warten")
        .B(Nop)
        .B(MovAkkuReg, 3)
        .B(CmpAkkuKonst, 0)
        .B(JZ, "Warten")
        .B(MovAkkuKonst, 2)
        .B(OutAkku)
        .B(MovAkkuKonst, 4)
        .B(OutAkku)
        .B(MovAkkuKonst, 3)
        .Marke("Rotphase")
        .B(Nop)
        .B(DecAkku)
        .B(JNZ, "Rotphase")
        .B(MovAkkuKonst, 4)
        .B(OrAkkuKonst, 2)
        .B(OutAkku)
        .B(MovAkkuKonst, 0)
        .B(MovRegAkku, 3)
        .B(MovAkkuReg, 5)
        .B(IncAkku)
        .B(MovRegAkku, 5)
        .B(CmpAkkuReg, 6)
        .B(JNZ, "Gruen")
        .B(MovAkkuKonst, 1)
        .B(OutAkku)
        .B(OutNewLine);
    p.Ab(3000).B(MovAkkuKonst, 1).B(MovRegAkku, 3).B(Iret);
    p.Register(3, 0, "Anforderung").Register(5, 0, "Phasen").Register(6, 2, "Grenze");
    return p;
}

} // namespace

std::vector<Beispiel> BeispielProgramme() {
    return {Summe().Erzeugen(),         Countdown().Erzeugen(),    Multiplikation().Erzeugen(),
            Unterprogramm().Erzeugen(), EingabeAscii().Erzeugen(), Interrupt().Erzeugen(),
            Logik().Erzeugen(),         Schieben().Erzeugen(),     Division().Erzeugen(),
            Zahlenraten().Erzeugen(),   Ampel().Erzeugen()};
}

} // namespace tovak::test
