#include "machine/Fehler.h"
#include "support/MachineFixture.h"

#include <gtest/gtest.h>

namespace tovak {
namespace {

using test::PlainMachine;

class InterruptTest : public ::testing::Test {
protected:
    TSteuerwerk& sw() { return m.steuerwerk; }
    // Performs micro-steps until the next one is the given code.
    void BisVor(int code) {
        for (int i = 0; i < 1000 && sw().GetNaechstePhase() != code; ++i) {
            sw().Takt();
        }
        ASSERT_EQ(sw().GetNaechstePhase(), code);
    }
    // The address of the cell that the next instruction fetch reads.
    int NaechsterAbruf() {
        BisVor(1);
        sw().Takt();
        return m.adressbus.GetValue();
    }
    PlainMachine m;
};

TEST_F(InterruptTest, GoSubAndIretSaveAndRestoreTheFrame) {
    m.Programm(0, {{65, 7}, {322, 7}});
    m.Programm(10, {{452, 50}, {451}});
    m.Programm(50, {{450}});
    m.StartVon0();
    m.Befehl();
    m.Befehl();
    ASSERT_TRUE(m.rechenwerk.GetZeroFlag());
    m.rechenwerk.SetAkku(7);
    m.rechenwerk.SetZeroFlag(true);
    m.rechenwerk.SetCarryFlag(false);
    sw().SetIP(10);
    sw().SetIPWeiter(false);
    m.Befehl();
    EXPECT_EQ(m.speicher.GetValue(255), 11);
    EXPECT_EQ(m.speicher.Zellentext(2, 256), "IP");
    EXPECT_EQ(m.speicher.GetValue(254), 7);
    EXPECT_EQ(m.speicher.Zellentext(2, 255), "Akku");
    EXPECT_EQ(m.speicher.GetValue(253), 2);
    EXPECT_EQ(m.speicher.Zellentext(2, 254), "Flags");
    EXPECT_EQ(sw().GetSP(), 252);
    EXPECT_EQ(m.spAnzeige.Text(), " 252");
    EXPECT_EQ(NaechsterAbruf(), 50);

    m.rechenwerk.SetAkku(1); // the subroutine changes Akku and flags
    m.Befehl();
    EXPECT_EQ(m.rechenwerk.GetAkku(), 7);
    EXPECT_TRUE(m.rechenwerk.GetZeroFlag());
    EXPECT_FALSE(m.rechenwerk.GetCarryFlag());
    EXPECT_FALSE(m.rechenwerk.GetParityFlag());
    EXPECT_EQ(sw().GetSP(), 255);
    EXPECT_EQ(NaechsterAbruf(), 12);
}

TEST_F(InterruptTest, RequestEntersTheServiceRoutineAfterTheInstruction) {
    m.Programm(0, {{65, 7}, {130, 1}});
    m.Programm(3000, {{139}, {450}});
    m.StartVon0();
    sw().SetInterrupt(true);
    BisVor(22);
    sw().Takt();
    EXPECT_EQ(sw().GetNaechstePhase(), 23);
    const char* names[] = {"IP im Stack ablegen", "Akku im Stack ablegen", "Flags im Stack ablegen",
                           "IP auf Adresse der ISR setzen"};
    for (const char* name : names) {
        sw().Takt();
        EXPECT_EQ(m.mikroschritt.Text(), name);
    }
    EXPECT_EQ(m.speicher.GetValue(255), 1);
    EXPECT_EQ(sw().GetIP(), 3000);
    EXPECT_TRUE(sw().GetInISR());
    EXPECT_EQ(NaechsterAbruf(), 3000);

    // Inside the service routine the interrupt test is skipped.
    m.Befehl();
    EXPECT_EQ(m.rechenwerk.GetAkku(), 8);
    EXPECT_NE(m.mikroschritt.Text(), "Test auf Interrupt");

    // The IRET of the service routine ends it and clears the request line.
    BisVor(27);
    for (int i = 0; i < 4; ++i) {
        sw().Takt();
    }
    EXPECT_EQ(m.mikroschritt.Text(), "ISR-Abarbeitung beendet");
    EXPECT_FALSE(sw().GetInISR());
    EXPECT_FALSE(sw().GetInterrupt());
    EXPECT_EQ(m.rechenwerk.GetAkku(), 7);
    EXPECT_EQ(NaechsterAbruf(), 2);

    // A later request is accepted again.
    sw().SetInterrupt(true);
    BisVor(22);
    sw().Takt();
    EXPECT_EQ(sw().GetNaechstePhase(), 23);
}

TEST_F(InterruptTest, InterruptAfterATakenJumpResumesAtTheTarget) {
    m.Programm(0, {{323, 40}});
    m.Programm(40, {{139}});
    m.Programm(3000, {{450}});
    m.StartVon0();
    sw().SetInterrupt(true);
    m.Befehl(); // the jump, then the interrupt entry
    EXPECT_EQ(sw().GetIP(), 3000);
    m.Befehl(); // IRET
    EXPECT_EQ(NaechsterAbruf(), 40);
}

TEST_F(InterruptTest, InterruptAfterGoSubResumesAtTheSubroutine) {
    m.Programm(0, {{452, 40}});
    m.Programm(40, {{139}, {450}});
    m.Programm(3000, {{450}});
    m.StartVon0();
    sw().SetInterrupt(true);
    m.Befehl(); // Go Sub, then the interrupt entry
    EXPECT_EQ(sw().GetIP(), 3000);
    EXPECT_EQ(m.speicher.GetValue(255), 1); // the Go Sub frame keeps its meaning
    m.Befehl();
    EXPECT_EQ(NaechsterAbruf(), 40);
    m.Befehl();
    m.Befehl(); // the subroutine's IRET returns behind the call
    EXPECT_EQ(NaechsterAbruf(), 2);
    EXPECT_EQ(sw().GetSP(), 255);
}

TEST_F(InterruptTest, GoSubInsideTheServiceRoutineDoesNotEndIt) {
    m.Programm(0, {{451}});
    m.Programm(3000, {{452, 3100}, {450}});
    m.Programm(3100, {{450}});
    m.StartVon0();
    sw().SetInterrupt(true);
    m.Befehl(); // NOP, then the interrupt entry
    m.Befehl(); // Go Sub 3100
    m.Befehl(); // IRET of the subroutine
    EXPECT_TRUE(sw().GetInISR());
    m.Befehl(); // IRET of the service routine
    EXPECT_FALSE(sw().GetInISR());
}

TEST_F(InterruptTest, StackLimitsStopWithErrorsAndLeaveMemoryAlone) {
    m.Programm(0, {{452, 10}});
    m.StartVon0();
    sw().SetSP(3100);
    BisVor(23);
    sw().Takt();
    EXPECT_EQ(sw().GetFehler(), FehlerStackUeberlauf);
    EXPECT_EQ(sw().GetSP(), 3100);
    EXPECT_EQ(m.speicher.GetValue(3100), 0);
    EXPECT_STREQ(Fehlermeldung(4), "Stack-Pointer Überlauf");

    m.Programm(20, {{450}});
    sw().SetFehler(0);
    sw().SetSchritt(0);
    sw().SetIP(20);
    sw().SetIPWeiter(false);
    sw().SetSP(4000);
    BisVor(27);
    sw().Takt();
    EXPECT_EQ(sw().GetFehler(), FehlerStackUnterlauf);
    EXPECT_EQ(sw().GetSP(), 4000);
    EXPECT_STREQ(Fehlermeldung(3), "Stack-Pointer Unterlauf");
}

TEST_F(InterruptTest, PushBelowAddressZeroIsARangeError) {
    m.Programm(10, {{452, 30}});
    m.StartVon0();
    sw().SetIP(10);
    sw().SetSP(0);
    BisVor(24);
    EXPECT_EQ(sw().GetSP(), -1);
    EXPECT_THROW(sw().Takt(), Bereichsfehler);
    EXPECT_EQ(sw().GetSP(), -1);
    EXPECT_EQ(sw().GetNaechstePhase(), 24);
}

TEST_F(InterruptTest, PoppedAkkuOutOfRangeIsARangeError) {
    m.Programm(0, {{450}});
    m.speicher.SetValue(256, 3);
    m.speicher.SetValue(257, 70000);
    m.StartVon0();
    BisVor(28);
    EXPECT_TRUE(m.rechenwerk.GetZeroFlag());
    EXPECT_THROW(sw().Takt(), Bereichsfehler);
    EXPECT_EQ(sw().GetSP(), 256);
    EXPECT_EQ(m.rechenwerk.GetAkku(), 0);
}

} // namespace
} // namespace tovak
