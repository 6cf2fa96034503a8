// "Takt zurück": undoing micro-steps restores the whole machine and every display text.
#include "machine/Fehler.h"
#include "support/MachineFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <sstream>

namespace tovak {

// Reads what the control unit keeps to itself, so the tests can compare all of it.
struct SteuerwerkPruefung {
    static std::string Innen(const TSteuerwerk& s) {
        std::ostringstream o;
        for (int code : s.phasen_) {
            o << code << ',';
        }
        const SteuerwerkStand& z = s.z_;
        o << " schritt=" << int{z.schritt} << " phase=" << z.phase << " ip=" << z.ip
          << " sp=" << z.sp << " isr=" << s.isrAdresse_ << " irq=" << s.interruptAnforderung_
          << " befehl=" << z.befehl << " operand=" << z.operand << " name=" << int{z.phasenname}
          << " ausf=" << z.ausfuehrungsname << " fehler=" << int{z.fehler}
          << " merker=" << int{z.merker} << " rahmen=" << z.isrRahmenSP
          << " zaehler=" << s.taktzaehler_ << '/' << s.befehlszaehler_;
        return o.str();
    }
};

namespace {

using test::PlainMachine;

// Everything the machine holds and shows: the small items one line each, the memory and
// register rows as fields (kept short, so that taking many snapshots stays cheap).
struct Zustand {
    std::vector<std::string> zeilen;
    std::vector<std::string> felder; // kSpeicherFelder per memory cell, then the registers
    bool operator==(const Zustand&) const = default;
};
constexpr int kSpeicherFelder = 4;
constexpr int kRegisterFelder = 2;

Zustand Aufnehmen(const PlainMachine& m) {
    Zustand z;
    z.zeilen.push_back(SteuerwerkPruefung::Innen(m.steuerwerk));
    std::ostringstream r;
    const TRechenwerk& rw = m.rechenwerk;
    r << "akku=" << rw.GetAkku() << " op=" << rw.GetOperand() << " flags=" << rw.GetZeroFlag()
      << rw.GetCarryFlag() << rw.GetParityFlag() << rw.GetSignFlag()
      << " db=" << m.datenbus.GetValue() << " ab=" << m.adressbus.GetValue()
      << " ea=" << m.ea.GetValue() << " ip-anzeige=" << m.ipAnzeige.value
      << " ea-anzeige=" << m.eaSpin.value << " zeilen=" << m.speicherGrid.Row() << '/'
      << m.registerGrid.Row() << " label=" << m.ausgabe.label;
    z.zeilen.push_back(r.str());
    z.zeilen.push_back(m.befehl.Text());
    for (const PlainValueDisplay* d :
         {&m.datenbusPanel, &m.adressbusPanel, &m.akku, &m.operand, &m.zero, &m.carry, &m.parity,
          &m.sign, &m.spAnzeige, &m.isrAnzeige, &m.mikroschritt, &m.befehlsname}) {
        z.zeilen.push_back(d->Text() + " | " + d->Hint());
    }
    for (const std::string& zeile : m.ausgabe.lines) {
        z.zeilen.push_back("ausgabe: " + zeile);
    }
    z.felder.reserve(kSpeicherFelder * TRAM::kZellen + kRegisterFelder * TReg::kRegisterZahl);
    for (int a = 0; a < TRAM::kZellen; ++a) {
        z.felder.push_back(std::to_string(m.speicher.GetValue(a)));
        z.felder.push_back(std::to_string(m.speicher.GetBefehlsnummer(a)));
        z.felder.push_back(m.speicher.IstBefehl(a) ? "B" : "D");
        // The grid's texts follow from the value, number and mark, and the stack label.
        z.felder.push_back(StapelmarkeText(m.speicher.GetMarke(a)));
    }
    for (int i = 0; i < TReg::kRegisterZahl; ++i) {
        z.felder.push_back(std::to_string(m.reg.GetValue(i)));
        z.felder.push_back(m.reg.GetName(i));
    }
    return z;
}

std::string Name(std::size_t feld) {
    const std::size_t speicher = kSpeicherFelder * TRAM::kZellen;
    if (feld < speicher) {
        return "memory " + std::to_string(feld / kSpeicherFelder) + " field " +
               std::to_string(feld % kSpeicherFelder);
    }
    return "register " + std::to_string((feld - speicher) / kRegisterFelder) + " field " +
           std::to_string((feld - speicher) % kRegisterFelder);
}

// Equal, or the first differences in readable form.
::testing::AssertionResult GleicherZustand(const Zustand& soll, const PlainMachine& m) {
    const Zustand ist = Aufnehmen(m);
    if (soll == ist) {
        return ::testing::AssertionSuccess();
    }
    auto fehler = ::testing::AssertionFailure();
    int n = 0;
    auto vergleiche = [&](const std::vector<std::string>& a, const std::vector<std::string>& b,
                          bool felder) {
        for (std::size_t i = 0; i < std::max(a.size(), b.size()) && n < 8; ++i) {
            const std::string x = i < a.size() ? a[i] : "<none>";
            const std::string y = i < b.size() ? b[i] : "<none>";
            if (x != y) {
                fehler << "\n  " << (felder ? Name(i) : "line " + std::to_string(i))
                       << ": expected " << x << "\n      got " << y;
                ++n;
            }
        }
    };
    vergleiche(soll.zeilen, ist.zeilen, false);
    vergleiche(soll.felder, ist.felder, true);
    return fehler;
}

// What the window does around a Takt: a thrown range error leaves the step where it is, an
// error code 1 to 6 sets the cycle back to address 0 (as part of the failed step).
struct Ablauf {
    int takte = 0, ausnahmen = 0, fehlerstopps = 0;
    bool interruptEintritt = false, goSub = false, iret = false, eingabe = false;

