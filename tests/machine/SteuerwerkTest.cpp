#include "machine/Fehler.h"
#include "support/MachineFixture.h"

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
    EXPECT_EQ(m.spAnzeige.text, " 4000");
    EXPECT_EQ(m.isrAnzeige.text, " 3000");
    EXPECT_EQ(sw().GetPhase(), KeinWert);
    EXPECT_EQ(sw().GetNaechstePhase(), 1);
    EXPECT_EQ(m.befehl.text, "");
    EXPECT_EQ(m.adressbusPanel.text, "-");
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
        EXPECT_EQ(m.mikroschritt.text, s.name);
        EXPECT_EQ(sw().GetIP(), s.ip);
        EXPECT_EQ(m.adressbusPanel.text, s.ab);
        EXPECT_EQ(m.datenbusPanel.text, s.db);
        EXPECT_EQ(m.befehl.text, s.befehl);
    }
    EXPECT_EQ(m.rechenwerk.GetAkku(), 5);
    EXPECT_EQ(m.befehlsname.text, "");
    EXPECT_EQ(sw().GetSchritt(), 0);
    sw().Takt();
    EXPECT_EQ(m.mikroschritt.text, "Befehl adressieren");
    EXPECT_EQ(sw().GetIP(), 2);
    EXPECT_EQ(m.ipAnzeige.number, 2);
    EXPECT_EQ(m.ipAenderungen.back(), 2);
}

TEST_F(SteuerwerkTest, DecodingShowsTheExecutionName) {
    m.Programm(0, {{323, 20}, {324, 30}});
    m.StartVon0();
    for (int i = 0; i < 3; ++i) {
        sw().Takt();
    }
    EXPECT_EQ(m.befehlsname.text, "Jump Absolute");
    EXPECT_EQ(sw().GetNaechstePhase(), 4);
}

TEST_F(SteuerwerkTest, TakenJumpFetchesTheTargetItself) {
    m.Programm(0, {{323, 20}});
    m.Programm(20, {{451}});
    m.StartVon0();
    m.Befehl();
    EXPECT_EQ(sw().GetIP(), 20);
    sw().Takt();
    EXPECT_EQ(m.adressbusPanel.text, "020");
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
    EXPECT_EQ(m.adressbusPanel.text, "004");
}

TEST_F(SteuerwerkTest, RegisterInstructionsMoveValuesBothWays) {
    m.reg.SetValue(3, 40);
    m.Programm(0, {{66, 3}, {130, 2}, {67, 4}, {131, 3}});
    m.StartVon0();
    EXPECT_EQ(m.LaufeBisFehler(), 8 + 10 + 8 + 11 + 3);
    EXPECT_EQ(sw().GetFehler(), CPUStop);
    EXPECT_EQ(m.reg.GetValue(4), 42);
    EXPECT_EQ(m.rechenwerk.GetAkku(), 2);
    EXPECT_EQ(m.registerGrid.Cell(1, 5), " 0x002A");
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
    EXPECT_EQ(m.befehlsname.text, "CPU Stop");
    EXPECT_STREQ(Fehlermeldung(CPUStop), "");
    // Another Takt begins a new instruction at the same cell instead of running on.
    EXPECT_EQ(sw().GetSchritt(), 0);
    sw().Takt();
    EXPECT_EQ(m.mikroschritt.text, "Befehl adressieren");
    EXPECT_EQ(sw().GetIP(), 0);
}

TEST_F(SteuerwerkTest, UnknownInstructionIsErrorOne) {
    m.speicher.SetCell(0, 0, 100, false);
    m.StartVon0();
    m.LaufeBisFehler();
    EXPECT_EQ(sw().GetFehler(), FehlerBefehlUnbekannt);
    EXPECT_EQ(m.befehlsname.text, "");
    EXPECT_STREQ(Fehlermeldung(1), "Der Befehl wurde nicht erkannt");
}

TEST_F(SteuerwerkTest, InstructionPointerOverflowIsErrorTwo) {
    sw().SetIP(65535);
    sw().SetIPWeiter(true);
    sw().Takt();
    EXPECT_EQ(sw().GetFehler(), FehlerIPUeberlauf);
    EXPECT_EQ(sw().GetIP(), 65535);
    EXPECT_EQ(m.adressbusPanel.text, "65535");
    EXPECT_STREQ(Fehlermeldung(2), "Instruktion-Pointer Überlauf");
}

TEST_F(SteuerwerkTest, RangeErrorLeavesTheStepWhereItWas) {
    m.Programm(0, {{66, 200}});
    m.StartVon0();
    for (int i = 0; i < 5; ++i) {
        sw().Takt();
    }
    m.datenbus.SetValue(77);
    EXPECT_EQ(m.adressbusPanel.text, "200");
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
    EXPECT_EQ(m.eaSpin.number, 3);

    m.StartVon0();
    m.LaufeBisFehler();
    EXPECT_EQ(sw().GetFehler(), FehlerEingabeAbbruch);
    EXPECT_STREQ(Fehlermeldung(6), "Abbruch der Eingabe");
}

} // namespace
} // namespace tovak
