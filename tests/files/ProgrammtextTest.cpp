// The program text: statements, operands, labels and directives read into a memory image,
// the errors that name their line, and the text written from an image.
#include "files/Assembler.h"
#include "files/Disassembler.h"
#include "files/ProgramFile.h"
#include "files/TextDatei.h"
#include "machine/Befehle.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace tovak::test {
namespace {

using Zelle = Programminhalt::Zelle;

Zelle B(int befehl) {
    return {befehl, true};
}
Zelle D(int wert) {
    return {wert, false};
}

struct Fall {
    const char* text;
    // Expected cells from `ab` on (everything else empty), or the first error.
    std::vector<Zelle> zellen;
    const char* fehler = nullptr;
    int ab = 0;
};

// One table of good and bad texts; each good one must give exactly its cells and nothing
// else, each bad one its first error and no image.
const std::vector<Fall>& Faelle() {
    static const std::vector<Fall> faelle = {
        // Names: short name, name during execution, letter case and blanks do not matter.
        {"Move Akku, Konstante 5", {B(65), D(5)}},
        {"move   akku,konstante\t5", {B(65), D(5)}},
        {"MOV Akku , Konstante 5", {B(65), D(5)}},
        {"SHL Akku, Register 3", {B(257), D(3)}},
        {"SHL Akku Register 3", {B(257), D(3)}},
        {"ROL Akku 16", {B(261), D(16)}},
        {"ROL Akku, Konstante 1", {B(261), D(1)}},
        {"Lese Zahl in E/A", {B(390)}},
        {"lies zahl in e/a-einheit", {B(390)}},
        {"OUT Newline", {B(389)}},
        {"Go Subprogramm 3999", {B(452), D(3999)}},
        {"Jump Absolute 0", {B(323), D(0)}},
        {"Compare Akku Konstanten 65535", {B(322), D(65535)}},
        {"\tNOP\t; keine Funktion", {B(451)}},
        {"NOP;", {B(451)}},
        // Operands in every form.
        {"Add Akku, Konstante 0x2A", {B(130), D(42)}},
        {"Add Akku, Konstante 0B101010", {B(130), D(42)}},
        {"Add Akku, Konstante 'A'", {B(130), D(65)}},
        {"Add Akku, Konstante ';'", {B(130), D(59)}},
        {"Add Akku, Konstante ' '", {B(130), D(32)}},
        {"Add Akku, Konstante '\\''", {B(130), D(39)}},
        {"Add Akku, Konstante 'Ä'", {B(130), D(196)}},
        {"Add Akku, Konstante '€'", {B(130), D(128)}},
        {"Move Akku, Register 127", {B(66), D(127)}},
        {".REGISTER 5 Zähler = 7\nMove Akku, Register ZÄHLER", {B(66), D(5)}},
        // Labels: forward, backward, alone, at the end, before a directive.
        {"Oben: JZ zu Adresse oben", {B(324), D(0)}},
        {"JZ zu Adresse Ende\nEnde:", {B(324), D(2)}},
        {"NOP\nÜber_1 :\n\nJump zu Adresse über_1", {B(451), B(323), D(1)}},
        {"M: .ORG 10\nNOP\nJump zu Adresse M", {B(451), B(323), D(10)}, nullptr, 10},
        {".DATEN Ziel, 'ß', -2147483648, 2147483647\nZiel:",
         {D(4), D(223), D(INT32_MIN), D(INT32_MAX)}},
        {".daten 1 , 0x10,0b11", {D(1), D(16), D(3)}},
        {".ORG 3000\nIRET", {B(450)}, nullptr, 3000},
        {".ORG 3999\nMove Akku, Konstante 1", {B(65), D(1)}, nullptr, 3999},
        {".BEFEHLSZELLE 999, 65", {B(999), B(65)}},
        {".ORG 4000\n.BEFEHLSZELLE -1", {B(-1)}, nullptr, 4000},
        {"; nur ein Kommentar\n\n   \n", {}},

        {"Move Akku, Konstante 65536",
         {},
         "Zeile 1: Die Konstante „65536“ liegt nicht zwischen 0 und 65535"},
        {"Move Akku, Konstante -1",
         {},
         "Zeile 1: Die Konstante „-1“ liegt nicht zwischen 0 und 65535"},
        {"Move Akku, Register 128",
         {},
         "Zeile 1: Die Registernummer „128“ liegt nicht zwischen 0 und 127"},
        {"Jump zu Adresse 0xFA0",
         {},
         "Zeile 1: Die Adresse „0xFA0“ (4000) liegt nicht zwischen 0 und 3999"},
        {"SHL Akku Konstante 0", {}, "Zeile 1: Die Anzahl „0“ liegt nicht zwischen 1 und 16"},
        {"ROR Akku 17", {}, "Zeile 1: Die Anzahl „17“ liegt nicht zwischen 1 und 16"},
        {"\nNOP 1", {}, "Zeile 2: „NOP“ hat keinen Operanden, hier steht aber „1“"},
        {"Add Akku, Konstante",
         {},
         "Zeile 1: „Add Akku, Konstante“ braucht eine Konstante von 0 bis 65535"},
        {"Move Akku,Konstante,5", {}, "Zeile 1: Unbekannter Befehl „Move Akku,Konstante,5“"},
        {"NOPE", {}, "Zeile 1: Unbekannter Befehl „NOPE“"},
        {"IncAkku", {}, "Zeile 1: Unbekannter Befehl „IncAkku“"},
        {"Move Akku, Konstante 5 6", {}, "Zeile 1: Nach „5“ steht noch „6“"},
        {"Move Akku, Konstante 0x", {}, "Zeile 1: „0x“ ist keine gültige Zahl"},
        {"Move Akku, Konstante 12ab", {}, "Zeile 1: „12ab“ ist keine gültige Zahl"},
        {"Move Akku, Konstante '中'",
         {},
         "Zeile 1: Das Zeichen „中“ gibt es in Windows-1252 nicht"},
        {"Move Akku, Konstante \"A\"",
         {},
         "Zeile 1: „\"A\"“ ist weder eine Zahl noch ein Zeichen noch ein Name"},
        {"Jump zu Adresse Nirgends", {}, "Zeile 1: Unbekannte Marke „Nirgends“"},
        {"Move Akku, Register x",
         {},
         "Zeile 1: Unbekannter Name „x“ (weder ein Registername noch eine Marke)"},
        {".REGISTER 1 a\n.REGISTER 2 A\nMove Akku, Register a",
         {},
         "Zeile 3: Den Registernamen „a“ tragen mehrere Register (1 und 2)"},
        {"a: NOP\nA: NOP", {}, "Zeile 2: Die Marke „A“ steht schon in Zeile 1"},
        {"NOP\nNOP\n.ORG 1",
         {},
         "Zeile 3: .ORG 1 ginge zurück über Zellen, die schon belegt sind (bis Adresse 1)"},
        {".ORG 4001",
         {},
         "Zeile 1: Nach .ORG steht eine Adresse von 0 bis 4000 als Zahl, nicht „4001“"},
        {".ORG Start\nStart:",
         {},
         "Zeile 1: Nach .ORG steht eine Adresse von 0 bis 4000 als Zahl, nicht „Start“"},
        {".ORG 4000\nNOP",
         {},
         "Zeile 2: Ein Befehl beginnt bei einer Adresse von 0 bis 3999, nicht bei 4000"},
        {".ORG 4000\n.DATEN 1, 2", {}, "Zeile 2: Der Speicher endet bei Adresse 4000"},
        {".DATEN 2147483648",
         {},
         "Zeile 1: Der Wert „2147483648“ liegt nicht zwischen -2147483648 und 2147483647"},
        {".DATEN", {}, "Zeile 1: .DATEN braucht mindestens einen Wert"},
        {".DATEN 1,,2", {}, "Zeile 1: Zwischen zwei Kommas oder am Ende fehlt ein Wert"},
        {".DATEN 1 2", {}, "Zeile 1: Vor „2“ fehlt ein Komma"},
        {".BEFEHLSZELLE 0", {}, "Zeile 1: Die Befehlsnummer „0“ liegt nicht zwischen 1 und 1024"},
        {".REGISTER 128",
         {},
         "Zeile 1: Nach .REGISTER steht die Registernummer (0 bis 127), nicht „128“"},
        {".REGISTER 1\n.REGISTER 0x1 b", {}, "Zeile 2: Register 1 ist schon in Zeile 1 festgelegt"},
        {".REGISTER 1 a = 65536",
         {},
         "Zeile 1: Der Registerwert „65536“ liegt nicht zwischen 0 und 65535"},
        {".REGISTER 1 \"a",
         {},
         "Zeile 1: Der Name in Anführungszeichen ist nicht abgeschlossen oder enthält ein falsches "
         "\\-Zeichen"},
        {".ZAHLEN 1",
         {},
         "Zeile 1: Unbekannte Anweisung „.ZAHLEN“ (bekannt sind .ORG, .DATEN, .REGISTER, "
         ".BEMERKUNG und .BEFEHLSZELLE)"},
    };
    return faelle;
}

TEST(Programmtext, TabelleGuterUndFalscherZeilen) {
    for (const Fall& fall : Faelle()) {
        SCOPED_TRACE(fall.text);
        const Uebersetzung u = Assembliere(fall.text);
        if (fall.fehler != nullptr) {
            ASSERT_FALSE(u.Ok());
            EXPECT_EQ(u.fehler.front().Text(), fall.fehler);
            EXPECT_EQ(u.inhalt, Programminhalt{}) << "an error leaves no image";
            continue;
        }
        ASSERT_TRUE(u.Ok()) << u.fehler.front().Text();
        Programminhalt erwartet;
        for (std::size_t i = 0; i < fall.zellen.size(); ++i) {
            erwartet.zellen[static_cast<std::size_t>(fall.ab) + i] = fall.zellen[i];
        }
        EXPECT_EQ(u.inhalt.zellen, erwartet.zellen);
    }
}

TEST(Programmtext, JederFehlerMitSeinerZeileUndAllesOderNichts) {
    const Uebersetzung u = Assembliere("NOP\r\nMove Akku, Konstante 70000\r\n"
                                       "Jump zu Adresse Weg\rNOP\n.DATEN x\n");
    ASSERT_EQ(u.fehler.size(), 3u);
    EXPECT_EQ(u.fehler[0].zeile, 2);
    EXPECT_EQ(u.fehler[1].zeile, 3);
    EXPECT_EQ(u.fehler[2].Text(), "Zeile 5: Unbekannte Marke „x“");
    EXPECT_EQ(u.inhalt, Programminhalt{});
    // A text of nothing but errors lists no more than the limit.
    std::string viele;
    for (int i = 0; i < 500; ++i) {
        viele += "Unsinn\n";
    }
    EXPECT_EQ(Assembliere(viele).fehler.size(), kMaxFehler);
    // No more remark lines than a program file may hold.
    std::string bemerkungen;
    for (int i = 0; i <= kMaxBemerkungszeilen + 5; ++i) {
        bemerkungen += ".BEMERKUNG x\n";
    }
    const Uebersetzung lang = Assembliere(bemerkungen);
    ASSERT_EQ(lang.fehler.size(), 1u);
    EXPECT_EQ(lang.fehler[0].Text(), "Zeile 10001: Mehr als 10000 Zeilen .BEMERKUNG hält kein "
                                     "TOVAK-Programm");
}

TEST(Programmtext, BemerkungenUndRegister) {
    const Uebersetzung u = Assembliere(".BEMERKUNG Summe; mit \"Semikolon\"   \n"
                                       ".bemerkung\n"
                                       ".BEMERKUNG \"  Rand\\t\\\"\\\\ \\x01\" ; Kommentar\n"
                                       ".BEMERKUNG \"a\" und \"b\"\n"
                                       ".REGISTER 2 1.   Summand = 'A' ; Kommentar\n"
                                       ".REGISTER 3 \" = ; \"\n"
                                       ".REGISTER 127 = 0xFFFF\n"
                                       ".REGISTER 4 Marke\n"
                                       "Marke: NOP\n");
    ASSERT_TRUE(u.Ok()) << u.fehler.front().Text();
    EXPECT_EQ(u.inhalt.bemerkung,
              (std::vector<std::string>{"Summe; mit \"Semikolon\"", "", "  Rand\t\"\\ \x01",
                                        "\"a\" und \"b\""}));
    EXPECT_EQ(u.inhalt.register_[2], (Programminhalt::Register{65, "1. Summand"}));
    EXPECT_EQ(u.inhalt.register_[3], (Programminhalt::Register{0, " = ; "}));
    EXPECT_EQ(u.inhalt.register_[127], (Programminhalt::Register{65535, ""}));
    EXPECT_EQ(u.inhalt.register_[4].name, "Marke");
    EXPECT_EQ(u.ZeileVon(0), 9);
    EXPECT_EQ(u.ZeileVon(1), 0);
}

TEST(Programmtext, ZeilenDerZellen) {
    const Uebersetzung u = Assembliere("Move Akku, Konstante 1\n\n.DATEN 4, 5\nNOP");
    ASSERT_TRUE(u.Ok());
    EXPECT_EQ((std::vector<int>{u.ZeileVon(0), u.ZeileVon(1), u.ZeileVon(2), u.ZeileVon(3),
                                u.ZeileVon(4), u.ZeileVon(5), u.ZeileVon(-1), u.ZeileVon(4001)}),
              (std::vector<int>{1, 1, 3, 3, 4, 0, 0, 0}));
}

// --- Text from an image ----------------------------------------------------------------------

Programminhalt Inhalt(std::initializer_list<std::pair<int, Zelle>> zellen) {
    Programminhalt inhalt;
    for (const auto& [adresse, zelle] : zellen) {
        inhalt.zellen[static_cast<std::size_t>(adresse)] = zelle;
    }
    return inhalt;
}

TEST(Programmtext, TextAusDemSpeicher) {
    BefehlstabellenFuellen();
    Programminhalt inhalt =
        Inhalt({{0, B(66)},   {1, D(1)},   {2, B(325)}, {3, D(2)},      {4, B(323)},
                {5, D(3)},    {6, B(452)}, {7, D(12)},  {8, B(323)},    {9, D(40)},
                {10, B(323)}, {11, D(30)}, {12, D(7)},  {13, D(-1)},    {20, B(65)},
                {21, B(3)},   {50, D(1)},  {52, D(2)},  {3000, B(450)}, {4000, B(139)}});
    inhalt.register_[1] = {5, "Zahl"};
    inhalt.register_[9] = {0, "zahl 2"};
    inhalt.bemerkung = {"Test", " eingerückt"};
    // Labels for jump targets (not for an operand cell), data, raw instruction cells, ".ORG"
    // over long empty runs and a 0 where a label needs a cell.
    EXPECT_EQ(Disassembliere(inhalt), R"(.BEMERKUNG Test
.BEMERKUNG " eingerückt"

.REGISTER 1 Zahl = 5
.REGISTER 9 zahl 2

    Move Akku, Register Zahl

M2:
    JNZ zu Adresse M2
    Jump zu Adresse 3
    Go Sub M12
    Jump zu Adresse M40
    Jump zu Adresse M30

M12:
    .DATEN 7, -1

.ORG 20
    .BEFEHLSZELLE 65  ; Move Akku, Konstante
    .BEFEHLSZELLE 3

.ORG 30
M30:
    .DATEN 0

.ORG 40
M40:
    .DATEN 0

.ORG 50
    .DATEN 1, 0, 2

.ORG 3000  ; Interrupt-Service-Routine
    IRET

.ORG 4000
    .BEFEHLSZELLE 139  ; Inc Akku
)");
    // A target behind every cell is a label at the end.
    EXPECT_EQ(Disassembliere(Inhalt({{0, B(323)}, {1, D(2)}})),
              "    Jump zu Adresse M2\n\nM2:  ; hinter dem Programm\n");
    EXPECT_EQ(Disassembliere(Inhalt({{0, B(323)}, {1, D(9)}, {2, B(323)}, {3, D(7)}})),
              "    Jump zu Adresse M9\n    Jump zu Adresse M7\n    .DATEN 0, 0, 0\n\nM7:\n"
              "    .DATEN 0\n\n"
              ".ORG 9\nM9:  ; hinter dem Programm\n");
    EXPECT_EQ(Disassembliere(Programminhalt{}), "");
}

TEST(Programmtext, TextUndZurueckGibtDenselbenInhalt) {
    BefehlstabellenFuellen();
    // Operands the statements cannot hold, names the operands cannot use, texts that need
    // quotes, a target behind everything.
    Programminhalt inhalt = Inhalt({{0, B(65)},
                                    {1, D(65536)},
                                    {2, B(258)},
                                    {3, D(0)},
                                    {4, B(323)},
                                    {5, D(4000)},
                                    {6, B(66)},
                                    {7, D(1)},
                                    {8, B(324)},
                                    {9, D(3999)},
                                    {3999, B(65)},
                                    {4000, D(-7)}});
    inhalt.register_[1] = {1, "a"};
    inhalt.register_[2] = {2, "A"};
    inhalt.register_[3] = {0, "x\ty"};
    inhalt.register_[4] = {0, "\"q\""};
    inhalt.bemerkung = {"\"ganz in Anführungszeichen\"", "Ende ", "", "\\x41", "mit\x7f"};
    const std::string text = Disassembliere(inhalt);
    const Uebersetzung u = Assembliere(text);
    ASSERT_TRUE(u.Ok()) << u.fehler.front().Text() << "\n" << text;
    EXPECT_EQ(u.inhalt, inhalt) << text;
}

TEST(Programmtext, DateiformUndErkennung) {
    EXPECT_EQ(TextAlsUtf8("\xEF\xBB\xBFZ\xC3\xA4hler"), "Zähler");
    EXPECT_EQ(TextAlsUtf8("Z\xE4hler \x80"), "Zähler €");
    EXPECT_EQ(TextMitCrLf("a\nb\r\nc\rd"), "a\r\nb\r\nc\r\nd");
    EXPECT_FALSE(IstProgrammtext("5  Version\r\n", "x.txt"));
    EXPECT_FALSE(IstProgrammtext("\xEF\xBB\xBF  -1\r\n", "x.txt"));
    EXPECT_TRUE(IstProgrammtext("; 5\r\nNOP", "x.CPU"));
    EXPECT_TRUE(IstProgrammtext("NOP", "x.CPU"));
    EXPECT_TRUE(IstProgrammtext("", "x.txt"));
    EXPECT_FALSE(IstProgrammtext("\r\n", "x.cpu"));
}

} // namespace
} // namespace tovak::test