    void Takt(PlainMachine& m) {
        TSteuerwerk& s = m.steuerwerk;
        ++takte;
        try {
            s.Takt();
        } catch (const TovakFehler&) {
            ++ausnahmen;
            return;
        }
        interruptEintritt |= s.GetPhase() == 26;
        goSub |= s.GetPhase() == 25 && s.GetBefehl() == 452;
        iret |= s.GetPhase() == 29;
        eingabe |= s.GetPhase() == 31;
        const int fehler = s.GetFehler();
        if (fehler != KeinFehler && fehler != CPUStop) {
            ++fehlerstopps;
            s.Nachtrag([&] {
                s.SetSchritt(0);
                s.SetIPWeiter(false);
                s.SetFehler(KeinFehler);
                s.SetIP(0);
            });
        }
    }
};

// A random program: every instruction kind, operands mostly in range, jumps and calls into
// the program, a service routine at 3000, a few cells that are no instruction.
void Zufallsprogramm(PlainMachine& m, std::mt19937& zufall) {
    static const std::vector<int> befehle = [] {
        std::vector<int> b;
        for (int n = 1; n <= 470; ++n) {
            if (BefehlsLaenge(n) > 0) {
                b.push_back(n);
            }
        }
        return b;
    }();
    auto wuerfel = [&](int von, int bis) {
        return std::uniform_int_distribution<int>(von, bis)(zufall);
    };
    auto programm = [&](int start, int laenge, bool mitIret) {
        int a = start;
        while (a < start + laenge) {
            int befehl = befehle[static_cast<std::size_t>(wuerfel(0, int(befehle.size()) - 1))];
            if (wuerfel(0, 40) == 0) {
                befehl = wuerfel(0, 1) ? 0 : 100; // CPU Stop, or no instruction
            }
            if (mitIret && wuerfel(0, 6) == 0) {
                befehl = 450;
            }
            m.speicher.SetCell(befehl, a++, befehl, befehl != 0);
            if (BefehlsLaenge(befehl) == 2) {
                int operand = 0;
                switch (OperandArtVon(befehl)) {
                case OperandArt::Register:
                    operand = wuerfel(0, 60) == 0 ? 200 : wuerfel(0, 9);
                    break;
                case OperandArt::Anzahl:
                    operand = wuerfel(1, 16);
                    break;
                case OperandArt::Adresse:
                    operand = wuerfel(0, 10) == 0 ? 3000 : wuerfel(start, start + laenge);
                    break;
                default:
                    operand = wuerfel(0, 3) == 0 ? wuerfel(0, 65535) : wuerfel(0, 20);
                }
                m.speicher.SetCell(0, a++, operand, false);
            }
        }
    };
    programm(0, wuerfel(10, 60), false);
    programm(3000, wuerfel(3, 12), true);
    m.speicher.SetCell(450, 3020, 450, true);
    for (int r = 0; r < 10; ++r) {
        m.reg.SetValue(r, wuerfel(0, 3) == 0 ? wuerfel(0, 65535) : wuerfel(0, 20));
    }
    for (int i = 0; i < 20; ++i) {
        m.eingaben.push_back(wuerfel(0, 12) == 0 ? -1 : wuerfel(0, 300));
    }
    m.StartVon0();
    m.steuerwerk.SetInterrupt(wuerfel(0, 2) == 0);
}

TEST(Journal, RandomProgramsUndoToEveryEarlierStateAndRunTheSameAgain) {
    Ablauf gesamt;
    for (unsigned seed = 1; seed <= 80; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        std::mt19937 zufall(seed);
        PlainMachine m;
        Zufallsprogramm(m, zufall);
        const std::deque<int> eingaben = m.eingaben;
        m.steuerwerk.JournalEinschalten();

        // Snapshots at a few random moments of a run of k micro-steps.
        const int k = std::uniform_int_distribution<int>(1, 600)(zufall);
        std::vector<std::pair<std::size_t, Zustand>> punkte;
        punkte.emplace_back(0, Aufnehmen(m));
        Ablauf ablauf;
        for (int i = 1; i <= k; ++i) {
            ablauf.Takt(m);
            if (zufall() % 151 == 0) {
                punkte.emplace_back(m.steuerwerk.GetJournal()->Schritte(), Aufnehmen(m));
            }
        }
        const auto ende = Aufnehmen(m);
        const std::size_t schritte = m.steuerwerk.GetJournal()->Schritte();
        EXPECT_LE(schritte, static_cast<std::size_t>(k));

        // Back, checkpoint by checkpoint, to the start.
        for (auto p = punkte.rbegin(); p != punkte.rend(); ++p) {
            while (m.steuerwerk.GetJournal()->Schritte() > p->first) {
                ASSERT_TRUE(m.steuerwerk.TaktZurueck());
            }
            EXPECT_TRUE(GleicherZustand(p->second, m));
        }
        EXPECT_FALSE(m.steuerwerk.TaktZurueck());

        // Forward again with the same answers: the hidden state came back too.
        m.eingaben = eingaben;
        Ablauf wieder;
        for (int i = 1; i <= k; ++i) {
            wieder.Takt(m);
        }
        EXPECT_TRUE(GleicherZustand(ende, m));
        EXPECT_EQ(m.steuerwerk.GetJournal()->Schritte(), schritte);

        gesamt.ausnahmen += ablauf.ausnahmen;
        gesamt.fehlerstopps += ablauf.fehlerstopps;
        gesamt.interruptEintritt |= ablauf.interruptEintritt;
        gesamt.goSub |= ablauf.goSub;
        gesamt.iret |= ablauf.iret;
        gesamt.eingabe |= ablauf.eingabe;
    }
    // The programs met everything the journal must take back.
    EXPECT_GT(gesamt.ausnahmen, 0);
    EXPECT_GT(gesamt.fehlerstopps, 0);
    EXPECT_TRUE(gesamt.interruptEintritt);
    EXPECT_TRUE(gesamt.goSub);
    EXPECT_TRUE(gesamt.iret);
    EXPECT_TRUE(gesamt.eingabe);
}

// A subroutine call, an interrupt and an error stop in one run, checked after every step.
TEST(Journal, UndoesStepByStepAcrossGoSubInterruptAndErrorStop) {
    PlainMachine m;
    m.Programm(0, {{65, 7}, {452, 20}, {390}, {387}, {66, 200}});
    m.Programm(20, {{139}, {67, 3}, {450}});
    m.Programm(3000, {{140}, {450}});
    m.eingaben = {9};
    m.StartVon0();
    m.steuerwerk.JournalEinschalten();
    std::vector<Zustand> vorher;
    std::size_t knopfGedrueckt = 0;
    Ablauf ablauf;
    for (int i = 0; i < 200 && ablauf.ausnahmen == 0; ++i) {
        if (m.steuerwerk.GetPhase() == 29 && knopfGedrueckt == 0) {
            m.steuerwerk.SetInterrupt(true); // accepted at the end of the IRET
            knopfGedrueckt = vorher.size();
        }
        vorher.push_back(Aufnehmen(m));
        ablauf.Takt(m);
    }
    ASSERT_TRUE(ablauf.goSub && ablauf.iret && ablauf.interruptEintritt && ablauf.eingabe);
    // "Move Akku, Register" with register 200 throws half-way through.
    ASSERT_EQ(ablauf.ausnahmen, 1);
    ASSERT_EQ(m.ausgabe.lines, (std::vector<std::string>{"9   1001", "", "7   111"}));
    while (!vorher.empty()) {
        ASSERT_TRUE(m.steuerwerk.TaktZurueck());
        // The request line is the user's: undo leaves it as pressed, the user releases it.
        if (vorher.size() == knopfGedrueckt) {
            EXPECT_TRUE(m.steuerwerk.GetInterrupt());
            m.steuerwerk.SetInterrupt(false);
        }
        EXPECT_TRUE(GleicherZustand(vorher.back(), m)) << "undone to step " << vorher.size() - 1;
        vorher.pop_back();
    }
    EXPECT_FALSE(m.steuerwerk.TaktZurueck());
    EXPECT_TRUE(m.ausgabe.lines.empty());
}

TEST(Journal, ErrorStopAndCancelledInputAreUndoneWithTheStep) {
    PlainMachine m;
    m.Programm(0, {{390}, {5}});
    m.StartVon0();
    m.steuerwerk.JournalEinschalten();
    Ablauf ablauf;
    for (int i = 0; i < 3; ++i) {
        ablauf.Takt(m);
    }
    const auto vorEingabe = Aufnehmen(m);
    ablauf.Takt(m); // no answer: cancelled, error 6 and the reset to address 0
    ASSERT_EQ(ablauf.fehlerstopps, 1);
    EXPECT_EQ(m.steuerwerk.GetSchritt(), 0);
    ASSERT_TRUE(m.steuerwerk.TaktZurueck());
    EXPECT_TRUE(GleicherZustand(vorEingabe, m));

    // Forward again asks again; undo takes the answer's two lines back.
    m.eingaben = {65535};
    ablauf.Takt(m);
    EXPECT_TRUE(m.eingaben.empty());
    EXPECT_EQ(m.ausgabe.lines.size(), 2u);
    EXPECT_EQ(m.ausgabe.LabelText(), "1111111111111111");
    ASSERT_TRUE(m.steuerwerk.TaktZurueck());
    EXPECT_TRUE(GleicherZustand(vorEingabe, m));
    // The unknown instruction 5 stops with error 1 after its decode.
    m.eingaben = {1};
    while (ablauf.fehlerstopps < 2) {
        ablauf.Takt(m);
    }
    EXPECT_EQ(m.steuerwerk.GetIP(), 0);
    EXPECT_EQ(m.steuerwerk.GetBefehlszaehler(), 2);
    ASSERT_TRUE(m.steuerwerk.TaktZurueck());
    EXPECT_EQ(m.steuerwerk.GetFehler(), KeinFehler);
    EXPECT_EQ(m.steuerwerk.GetNaechstePhase(), 3);
    EXPECT_EQ(m.steuerwerk.GetIP(), 1);
    EXPECT_EQ(m.steuerwerk.GetBefehlszaehler(), 1);
}

// Undoing a micro-step performs the instruction's earlier ones again: they must see the number
// typed and the request line as they were then, not ask again or read the line as it is now.
TEST(Journal, UndoInsideAnInstructionReplaysTheNumberTypedAndTheLineAsRead) {
    PlainMachine m;
    m.Programm(0, {{390}});
    m.Programm(3000, {{450}});
    m.eingaben = {77};
    m.StartVon0();
    m.steuerwerk.JournalEinschalten();
    std::vector<Zustand> vorher;
    std::vector<bool> leitung;
    // Fetch, decode, the number input; the button pressed before the interrupt test; the
    // four steps entering the service routine, all of one instruction.
    for (int i = 0; i < 9; ++i) {
        if (i == 4) {
            m.steuerwerk.SetInterrupt(true);
        }
        leitung.push_back(m.steuerwerk.GetInterrupt());
        vorher.push_back(Aufnehmen(m));
        m.steuerwerk.Takt();
    }
    ASSERT_EQ(m.steuerwerk.GetIP(), 3000);
    ASSERT_EQ(m.ea.GetValue(), 77);
    m.steuerwerk.SetInterrupt(false); // released: nothing may read it so from now on
    const std::size_t boxen = m.fehlerBoxen.size();
    while (!vorher.empty()) {
        ASSERT_TRUE(m.steuerwerk.TaktZurueck());
        EXPECT_EQ(m.steuerwerk.GetJournal()->Schritte(), vorher.size() - 1);
        // The line stays as the user left it; with the line as it was, all else is equal.
        EXPECT_FALSE(m.steuerwerk.GetInterrupt());
        m.steuerwerk.SetInterrupt(leitung.back());
        EXPECT_TRUE(GleicherZustand(vorher.back(), m)) << "undone to step " << vorher.size() - 1;
        m.steuerwerk.SetInterrupt(false);
        vorher.pop_back();
        leitung.pop_back();
    }
    EXPECT_FALSE(m.steuerwerk.TaktZurueck());
    EXPECT_EQ(m.fehlerBoxen.size(), boxen);
}

TEST(Journal, UndoKeepsWhatChangedBetweenTwoStepsAndStepsThatThrowAgainAndAgain) {
    PlainMachine m;
    m.Programm(0, {{65, 7}, {66, 200}});
    m.StartVon0();
    m.steuerwerk.JournalEinschalten();
    for (int i = 0; i < 3; ++i) {
        m.steuerwerk.Takt();
    }
    // Changed outside a micro-step in the middle of the instruction: undoing a later step
    // must start from there, not from the instruction's start.
    m.steuerwerk.SetSP(200);
    std::vector<Zustand> vorher;
    Ablauf ablauf;
    // "Move Akku, Register" with register 200 throws half-way through, every time it is
    // tried: more tries than one record holds.
    for (int i = 0; i < 150; ++i) {
        vorher.push_back(Aufnehmen(m));
        ablauf.Takt(m);
    }
    ASSERT_GT(ablauf.ausnahmen, 100);
    while (!vorher.empty()) {
        ASSERT_TRUE(m.steuerwerk.TaktZurueck());
        ASSERT_TRUE(GleicherZustand(vorher.back(), m)) << "undone to step " << vorher.size() - 1;
        vorher.pop_back();
    }
    EXPECT_EQ(m.steuerwerk.GetSP(), 200);
    ASSERT_TRUE(m.steuerwerk.TaktZurueck());
    ASSERT_TRUE(m.steuerwerk.TaktZurueck());
    EXPECT_EQ(m.steuerwerk.GetSP(), 255);
}

// The loop of the benchmark: a million micro-steps stay undoable within 64 MB; with a small
// limit the oldest are dropped and the newest still undo to the right state.
TEST(Journal, KeepsAMillionStepsAndDropsTheOldestBeyondItsLimit) {
    auto schleife = [](PlainMachine& m) {
        m.Programm(
            0, {{65, 1000}, {67, 0}, {66, 0}, {140}, {67, 0}, {387}, {322, 0}, {325, 4}, {323, 0}});
        m.StartVon0();
    };
    PlainMachine m;
    schleife(m);
    m.steuerwerk.JournalEinschalten();
    for (int i = 0; i < 1'000'000; ++i) {
        m.steuerwerk.Takt();
    }
    EXPECT_EQ(m.steuerwerk.GetJournal()->Schritte(), 1'000'000u);
    EXPECT_LE(m.steuerwerk.GetJournal()->Speicherbytes(), 64'000'000u);

    PlainMachine klein;
    schleife(klein);
    klein.steuerwerk.JournalEinschalten(TJournal::kBlockGroesse);
    constexpr std::size_t kTakte = 1'000'000;
    for (std::size_t i = 0; i < kTakte; ++i) {
        klein.steuerwerk.Takt();
    }
    const std::size_t behalten = klein.steuerwerk.GetJournal()->Schritte();
    EXPECT_LE(klein.steuerwerk.GetJournal()->Speicherbytes(), 3 * TJournal::kBlockGroesse);
    ASSERT_GT(behalten, 10'000u);
    ASSERT_LT(behalten, kTakte);
    while (klein.steuerwerk.TaktZurueck()) {
    }
    PlainMachine vergleich;
    schleife(vergleich);
    for (std::size_t i = 0; i < kTakte - behalten; ++i) {
        vergleich.steuerwerk.Takt();
    }
    // The output lines of the dropped steps stay, as in the shorter run.
    EXPECT_TRUE(GleicherZustand(Aufnehmen(vergleich), klein));
}

TEST(Journal, RecordsOnlyInsideARecordAndKeepsLongRecords) {
    TJournal j;
    j.Merke(JournalFeld::EAWert, 5); // no record open: nothing kept
    EXPECT_TRUE(j.Leer());

    // A record longer than a block moves to a block of its own, its head with it.
    constexpr int kViele = 300'000;
    const std::uint8_t bytes[3] = {7, 8, 9};
    j.Oeffnen()[0] = 42;
    j.MerkeBytes(JournalFeld::Phasen, 4, bytes, sizeof bytes);
    for (int i = 0; i < kViele; ++i) {
        j.Merke(JournalFeld::Speicherwert, 3999, -i);
    }
    j.Merke(JournalFeld::EAWert, std::int64_t{1} << 40);
    EXPECT_EQ(j.Kopf()[0], 42);
    j.Schliessen();
    j.Oeffnen()[0] = 43;
    j.Merke(JournalFeld::Registerzeile, 300);
    j.Schliessen();
    ASSERT_TRUE(j.Fortsetzen());
    j.Merke(JournalFeld::Eingabe, 1);
    j.Schliessen();
    EXPECT_EQ(j.Schritte(), 42u + 43u); // by the first byte of each head

    const std::uint8_t* kopf = nullptr;
    std::vector<TJournal::Eintrag> e;
    std::vector<std::uint8_t> puffer;
    ASSERT_TRUE(j.Zuruecknehmen(kopf, e, puffer));
    EXPECT_EQ(kopf[0], 43);
    ASSERT_EQ(e.size(), 2u);
    EXPECT_EQ(e[0].feld, JournalFeld::Registerzeile);
    EXPECT_EQ(e[1].feld, JournalFeld::Eingabe);
    EXPECT_EQ(e[1].wert, 1);
    ASSERT_TRUE(j.Zuruecknehmen(kopf, e, puffer));
    EXPECT_EQ(kopf[0], 42);
    ASSERT_EQ(e.size(), kViele + 2u);
    EXPECT_EQ(e[0].index, 4);
    ASSERT_EQ(e[0].anzahl, 3u);
    EXPECT_EQ(e[0].bytes[2], 9);
    EXPECT_EQ(e[kViele].index, 3999);
    EXPECT_EQ(e[kViele].wert, 1 - kViele);
    EXPECT_EQ(e[kViele + 1].wert, std::int64_t{1} << 40);
    EXPECT_FALSE(j.Zuruecknehmen(kopf, e, puffer));
    EXPECT_EQ(j.Nutzbytes(), 0u);
}

} // namespace
} // namespace tovak
