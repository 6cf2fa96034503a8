#include "machine/Rechenwerk.h"
#include "machine/Fehler.h"
#include "machine/Maschine.h"

#include <gtest/gtest.h>

#include <functional>

namespace tovak {
namespace {

class RechenwerkTest : public ::testing::Test {
protected:
    // Loads O and A the way the control unit does, with a given carry.
    void Lade(int o, int a, bool carryIn = false) {
        rw.SetAkku(o);
        rw.AkkuInOperand();
        rw.SetAkku(a);
        rw.SetCarryFlag(carryIn);
    }
    struct Flags {
        int z, c, p, s;
    };
    Flags F() const {
        return {rw.GetZeroFlag(), rw.GetCarryFlag(), rw.GetParityFlag(), rw.GetSignFlag()};
    }

    PlainAnzeigen anzeigen;
    TRechenwerk rw{&anzeigen.rechenwerkAnzeigen};
};

TEST_F(RechenwerkTest, StartsWithZeroAndShowsItsPanels) {
    EXPECT_EQ(rw.GetAkku(), 0);
    EXPECT_TRUE(rw.GetZeroFlag());
    EXPECT_TRUE(rw.GetParityFlag());
    EXPECT_FALSE(rw.GetCarryFlag());
    EXPECT_EQ(anzeigen.akku.Text(), " 0x0000");
    EXPECT_EQ(anzeigen.carry.Text(), "0");
    rw.SetAkku(5);
    EXPECT_EQ(anzeigen.akku.Text(), " 0x0005");
    EXPECT_EQ(anzeigen.akku.Hint(), "5");
    rw.AkkuInOperand();
    EXPECT_EQ(anzeigen.operand.Hint(), " 5");
    EXPECT_THROW(rw.SetAkku(65536), Bereichsfehler);
    EXPECT_EQ(rw.GetAkku(), 5);
}

TEST_F(RechenwerkTest, OperationsGiveSixteenBitResultsAndFlags) {
    using Op = std::uint16_t (TRechenwerk::*)();
    struct Case {
        const char* name;
        Op op;
        int o, a;
        bool carryIn;
        int result, z, c, p;
    };
    const Case cases[] = {
        {"add wraps", &TRechenwerk::Addieren, 65535, 1, false, 0, 1, 1, 1},
        {"sub borrow", &TRechenwerk::Subtrahieren, 3, 5, false, 65534, 0, 1, 0},
        {"sub equal", &TRechenwerk::Subtrahieren, 5, 5, true, 0, 1, 0, 1},
        {"mult wraps", &TRechenwerk::Multiplizieren, 300, 300, false, 24464, 0, 1, 1},
        {"mult max", &TRechenwerk::Multiplizieren, 65535, 65535, false, 1, 0, 1, 0},
        {"div", &TRechenwerk::Dividieren, 7, 2, true, 3, 0, 0, 1},
        {"div small", &TRechenwerk::Dividieren, 2, 7, false, 0, 1, 0, 1},
        {"mod", &TRechenwerk::Modulo, 7, 2, false, 1, 0, 0, 0},
        {"and", &TRechenwerk::LogischUnd, 0x0F0F, 0x00FF, true, 0x000F, 0, 0, 1},
        {"or", &TRechenwerk::LogischOder, 0x0F00, 0x00F0, false, 0x0FF0, 0, 0, 1},
        {"xor", &TRechenwerk::LogischXor, 0xFFFF, 0x0001, false, 0xFFFE, 0, 0, 0},
        {"shl bit 7", &TRechenwerk::ShiftLinks, 0x0080, 1, false, 0x0100, 0, 1, 0},
        {"shl bit 15 lost", &TRechenwerk::ShiftLinks, 0x8000, 1, true, 0, 1, 0, 1},
        {"shl by 0 keeps carry", &TRechenwerk::ShiftLinks, 6, 0, true, 6, 0, 1, 1},
        {"shr", &TRechenwerk::ShiftRechts, 3, 1, false, 1, 0, 1, 0},
        {"shr twice", &TRechenwerk::ShiftRechts, 3, 2, false, 0, 1, 1, 1},
        {"shr many", &TRechenwerk::ShiftRechts, 0xFFFF, 65535, false, 0, 1, 0, 1},
        {"rol into carry", &TRechenwerk::RotiereLinks, 0x8000, 1, false, 0, 1, 1, 1},
        {"rol through carry", &TRechenwerk::RotiereLinks, 0x8000, 2, false, 1, 0, 0, 0},
        {"rol 17 is identity", &TRechenwerk::RotiereLinks, 0x1234, 17, true, 0x1234, 0, 1, 0},
        {"ror into carry", &TRechenwerk::RotiereRechts, 1, 1, false, 0, 1, 1, 1},
        {"ror through carry", &TRechenwerk::RotiereRechts, 1, 2, false, 0x8000, 0, 0, 0},
        {"ror 17 is identity", &TRechenwerk::RotiereRechts, 0x1234, 17, true, 0x1234, 0, 1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Lade(c.o, c.a, c.carryIn);
        EXPECT_EQ((rw.*c.op)(), c.result);
        const Flags f = F();
        EXPECT_EQ(f.z, c.z);
        EXPECT_EQ(f.c, c.c);
        EXPECT_EQ(f.p, c.p);
        EXPECT_EQ(f.s, 0);
    }
}

TEST_F(RechenwerkTest, OneInputOperationsUseTheAkku) {
    rw.SetAkku(65535);
    rw.Inkrementieren();
    EXPECT_EQ(rw.GetAkku(), 0);
    EXPECT_TRUE(rw.GetCarryFlag());
    rw.SetCarryFlag(true);
    rw.Dekrementieren();
    EXPECT_EQ(rw.GetAkku(), 65535);
    EXPECT_TRUE(rw.GetCarryFlag());
    rw.SetAkku(0);
    rw.LogischNicht();
    EXPECT_EQ(rw.GetAkku(), 65535);
    EXPECT_TRUE(rw.GetParityFlag());
}

TEST_F(RechenwerkTest, DivisionByZeroChangesNothing) {
    Lade(7, 0, true);
    EXPECT_THROW(rw.Dividieren(), DivisionDurchNull);
    EXPECT_THROW(rw.Modulo(), DivisionDurchNull);
    EXPECT_EQ(rw.GetAkku(), 0);
    EXPECT_EQ(rw.GetOperand(), 7);
    EXPECT_TRUE(rw.GetCarryFlag());
    try {
        rw.Modulo();
    } catch (const TovakFehler& e) {
        EXPECT_STREQ(e.what(), "Division durch Null");
    }
}

TEST_F(RechenwerkTest, CompareSetsSignAndDrivesTheJumpConditions) {
    Lade(3, 5);
    EXPECT_EQ(rw.Vergleichen(), 2);
    EXPECT_TRUE(rw.GetSignFlag());
    EXPECT_FALSE(rw.GetZeroFlag());
    for (int jumps : {326, 328, 329}) {
        EXPECT_TRUE(rw.Sprungbedingung(jumps)) << jumps;
    }
    for (int stays : {327, 330, 331, 324}) {
        EXPECT_FALSE(rw.Sprungbedingung(stays)) << stays;
    }
    Lade(5, 5);
    rw.Vergleichen();
    EXPECT_EQ(rw.GetAkku(), 0);
    EXPECT_TRUE(rw.Sprungbedingung(324));
    EXPECT_TRUE(rw.Sprungbedingung(331));
    EXPECT_TRUE(rw.Sprungbedingung(329));
    EXPECT_FALSE(rw.Sprungbedingung(330));

    // Every other write of the Akku clears S again.
    Lade(1, 9);
    rw.Vergleichen();
    rw.Addieren();
    EXPECT_FALSE(rw.Sprungbedingung(326));
    EXPECT_FALSE(rw.Sprungbedingung(323));
    EXPECT_FALSE(rw.Sprungbedingung(0));
}

TEST_F(RechenwerkTest, ParityAndFlagsWord) {
    for (auto [v, p] : {std::pair{3, true}, {7, false}, {0, true}, {-4, true}}) {
        rw.SetzeParity(v);
        EXPECT_EQ(rw.GetParityFlag(), p) << v;
    }
    rw.SetZeroFlag(false);
    rw.SetCarryFlag(true);
    EXPECT_EQ(rw.FlagsWort(), 1);
    rw.SetZeroFlag(true);
    EXPECT_EQ(rw.FlagsWort(), 3);
    rw.SetCarryFlag(false);
    EXPECT_EQ(rw.FlagsWort(), 2);
}

} // namespace
} // namespace tovak
