#include "machine/Befehle.h"
#include "machine/Bus.h"
#include "machine/EAEinheit.h"
#include "machine/Fehler.h"
#include "machine/PlainDisplays.h"
#include "machine/RAM.h"
#include "machine/Reg.h"

#include <gtest/gtest.h>

namespace tovak {
namespace {

TEST(Befehle, NameTablesKeepTheirExactTexts) {
    BefehlstabellenFuellen();
    EXPECT_EQ(Befehlsname(65), "Move Akku, Konstante");
    EXPECT_EQ(Ausfuehrungsname(65), "MOV Akku, Konstante");
    EXPECT_EQ(Befehlsname(135), "Mult Akku, Register");
    EXPECT_EQ(Befehlsbeschreibungen[135], "");
    EXPECT_EQ(Befehlsbeschreibungen[258], "Shift nach links, ohne Vorzeichen,  SHL Akku Konstante");
    EXPECT_EQ(Befehlsbeschreibungen[260],
              "Shift nach rechts, ohne Vorzeichen,  SHL Akku Konstante");
    EXPECT_EQ(Befehlsbeschreibungen[261],
              "Shift nach links, mit Vorzeichen, Bit 7 ins Carry-Flag ");
    EXPECT_EQ(Ausfuehrungsname(0), "CPU Stop");
    EXPECT_EQ(Ausfuehrungsname(324), "");
    EXPECT_EQ(Ausfuehrungsname(323), "Jump Absolute");
    for (int n : {0, 100, 1025, -1, 65536}) {
        EXPECT_EQ(Befehlsname(n), "") << n;
    }

    int instructions = 0, oneCell = 0;
    for (int n = 1; n <= BefehlsTabellenGroesse; ++n) {
        const bool named = !Befehlsnamen[static_cast<std::size_t>(n)].empty();
        EXPECT_EQ(named, BefehlsLaenge(n) != 0) << n;
        instructions += named ? 1 : 0;
        oneCell += BefehlsLaenge(n) == 1 ? 1 : 0;
    }
    EXPECT_EQ(instructions, 53);
    EXPECT_EQ(oneCell, 10);
    EXPECT_EQ(BefehlsLaenge(0), 0);
    EXPECT_EQ(OperandArtVon(258), OperandArt::Anzahl);
    EXPECT_EQ(OperandArtVon(452), OperandArt::Adresse);
}

TEST(Reg, GridRowsFollowValuesAndNames) {
    PlainGrid grid(3, 128);
    TReg reg(127, grid);
    reg.FillGrid();
    EXPECT_EQ(grid.RowCount(), 128);
    EXPECT_EQ(grid.Cell(0, 1), " 000");
    EXPECT_EQ(grid.Cell(1, 1), " 0x0000");
    EXPECT_EQ(grid.Cell(0, 127), " 126");

    grid.SetRow(40);
    reg.SetValue(5, 255);
    EXPECT_EQ(grid.Cell(0, 6), " 005");
    EXPECT_EQ(grid.Cell(1, 6), " 0x00FF");
    EXPECT_EQ(grid.Row(), 1);

    reg.SetName(3, "Ergebnis");
    EXPECT_EQ(grid.Cell(2, 4), "Ergebnis");
    reg.Reset(false);
    EXPECT_EQ(reg.GetValue(5), 0);
    EXPECT_EQ(reg.GetName(3), "Ergebnis");
    reg.Reset(true);
    EXPECT_EQ(reg.GetName(3), "");

    // Register 127 is storage without a row, untouched by resets.
    reg.SetValue(127, 7);
    reg.SetName(127, "versteckt");
    reg.Reset(true);
    EXPECT_EQ(reg.GetValue(127), 7);
    EXPECT_EQ(grid.RowCount(), 128);

    reg.SetCount(200);
    EXPECT_EQ(reg.GetCount(), 127);
}

TEST(Reg, OutOfRangeAccessFailsWithoutEffect) {
    PlainGrid grid(3, 128);
    TReg reg(127, grid);
    EXPECT_THROW(reg.GetValue(128), Bereichsfehler);
    EXPECT_THROW(reg.GetValue(-1), Bereichsfehler);
    EXPECT_THROW(reg.SetValue(3, 65536), Bereichsfehler);
    EXPECT_THROW(reg.SetValue(3, -1), Bereichsfehler);
    EXPECT_THROW(reg.SetName(128, "x"), Bereichsfehler);
    EXPECT_EQ(reg.GetValue(3), 0);
    try {
        reg.GetValue(200);
    } catch (const TovakFehler& e) {
        EXPECT_STREQ(e.what(), "Fehler bei Bereichsprüfung");
    }
}

class RamTest : public ::testing::Test {
protected:
    void SetUp() override {
        BefehlstabellenFuellen();
        ram.FillGrid();
    }
    PlainGrid grid{3, 4001};
    TRAM ram{4000, grid};
};

TEST_F(RamTest, CellsShowTheirGridTexts) {
    EXPECT_EQ(grid.RowCount(), 4001);
    EXPECT_EQ(grid.Cell(0, 1), " 000");
    EXPECT_EQ(grid.Cell(2, 1), "0");
    EXPECT_EQ(grid.Cell(0, 4000), " 3999");

    ram.SetCell(65, 10, 65, true);
    ram.SetCell(65, 11, 7, false);
    EXPECT_EQ(grid.Cell(1, 11), " 0x0041");
    EXPECT_EQ(grid.Cell(2, 11), "Move Akku, Konstante");
    EXPECT_EQ(grid.Cell(1, 12), " 0x0007");
    EXPECT_EQ(grid.Cell(2, 12), "7");

    ram.SetValueIfData(10, 3);
    EXPECT_EQ(ram.GetValue(10), 65);
    ram.SetValueIfData(11, 3);
    EXPECT_EQ(ram.GetValue(11), 3);
    EXPECT_EQ(grid.Cell(2, 12), "7");

    // A running program may overwrite an instruction cell: name and mark stay.
    ram.SetValue(10, 99);
    EXPECT_EQ(grid.Cell(1, 11), " 0x0063");
    EXPECT_EQ(grid.Cell(2, 11), "Move Akku, Konstante");
    EXPECT_TRUE(ram.IstBefehl(10));

    ram.SetValue(12, 70000);
    ram.SetValue(13, -3);
    EXPECT_EQ(grid.Cell(1, 13), " 0x11170");
    EXPECT_EQ(grid.Cell(1, 14), " 0x0000");
    ram.FillGrid();
    EXPECT_EQ(grid.Cell(2, 14), "-3");
}

TEST_F(RamTest, StorageCellAndRangeErrors) {
    ram.SetValue(4000, 12);
    EXPECT_EQ(ram.GetValue(4000), 12);
    ram.Clear();
    EXPECT_EQ(ram.GetValue(4000), 12);
    EXPECT_EQ(ram.GetValue(-1), 0);
    EXPECT_EQ(ram.GetValue(4001), 0);
    EXPECT_THROW(ram.SetValue(4001, 1), Bereichsfehler);
    EXPECT_THROW(ram.SetCell(65, -1, 65, true), Bereichsfehler);
    EXPECT_THROW(ram.SetCell(0, 5, 0, true), Bereichsfehler);
    EXPECT_EQ(ram.GetValue(5), 0);
    EXPECT_FALSE(ram.IstBefehl(5));

    // A malformed instruction number stops the refill at its row.
    ram.LoadCell(3, 2000, 2000, true);
    grid.SetCell(2, 5, "alt");
    EXPECT_THROW(ram.FillGrid(), Bereichsfehler);
    EXPECT_EQ(grid.Cell(2, 3), "0");
    EXPECT_EQ(grid.Cell(2, 5), "alt");
}

TEST_F(RamTest, InsertAndDeleteShiftWholeCells) {
    ram.SetCell(65, 10, 65, true);
    ram.SetCell(0, 11, 5, false);
    ram.SetCell(451, 3999, 451, true);
    ram.SetValue(4000, 8);
    grid.SetRow(11);
    ram.InsertCell();
    EXPECT_EQ(ram.GetValue(10), 0);
    EXPECT_FALSE(ram.IstBefehl(10));
    EXPECT_EQ(ram.GetValue(11), 65);
    EXPECT_TRUE(ram.IstBefehl(11));
    EXPECT_EQ(ram.GetValue(12), 5);
    EXPECT_EQ(grid.Cell(2, 12), "Move Akku, Konstante");
    EXPECT_EQ(ram.GetValue(4000), 8);

    ram.DeleteCell();
    EXPECT_EQ(ram.GetValue(10), 65);
    EXPECT_EQ(ram.GetValue(11), 5);
    EXPECT_EQ(ram.GetValue(3999), 0);
    EXPECT_EQ(ram.GetValue(4000), 8);

    for (int row : {0, 4001, 5000}) {
        grid.SetRow(row);
        ram.InsertCell();
        ram.DeleteCell();
    }
    EXPECT_EQ(ram.GetValue(10), 65);
}

TEST(Bus, ShowsAddressesInDecimalAndDataInHex) {
    PlainTextDisplay panelA, panelD;
    TBus adressbus(panelA, true), datenbus(panelD, false);
    EXPECT_EQ(panelA.text, "-");
    adressbus.SetValue(7);
    EXPECT_EQ(panelA.text, "007");
    adressbus.SetValue(3000);
    EXPECT_EQ(panelA.text, "3000");
    datenbus.SetValue(65);
    EXPECT_EQ(panelD.text, "0x0041");
    datenbus.SetValue(KeinWert);
    EXPECT_EQ(panelD.text, "-");
}

TEST(EAEinheit, WritesOneLinePerValueInTheChosenFormat) {
    PlainNumberDisplay spin;
    PlainOutputWindow fenster;
    TEAEinheit ea(spin);
    ea.SetValue(5);
    EXPECT_EQ(spin.number, 5);
    ea.SetAusgabefenster(&fenster);
    ea.SetValue(5);
    ea.SetAusgabeformat(FormatHex);
    ea.SetValue(5);
    ea.SetAusgabeformat(FormatAscii);
    ea.SetValue(65);
    ea.SetValue(321);
    ea.NeueZeile();
    ea.SetAusgabeformat(7);
    ea.SetValue(9);
    const std::vector<std::string> expected = {"5   101", "5   0x0005", "65  A", "321  A", ""};
    EXPECT_EQ(fenster.lines, expected);
    EXPECT_EQ(fenster.label, "101000001");
    EXPECT_EQ(ea.GetValue(), 9);
    EXPECT_THROW(ea.SetValue(65536), Bereichsfehler);
    EXPECT_EQ(ea.GetValue(), 9);
}

} // namespace
} // namespace tovak
