// The instruction encoder: what a confirmed instruction dialog writes into memory.
#include "machine/Encoder.h"

#include "machine/Fehler.h"
#include "support/MachineFixture.h"
#include "support/RecordingMessageBoxes.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace tovak::test {
namespace {

class EncoderTest : public ::testing::Test {
protected:
    EncoderTest() {
        EncoderRueckrufe rueckrufe;
        rueckrufe.fehlerBox = [this](const std::string& caption, const std::string& text) {
            boxen.emplace_back(caption, text);
        };
        rueckrufe.sicherungSchreiben = [this] { ++sicherungen; };
        encoder = std::make_unique<TEncoder>(m.steuerwerk, m.speicher, std::move(rueckrufe));
    }

    void SetIP(int ip) {
        m.steuerwerk.SetIP(ip);
        m.ipAenderungen.clear();
    }
    std::string Zeile(int adresse, int spalte) {
        return m.speicher.Zellentext(spalte, adresse + 1);
    }

    PlainMachine m;
    std::unique_ptr<TEncoder> encoder;
    std::vector<std::pair<std::string, std::string>> boxen;
    int sicherungen = 0;
};

const std::string kZweiZellen =
    "For this command you nees two bytes.\r\nThe IP show the last byte in the memory.";

TEST_F(EncoderTest, ZweizelligerBefehl) {
    SetIP(10);
    EXPECT_TRUE(encoder->BefehlInSpeicher(65, 5));
    EXPECT_EQ(m.speicher.GetValue(10), 65);
    EXPECT_TRUE(m.speicher.IstBefehl(10));
    EXPECT_EQ(m.speicher.GetBefehlsnummer(10), 65);
    EXPECT_EQ(Zeile(10, 2), "Move Akku, Konstante");
    EXPECT_EQ(Zeile(10, 1), " 0x0041");
    EXPECT_EQ(m.speicher.GetValue(11), 5);
    EXPECT_FALSE(m.speicher.IstBefehl(11));
    EXPECT_EQ(m.speicher.GetBefehlsnummer(11), 0);
    EXPECT_EQ(Zeile(11, 2), "5");
    EXPECT_EQ(m.steuerwerk.GetIP(), 12);
    // The IP moves cell by cell, so the grid follows the insertion point.
    EXPECT_EQ(m.ipAenderungen, (std::vector<int>{11, 12}));
    EXPECT_EQ(sicherungen, 1);
    EXPECT_TRUE(boxen.empty());
}

TEST_F(EncoderTest, EinzelligerBefehlSchreibtKeinenOperanden) {
    m.speicher.SetCell(0, 11, 77, false);
    SetIP(10);
    EXPECT_TRUE(encoder->BefehlInSpeicher(199, 5));
    EXPECT_EQ(m.speicher.GetValue(10), 199);
    EXPECT_EQ(Zeile(10, 2), "NOT Akku");
    EXPECT_EQ(m.speicher.GetValue(11), 77);
    EXPECT_EQ(m.steuerwerk.GetIP(), 11);
    EXPECT_EQ(sicherungen, 1);
}

TEST_F(EncoderTest, KeinBefehlWirdAbgelehntUndSichertTrotzdem) {
    SetIP(10);
    EXPECT_FALSE(encoder->BefehlInSpeicher(0, 5));
    ASSERT_EQ(boxen.size(), 1u);
    EXPECT_EQ(boxen[0].first, "Fehler");
    EXPECT_EQ(boxen[0].second, "Fehler in Main, Methode BefehlInSpeicher\r\nFalscher Case Wert: 0");
    EXPECT_EQ(m.speicher.GetValue(10), 0);
    EXPECT_EQ(m.steuerwerk.GetIP(), 10);
    EXPECT_EQ(sicherungen, 1);

    EXPECT_FALSE(encoder->BefehlInSpeicher(100, 0));
    EXPECT_FALSE(encoder->BefehlInSpeicher(-65, 0));
    EXPECT_EQ(boxen[2].second,
              "Fehler in Main, Methode BefehlInSpeicher\r\nFalscher Case Wert: -65");
    EXPECT_EQ(sicherungen, 3);
}

TEST_F(EncoderTest, BefehlInSpeicher2NurFuerSpruenge) {
    SetIP(0);
    EXPECT_FALSE(encoder->BefehlInSpeicher2(65, 5));
    ASSERT_EQ(boxen.size(), 1u);
    EXPECT_EQ(boxen[0].first, "Error");
    EXPECT_EQ(boxen[0].second, "Error in Main, method BefehlInSpeicher2\r\nfalse Case Value: 65");
    EXPECT_EQ(m.speicher.GetValue(0), 0);
    EXPECT_FALSE(encoder->BefehlInSpeicher2(336, 5));
    EXPECT_FALSE(encoder->BefehlInSpeicher2(320, 5));

    EXPECT_TRUE(encoder->BefehlInSpeicher2(325, 8));
    EXPECT_TRUE(encoder->BefehlInSpeicher2(321, 3));
    EXPECT_EQ(Zeile(0, 2), "JNZ zu Adresse");
    EXPECT_EQ(m.speicher.GetValue(1), 8);
    EXPECT_EQ(Zeile(2, 2), "Compare Akku Register");
    EXPECT_EQ(m.steuerwerk.GetIP(), 4);
    EXPECT_EQ(sicherungen, 0); // the jump dialog writes no backup copy
}

TEST_F(EncoderTest, ZweizelligerBefehlBeiIP65535WirdAbgelehnt) {
    SetIP(65535);
    EXPECT_FALSE(encoder->BefehlInSpeicher(65, 5));
    EXPECT_FALSE(encoder->BefehlInSpeicher2(323, 5));
    ASSERT_EQ(boxen.size(), 2u);
    for (const auto& box : boxen) {
        EXPECT_EQ(box.first, "Error");
        EXPECT_EQ(box.second, kZweiZellen);
    }
    EXPECT_EQ(m.steuerwerk.GetIP(), 65535);
    EXPECT_TRUE(m.ipAenderungen.empty());
    EXPECT_EQ(sicherungen, 1);
}

TEST_F(EncoderTest, BeiIP3999LandetDerOperandIn4000) {
    SetIP(3999);
    EXPECT_TRUE(encoder->BefehlInSpeicher(130, 9));
    EXPECT_EQ(m.speicher.GetValue(3999), 130);
    EXPECT_EQ(Zeile(3999, 2), "Add Akku, Konstante");
    EXPECT_EQ(m.speicher.GetValue(4000), 9);
    EXPECT_EQ(m.steuerwerk.GetIP(), 4001);
    EXPECT_EQ(m.speicherGrid.rowCount, 4001); // address 4000 has no row
}

TEST_F(EncoderTest, OperandHinter4000SchreibtGarNichts) {
    m.speicher.SetValue(4000, 12);
    SetIP(4000);
    EXPECT_THROW(encoder->BefehlInSpeicher(65, 5), Bereichsfehler);
    EXPECT_EQ(m.speicher.GetValue(4000), 12);
    EXPECT_FALSE(m.speicher.IstBefehl(4000));
    EXPECT_EQ(m.steuerwerk.GetIP(), 4000);
    EXPECT_EQ(sicherungen, 1);
    EXPECT_THROW(encoder->BefehlInSpeicher2(323, 5), Bereichsfehler);
    EXPECT_EQ(m.speicher.GetValue(4000), 12);

    // A one-cell instruction still fits into 4000.
    EXPECT_TRUE(encoder->BefehlInSpeicher(451, 0));
    EXPECT_EQ(m.speicher.GetValue(4000), 451);
    EXPECT_EQ(m.steuerwerk.GetIP(), 4001);
    EXPECT_THROW(encoder->BefehlInSpeicher(451, 0), Bereichsfehler);
    EXPECT_EQ(m.steuerwerk.GetIP(), 4001);
}

TEST_F(EncoderTest, NegativeIPIstBereichsfehler) {
    SetIP(-1);
    EXPECT_THROW(encoder->BefehlInSpeicher(451, 0), Bereichsfehler);
    EXPECT_THROW(encoder->BefehlInSpeicher(65, 0), Bereichsfehler);
    EXPECT_EQ(m.steuerwerk.GetIP(), -1);
}

TEST_F(EncoderTest, LiesZahlMitEinstellungZwei) {
    SetIP(0);
    encoder->EABefehlInSpeicher(390, 7, LiesZahlInRegister);
    EXPECT_EQ(m.speicher.GetValue(0), 390);
    EXPECT_EQ(m.speicher.GetValue(1), 385);
    EXPECT_EQ(m.speicher.GetValue(2), 67);
    EXPECT_EQ(m.speicher.GetValue(3), 7);
    EXPECT_EQ(Zeile(0, 2), "Lies Zahl in E/A-Einheit");
    EXPECT_EQ(Zeile(1, 2), "IN Akku");
    EXPECT_EQ(Zeile(2, 2), "Move Reg, Akku");
    EXPECT_EQ(Zeile(3, 2), "7");
    EXPECT_EQ(m.steuerwerk.GetIP(), 4);
    EXPECT_EQ(sicherungen, 3); // one per instruction
}

TEST_F(EncoderTest, LiesZahlMitEinstellungEinsNullUndUnbekannt) {
    SetIP(0);
    encoder->EABefehlInSpeicher(390, 7, LiesZahlInAkku);
    EXPECT_EQ(m.speicher.GetValue(1), 385);
    EXPECT_EQ(m.steuerwerk.GetIP(), 2);
    EXPECT_EQ(sicherungen, 2);

    encoder->EABefehlInSpeicher(390, 7, LiesZahlNurLesen);
    EXPECT_EQ(m.steuerwerk.GetIP(), 3);
    encoder->EABefehlInSpeicher(390, 7, 5);
    EXPECT_EQ(m.steuerwerk.GetIP(), 4);
    EXPECT_EQ(m.speicher.GetValue(4), 0);
    EXPECT_EQ(sicherungen, 4);
}

TEST_F(EncoderTest, AndereEABefehleOhneFolgebefehle) {
    SetIP(0);
    encoder->EABefehlInSpeicher(388, 4, LiesZahlInRegister);
    EXPECT_EQ(m.speicher.GetValue(0), 388);
    EXPECT_EQ(m.speicher.GetValue(1), 4);
    EXPECT_EQ(m.steuerwerk.GetIP(), 2);
    EXPECT_EQ(sicherungen, 1);
}

TEST_F(EncoderTest, JederBefehlDesBefehlssatzes) {
    // Every number 0..1100: written exactly when it is an instruction, with its length.
    for (int befehl = 0; befehl <= 1100; ++befehl) {
        SetIP(100);
        const bool geschrieben = encoder->BefehlInSpeicher(befehl, 42);
        ASSERT_EQ(geschrieben, BefehlsLaenge(befehl) != 0) << befehl;
        ASSERT_EQ(m.steuerwerk.GetIP(), 100 + BefehlsLaenge(befehl)) << befehl;
        if (geschrieben) {
            ASSERT_EQ(Zeile(100, 2), Befehlsname(befehl)) << befehl;
        }
    }
}

TEST(EncoderOhneRueckrufe, ZeigtDieMeldungImFehlerfenster) {
    PlainMachine m;
    RecordingMessageBoxes boxen;
    TEncoder encoder(m.steuerwerk, m.speicher);
    EXPECT_FALSE(encoder.BefehlInSpeicher(1, 0));
    ASSERT_EQ(boxen.boxes.size(), 1u);
    EXPECT_EQ(boxen.boxes[0].kind, "error");
    EXPECT_EQ(boxen.boxes[0].caption, "Fehler");
    EXPECT_TRUE(encoder.BefehlInSpeicher(451, 0));
}

} // namespace
} // namespace tovak::test
