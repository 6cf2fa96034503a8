// The exercise file: what a good one holds, and every kind of bad one refused with its line.
#include "aufgaben/Aufgabe.h"

#include <gtest/gtest.h>

#include <string>

namespace tovak::test {
namespace {

TEST(AufgabeLesen, AllesWasEineAufgabeHaelt) {
    const Aufgabe a = AufgabeLesen(R"(titel = "Summe von 1 bis n"
text = """Lies n ein.
Gib die Summe aus."""
max_takte = 200000

[[test]]
name = "n = 100"
eingabe = [100]
ausgabe = [5050]
register = { 1 = 5050, 0 = 7 }
speicher = { 3999 = 65535 }
akku = 0
z = true
c = 0
interrupts = [900, 40, 40]

[[test]]
ausgabe = []
)");
    EXPECT_EQ(a.titel, "Summe von 1 bis n");
    EXPECT_EQ(a.text, "Lies n ein.\nGib die Summe aus.");
    EXPECT_EQ(a.maxTakte, 200000u);
    ASSERT_EQ(a.tests.size(), 2u);
    const AufgabenTest& t = a.tests[0];
    EXPECT_EQ(t.name, "n = 100");
    EXPECT_EQ(t.eingabe, std::vector<int>{100});
    EXPECT_EQ(t.ausgabe, std::vector<int>{5050});
    EXPECT_EQ(t.register_, (std::map<int, int>{{0, 7}, {1, 5050}}));
    EXPECT_EQ(t.speicher, (std::map<int, int>{{3999, 65535}}));
    EXPECT_EQ(t.akku, 0);
    EXPECT_EQ(t.z, true);
    EXPECT_EQ(t.c, false);
    EXPECT_FALSE(t.p.has_value());
    EXPECT_EQ(t.interrupts, (std::vector<std::uint64_t>{40, 900}));
    // Left out: a made-up name, the default step limit's absence of inputs.
    EXPECT_EQ(a.tests[1].name, "Test 2");
    EXPECT_TRUE(a.tests[1].eingabe.empty());
    EXPECT_EQ(AufgabeLesen("[[test]]\nausgabe = [1]\n").maxTakte, kStandardMaxTakte);
}

TEST(AufgabeLesen, SchlechteDateienMitIhrerZeile) {
    const struct {
        const char* text;
        const char* meldung;
    } faelle[] = {
        {"titel = \"a\"\nfarbe = 1\n[[test]]\nausgabe = [1]\n",
         "Zeile 2: Unbekannter Schlüssel \"farbe\""},
        {"[[test]]\nausgabe = [1]\neingaben = [1]\n",
         "Zeile 3: Unbekannter Schlüssel \"eingaben\" im Test"},
        {"[[test]]\nname = \"a\"\neingabe = [1]\n", "Zeile 1: Dem Test \"a\" fehlt \"ausgabe\""},
        {"titel = 5\n[[test]]\nausgabe = [1]\n",
         "Zeile 1: \"titel\" muss ein Text in Anführungszeichen sein"},
        {"[[test]]\nausgabe = 15\n",
         "Zeile 2: \"ausgabe\" muss eine Liste von Zahlen sein, etwa [5, 7]"},
        {"[[test]]\nausgabe = [\"15\"]\n", "Zeile 2: \"ausgabe\" muss eine ganze Zahl sein"},
        {"[[test]]\nausgabe = [1]\neingabe = [65536]\n",
         "Zeile 3: \"eingabe\" muss zwischen 0 und 65535 liegen, nicht 65536"},
        {"max_takte = 0\n[[test]]\nausgabe = [1]\n",
         "Zeile 1: \"max_takte\" muss zwischen 1 und 9223372036854775807 liegen, nicht 0"},
        {"[[test]]\nausgabe = [1]\nregister = { 128 = 1 }\n",
         "Zeile 3: In \"register\" ist \"128\" keine Nummer von 0 bis 127"},
        {"[[test]]\nausgabe = [1]\nspeicher = { 1 = -1 }\n",
         "Zeile 3: \"speicher.1\" muss zwischen 0 und 65535 liegen, nicht -1"},
        {"[[test]]\nausgabe = [1]\nz = 2\n", "Zeile 3: \"z\" muss true, false, 0 oder 1 sein"},
        {"[[test]]\nausgabe = [1]\ninterrupts = [0]\n",
         "Zeile 3: \"interrupts\" muss zwischen 1 und 9223372036854775807 liegen, nicht 0"},
        {"test = 1\n", "Zeile 1: Jeder Test steht in einem Abschnitt [[test]]"},
        {"titel = \"ohne Tests\"\n", "Die Aufgabe enthält keinen Test ([[test]])"},
    };
    for (const auto& fall : faelle) {
        try {
            AufgabeLesen(fall.text);
            ADD_FAILURE() << "angenommen: " << fall.text;
        } catch (const AufgabenFehler& e) {
            EXPECT_EQ(std::string(e.what()), fall.meldung) << fall.text;
        }
    }
    // Broken TOML names its line too, whatever the library says about it.
    try {
        AufgabeLesen("titel = \"a\"\n\n[[test]\nausgabe = [1]\n");
        ADD_FAILURE();
    } catch (const AufgabenFehler& e) {
        EXPECT_TRUE(std::string(e.what()).starts_with("Zeile 3: Kein gültiges TOML")) << e.what();
    }
}

} // namespace
} // namespace tovak::test
