#include "machine/Anzeigetexte.h"
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
    PlainGrid grid;
    TReg reg(127, &grid);
    reg.FillGrid();
    EXPECT_EQ(grid.rowCount, 128);
    EXPECT_EQ(reg.Zellentext(1, 0), " Binärwert");
    EXPECT_EQ(reg.Zellentext(0, 1), " 000");
    EXPECT_EQ(reg.Zellentext(1, 1), " 0x0000");
    EXPECT_EQ(reg.Zellentext(0, 127), " 126");

    grid.SetRow(40);
    reg.SetValue(5, 255);
    EXPECT_EQ(reg.Zellentext(0, 6), " 005");
    EXPECT_EQ(reg.Zellentext(1, 6), " 0x00FF");
    EXPECT_EQ(grid.changedRows, std::vector<int>{6});
    EXPECT_EQ(grid.Row(), 1);

    reg.SetName(3, "Ergebnis");
    EXPECT_EQ(reg.Zellentext(2, 4), "Ergebnis");
    EXPECT_EQ(grid.changedRows.back(), 4);
    reg.Reset(false);
    EXPECT_EQ(reg.GetValue(5), 0);
    EXPECT_EQ(reg.GetName(3), "Ergebnis");
    reg.Reset(true);
    EXPECT_EQ(reg.GetName(3), "");

    // Register 127 is storage without a row, untouched by resets.
    grid.changedRows.clear();
    reg.SetValue(127, 7);
    reg.SetName(127, "versteckt");
    reg.Reset(true);
    EXPECT_EQ(reg.GetValue(127), 7);
    EXPECT_TRUE(grid.changedRows.empty());
    EXPECT_EQ(reg.Zellentext(1, 128), "");

    reg.SetCount(200);
    EXPECT_EQ(reg.GetCount(), 127);
}

TEST(Reg, OutOfRangeAccessFailsWithoutEffect) {
    TReg reg(127, nullptr);
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
    std::string Text(int col, int address) const { return ram.Zellentext(col, address + 1); }
    PlainGrid grid;
    TRAM ram{4000, &grid};
};

TEST_F(RamTest, CellsShowTheirGridTexts) {
    EXPECT_EQ(grid.rowCount, 4001);
    EXPECT_EQ(ram.Zellentext(2, 0), " Befehl / Daten");
    EXPECT_EQ(Text(0, 0), " 000");
    EXPECT_EQ(Text(2, 0), "0");
    EXPECT_EQ(Text(0, 3999), " 3999");

    ram.SetCell(65, 10, 65, true);
    ram.SetCell(65, 11, 7, false);
    EXPECT_EQ(Text(1, 10), " 0x0041");
    EXPECT_EQ(Text(2, 10), "Move Akku, Konstante");
    EXPECT_EQ(Text(1, 11), " 0x0007");
    EXPECT_EQ(Text(2, 11), "7");
    EXPECT_EQ(grid.changedRows, (std::vector<int>{11, 12}));

    // Operand editing changes data cells only, and their rows show it.
    ram.SetValueIfData(10, 3);
    EXPECT_EQ(ram.GetValue(10), 65);
    ram.SetValueIfData(11, 3);
    EXPECT_EQ(ram.GetValue(11), 3);
    EXPECT_EQ(Text(2, 11), "3");
    EXPECT_EQ(grid.changedRows, (std::vector<int>{11, 12, 12}));

    // A running program may overwrite an instruction cell: name and mark stay.
    ram.SetValue(10, 99);
    EXPECT_EQ(Text(1, 10), " 0x0063");
    EXPECT_EQ(Text(2, 10), "Move Akku, Konstante");
    EXPECT_TRUE(ram.IstBefehl(10));

    ram.SetValue(12, 70000);
    ram.SetValue(13, -3);
    EXPECT_EQ(Text(1, 12), " 0x11170");
    EXPECT_EQ(Text(1, 13), " 0x0000");
    EXPECT_EQ(Text(2, 13), "-3");
}

