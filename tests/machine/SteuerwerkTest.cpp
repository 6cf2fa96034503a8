#include "machine/Fehler.h"
#include "support/MachineFixture.h"

#include <map>

#include <gtest/gtest.h>

namespace tovak {
namespace {

using test::PlainMachine;

class SteuerwerkTest : public ::testing::Test {
protected:
    TSteuerwerk& sw() { return m.steuerwerk; }
    PlainMachine m;
};

TEST_F(SteuerwerkTest, StartsWithItsCreationValues) {
    EXPECT_EQ(sw().GetIP(), 0);
    EXPECT_EQ(m.spAnzeige.Text(), " 4000");
    EXPECT_EQ(m.isrAnzeige.Text(), " 3000");
    EXPECT_EQ(sw().GetPhase(), KeinWert);
    EXPECT_EQ(sw().GetNaechstePhase(), 1);
    EXPECT_EQ(m.befehl.Text(), "");
    EXPECT_EQ(m.adressbusPanel.Text(), "-");
}

TEST_F(SteuerwerkTest, MovAkkuKonstanteWalksItsMicroSteps) {
    m.Programm(0, {{65, 5}});
    m.StartVon0();
    struct Step {
        const char* name;
        int ip;
        const char* ab;
        const char* db;
        const char* befehl;
    };
    const Step steps[] = {
        {"Befehl adressieren", 0, "000", "0x0000", ""},
        {"Befehl lesen", 0, "000", "0x0041", "0x0041"},
        {"Befehl decodieren", 0, "000", "0x0041", "0x0041"},
        {"Befehls-Operand adressieren", 1, "001", "0x0041", "0x0041"},
        {"Befehls-Operand lesen", 1, "001", "0x0005", "0x0041  0x0005"},
        {"Konstante in Akku", 1, "001", "0x0005", "0x0041  0x0005"},
        {"Test auf Interrupt", 1, "001", "0x0005", ""},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.name);
        sw().Takt();
        EXPECT_EQ(m.mikroschritt.Text(), s.name);
        EXPECT_EQ(sw().GetIP(), s.ip);
        EXPECT_EQ(m.adressbusPanel.Text(), s.ab);
        EXPECT_EQ(m.datenbusPanel.Text(), s.db);
        EXPECT_EQ(m.befehl.Text(), s.befehl);
    }
    EXPECT_EQ(m.rechenwerk.GetAkku(), 5);
    EXPECT_EQ(m.befehlsname.Text(), "");
    EXPECT_EQ(sw().GetSchritt(), 0);
    sw().Takt();
    EXPECT_EQ(m.mikroschritt.Text(), "Befehl adressieren");
    EXPECT_EQ(sw().GetIP(), 2);
    EXPECT_EQ(m.ipAnzeige.value, 2);
    EXPECT_EQ(m.ipAenderungen.back(), 2);
}

TEST_F(SteuerwerkTest, DecodingShowsTheExecutionName) {
    m.Programm(0, {{323, 20}, {324, 30}});
    m.StartVon0();
    for (int i = 0; i < 3; ++i) {
        sw().Takt();
    }
    EXPECT_EQ(m.befehlsname.Text(), "Jump Absolute");
    EXPECT_EQ(sw().GetNaechstePhase(), 4);
}

TEST_F(SteuerwerkTest, TakenJumpFetchesTheTargetItself) {
    m.Programm(0, {{323, 20}});
    m.Programm(20, {{451}});
    m.StartVon0();
    m.Befehl();
    EXPECT_EQ(sw().GetIP(), 20);
    sw().Takt();
    EXPECT_EQ(m.adressbusPanel.Text(), "020");
}

TEST_F(SteuerwerkTest, NotTakenJumpSkipsItsOperand) {
    m.Programm(0, {{130, 1}, {324, 20}, {451}});
    m.StartVon0();
    m.Befehl();
    ASSERT_FALSE(m.rechenwerk.GetZeroFlag());
    m.Befehl();
    EXPECT_EQ(sw().GetIP(), 3);
    sw().Takt();
    EXPECT_EQ(sw().GetIP(), 4);
    EXPECT_EQ(m.adressbusPanel.Text(), "004");
}

TEST_F(SteuerwerkTest, RegisterInstructionsMoveValuesBothWays) {
    m.reg.SetValue(3, 40);
    m.Programm(0, {{66, 3}, {130, 2}, {67, 4}, {131, 3}});
    m.StartVon0();
    EXPECT_EQ(m.LaufeBisFehler(), 8 + 10 + 8 + 11 + 3);
    EXPECT_EQ(sw().GetFehler(), CPUStop);
    EXPECT_EQ(m.reg.GetValue(4), 42);
    EXPECT_EQ(m.rechenwerk.GetAkku(), 2);
    EXPECT_EQ(m.reg.Zellentext(1, 5), " 0x002A");
}

TEST_F(SteuerwerkTest, MultiplicationLoopRunsToCpuStop) {
    m.reg.SetValue(1, 6);
    m.reg.SetValue(2, 7);
    m.Programm(0, {{65, 0},
                   {67, 3},
                   {66, 2}, // loop: while R2 != 0
                   {322, 0},
                   {324, 23},
                   {66, 3}, // R3 := R3 + R1
                   {129, 1},
                   {67, 3},
                   {66, 2}, // R2 := R2 - 1
                   {140},
                   {67, 2},
                   {323, 4}});
    m.StartVon0();
    m.LaufeBisFehler();
    EXPECT_EQ(sw().GetFehler(), CPUStop);
    EXPECT_EQ(m.reg.GetValue(3), 42);
    EXPECT_EQ(m.reg.GetValue(2), 0);
    EXPECT_EQ(sw().GetIP(), 23);
}

TEST_F(SteuerwerkTest, CpuStopHaltsAndStaysHalted) {
    m.StartVon0();
    EXPECT_EQ(m.LaufeBisFehler(), 3);
    EXPECT_EQ(sw().GetFehler(), CPUStop);
    EXPECT_EQ(m.befehlsname.Text(), "CPU Stop");
    EXPECT_STREQ(Fehlermeldung(CPUStop), "");
    // Another Takt begins a new instruction at the same cell instead of running on.
    EXPECT_EQ(sw().GetSchritt(), 0);
    sw().Takt();
    EXPECT_EQ(m.mikroschritt.Text(), "Befehl adressieren");
    EXPECT_EQ(sw().GetIP(), 0);
}

TEST_F(SteuerwerkTest, UnknownInstructionIsErrorOne) {
    m.speicher.SetCell(0, 0, 100, false);
    m.StartVon0();
    m.LaufeBisFehler();
    EXPECT_EQ(sw().GetFehler(), FehlerBefehlUnbekannt);
    EXPECT_EQ(m.befehlsname.Text(), "");
    EXPECT_STREQ(Fehlermeldung(1), "Der Befehl wurde nicht erkannt");
}

TEST_F(SteuerwerkTest, InstructionPointerOverflowIsErrorTwo) {
    sw().SetIP(65535);
    sw().SetIPWeiter(true);
    sw().Takt();
    EXPECT_EQ(sw().GetFehler(), FehlerIPUeberlauf);
    EXPECT_EQ(sw().GetIP(), 65535);
    EXPECT_EQ(m.adressbusPanel.Text(), "65535");
    EXPECT_STREQ(Fehlermeldung(2), "Instruktion-Pointer Überlauf");
}

TEST_F(SteuerwerkTest, RangeErrorLeavesTheStepWhereItWas) {
    m.Programm(0, {{66, 200}});
    m.StartVon0();
    for (int i = 0; i < 5; ++i) {
        sw().Takt();
    }
    m.datenbus.SetValue(77);
    EXPECT_EQ(m.adressbusPanel.Text(), "200");
    const auto schritt = sw().GetSchritt();
    EXPECT_EQ(sw().GetNaechstePhase(), 11);
    EXPECT_THROW(sw().Takt(), Bereichsfehler);
    EXPECT_EQ(sw().GetSchritt(), schritt);
    EXPECT_EQ(sw().GetFehler(), 0);
    EXPECT_EQ(m.datenbus.GetValue(), 77);

    // Out-of-range cells are refused where they would reach the Akku.
    m.speicher.SetCell(65, 10, 65, true);
    m.speicher.SetCell(0, 11, 70000, false);
    sw().SetIP(10);
    sw().SetSchritt(0);
    sw().SetIPWeiter(false);
    for (int i = 0; i < 5; ++i) {
        sw().Takt();
    }
    EXPECT_THROW(sw().Takt(), Bereichsfehler);
    EXPECT_EQ(m.rechenwerk.GetAkku(), 0);
}

TEST_F(SteuerwerkTest, DivisionByZeroStopsMicroStep21) {
    m.Programm(0, {{65, 9}, {138, 0}});
    m.StartVon0();
    m.Befehl();
    for (int i = 0; i < 8; ++i) {
        sw().Takt();
    }
    EXPECT_EQ(sw().GetNaechstePhase(), 21);
    EXPECT_THROW(sw().Takt(), DivisionDurchNull);
    EXPECT_EQ(sw().GetNaechstePhase(), 21);
    EXPECT_EQ(m.rechenwerk.GetOperand(), 9);
}

TEST_F(SteuerwerkTest, InputAndOutputInstructions) {
    m.eingaben = {12};
    m.Programm(0, {{390}, {385}, {139}, {387}, {389}, {388, 5}});
    m.reg.SetValue(5, 3);
    m.StartVon0();
    m.LaufeBisFehler();
    EXPECT_EQ(sw().GetFehler(), CPUStop);
    const std::vector<std::string> expected = {"12   1100", "", "13   1101", "", "3   11"};
    EXPECT_EQ(m.ausgabe.lines, expected);
    EXPECT_EQ(m.eaSpin.value, 3);

    m.StartVon0();
    m.LaufeBisFehler();
    EXPECT_EQ(sw().GetFehler(), FehlerEingabeAbbruch);
    EXPECT_STREQ(Fehlermeldung(6), "Abbruch der Eingabe");
}

TEST_F(SteuerwerkTest, InRegisterWritesTheRegisterNotTheMemory) {
    m.ea.SetValue(42);
    m.ausgabe.lines.clear();
    m.Programm(0, {{386, 5}});
    m.StartVon0();
    m.Befehl();
    EXPECT_EQ(m.reg.GetValue(5), 42);
    EXPECT_EQ(m.speicher.GetValue(5), 0);
    EXPECT_EQ(m.speicher.GetValue(1), 5);
    EXPECT_EQ(m.reg.Zellentext(1, 6), " 0x002A");
    EXPECT_EQ(m.registerGrid.changedRows.back(), 6);
    EXPECT_TRUE(m.ausgabe.lines.empty()); // reading the unit writes no line
}

// The micro-step list of every instruction, as the catalogue gives it, after the three of
// every fetch (1, 2, 3). Written out by number here, apart from the instruction table.
TEST_F(SteuerwerkTest, EveryInstructionRunsTheMicroStepsOfTheCatalogue) {
    using Liste = std::vector<int>;
    const Liste registerRechnen = {4, 8, 11, 9, 6, 18, 21, 22};
    const Liste konstanteRechnen = {4, 5, 9, 6, 18, 21, 22};
    const Liste ohneOperand = {18, 21, 22};
    const Liste sprung = {4, 5, 21, 22};
    std::map<int, Liste> katalog = {
        {65, {4, 5, 6, 22}},
        {66, {4, 8, 11, 16, 22}},
        {67, {4, 8, 12, 15, 22}},
        {385, {13, 16, 22}},
        {386, {4, 8, 13, 15, 22}},
        {387, {12, 17, 22}},
        {388, {4, 8, 11, 17, 22}},
        {389, {12, 32, 22}},
        {390, {31, 22}},
        {450, {27, 28, 29, 22}},
        {451, {22}},
        {452, {4, 5, 23, 24, 25, 21, 22}},
    };
    for (int n : {129, 131, 133, 135, 137, 193, 195, 197, 257, 259, 321}) {
        katalog[n] = registerRechnen;
    }
    for (int n : {130, 132, 134, 136, 138, 194, 196, 198, 258, 260, 261, 262, 322}) {
        katalog[n] = konstanteRechnen;
    }
    for (int n : {139, 140, 199, 449}) {
        katalog[n] = ohneOperand;
    }
    for (int n = 323; n <= 335; ++n) {
        katalog[n] = sprung;
    }
    ASSERT_EQ(katalog.size(), 53u);
    m.reg.SetValue(1, 1); // operand 1: a register or constant that divides
    int tabelle = 0;
    for (const Befehlsbeschreibung* b = AlleBefehleBegin(); b != AlleBefehleEnd(); ++b) {
        ++tabelle;
        SCOPED_TRACE(b->nummer);
        ASSERT_EQ(katalog.count(b->nummer), 1u);
        const Liste& erwartet = katalog[b->nummer];
        Liste tabellenliste;
        for (Mikroschritt s : b->schritte) {
            tabellenliste.push_back(static_cast<int>(s));
        }
        EXPECT_EQ(tabellenliste, erwartet);

        m.speicher.SetCell(b->nummer, 0, b->nummer, true);
        m.speicher.SetCell(0, 1, 1, false);
        m.StartVon0();
        Liste gelaufen;
        for (int i = 0; i < 3 + static_cast<int>(erwartet.size()); ++i) {
            sw().Takt();
            gelaufen.push_back(sw().GetPhase());
        }
        EXPECT_EQ(Liste(gelaufen.begin(), gelaufen.begin() + 3), (Liste{1, 2, 3}));
        EXPECT_EQ(Liste(gelaufen.begin() + 3, gelaufen.end()), erwartet);
        EXPECT_EQ(sw().GetSchritt(), 0); // the list ended
    }
    EXPECT_EQ(tabelle, 53);
}

} // namespace
} // namespace tovak