TEST_F(RamTest, StackLabelsLastUntilTheCellIsEnteredAnewOrTheGridRefilled) {
    ram.SetCell(65, 10, 65, true);
    ram.SetValue(10, 7);
    ram.SetMarke(10, Stapelmarke::Akku);
    ram.SetMarke(20, Stapelmarke::IP);
    EXPECT_EQ(Text(2, 10), "Akku");
    EXPECT_EQ(Text(1, 10), " 0x0007");
    ram.SetValue(20, 5);
    EXPECT_EQ(Text(2, 20), "IP");
    ram.SetCell(0, 20, 5, false);
    EXPECT_EQ(Text(2, 20), "5");
    ram.FillGrid();
    EXPECT_EQ(Text(2, 10), "Move Akku, Konstante");
    EXPECT_EQ(ram.GetMarke(10), Stapelmarke::Keine);
}

TEST_F(RamTest, StorageCellAndRangeErrors) {
    grid.changedRows.clear();
    ram.SetValue(4000, 12);
    EXPECT_TRUE(grid.changedRows.empty()); // address 4000 has no row
    EXPECT_EQ(ram.GetValue(4000), 12);
    ram.Clear();
    EXPECT_EQ(ram.GetValue(4000), 12);
    EXPECT_EQ(ram.GetValue(-1), 0);
    EXPECT_EQ(ram.GetValue(4001), 0);
    EXPECT_THROW(ram.SetValue(4001, 1), Bereichsfehler);
    EXPECT_THROW(ram.SetMarke(-1, Stapelmarke::IP), Bereichsfehler);
    EXPECT_THROW(ram.SetCell(65, -1, 65, true), Bereichsfehler);
    EXPECT_THROW(ram.SetCell(0, 5, 0, true), Bereichsfehler);
    EXPECT_EQ(ram.GetValue(5), 0);
    EXPECT_FALSE(ram.IstBefehl(5));

    // A malformed instruction number stops the refill at its row: the labels before it are
    // gone, those after it stay.
    ram.SetMarke(1, Stapelmarke::IP);
    ram.SetMarke(4, Stapelmarke::IP);
    ram.LoadCell(3, 2000, 2000, true);
    EXPECT_THROW(ram.FillGrid(), Bereichsfehler);
    EXPECT_EQ(Text(2, 1), "0");
    EXPECT_EQ(Text(2, 3), "");
    EXPECT_EQ(Text(2, 4), "IP");
}

TEST_F(RamTest, InsertAndDeleteShiftWholeCells) {
    ram.SetCell(65, 10, 65, true);
    ram.SetCell(0, 11, 5, false);
    ram.SetCell(451, 3999, 451, true);
    ram.SetValue(4000, 8);
    grid.SetRow(11);
    const int refills = grid.refills;
    ram.InsertCell();
    EXPECT_EQ(grid.refills, refills + 1);
    EXPECT_EQ(ram.GetValue(10), 0);
    EXPECT_FALSE(ram.IstBefehl(10));
    EXPECT_EQ(ram.GetValue(11), 65);
    EXPECT_TRUE(ram.IstBefehl(11));
    EXPECT_EQ(ram.GetValue(12), 5);
    EXPECT_EQ(Text(2, 11), "Move Akku, Konstante");
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
    PlainValueDisplay panelA(AdressbusText), panelD(DatenbusText);
    TBus adressbus(&panelA, true), datenbus(&panelD, false);
    EXPECT_EQ(panelA.Text(), "-");
    adressbus.SetValue(7);
    EXPECT_EQ(panelA.Text(), "007");
    adressbus.SetValue(3000);
    EXPECT_EQ(panelA.Text(), "3000");
    datenbus.SetValue(65);
    EXPECT_EQ(panelD.Text(), "0x0041");

    // Switched off, the panel keeps the old value until it is switched on again.
    datenbus.SetAnzeigeAktiv(false);
    datenbus.SetValue(KeinWert);
    EXPECT_EQ(panelD.Text(), "0x0041");
    datenbus.SetAnzeigeAktiv(true);
    EXPECT_EQ(panelD.Text(), "-");
}

TEST(EAEinheit, WritesOneLinePerValueInTheChosenFormat) {
    PlainValueDisplay spin;
    PlainOutputWindow fenster;
    TEAEinheit ea(&spin);
    ea.SetValue(5);
    EXPECT_EQ(spin.value, 5);
    EXPECT_EQ(fenster.LabelText(), "-");
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
    EXPECT_EQ(fenster.LabelText(), "101000001");
    EXPECT_EQ(ea.GetValue(), 9);
    EXPECT_THROW(ea.SetValue(65536), Bereichsfehler);
    EXPECT_EQ(ea.GetValue(), 9);
}

} // namespace
} // namespace tovak
