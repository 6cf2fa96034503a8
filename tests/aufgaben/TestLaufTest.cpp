// One test on a machine: each way a test fails, with its message, and what counts as output.
#include "aufgaben/TestLauf.h"

#include "files/Assembler.h"

#include <gtest/gtest.h>

#include <string>

namespace tovak::test {
namespace {

Programminhalt Programm(const std::string& text) {
    Uebersetzung u = Assembliere(text);
    EXPECT_TRUE(u.Ok()) << (u.Ok() ? "" : u.fehler.front().Text());
    return u.inhalt;
}

TestErgebnis Pruefe(const std::string& programm, AufgabenTest test,
                    std::uint64_t maxTakte = kStandardMaxTakte) {
    Aufgabe aufgabe;
    aufgabe.maxTakte = maxTakte;
    aufgabe.tests.push_back(std::move(test));
    return TestsAusfuehren(aufgabe, Programm(programm)).front();
}

// Reads n, outputs n + 10, keeps it in R1.
constexpr const char* kPlusZehn = R"(
    Lies Zahl in E/A-Einheit
    IN Akku
    Add Akku, Konstante 10
    Move Reg, Akku 1
    OUT Akku
)";

TEST(TestLauf, BestandenZaehltBefehleUndTakteOhneEcho) {
    AufgabenTest t;
    t.eingabe = {5};
    t.ausgabe = {15}; // the echo of the 5 read is no output
    t.register_ = {{1, 15}};
    t.akku = 15;
    t.z = false;
    const TestErgebnis e = Pruefe(kPlusZehn, t);
    EXPECT_TRUE(e.bestanden) << e.meldung;
    EXPECT_EQ(e.meldung, "");
    EXPECT_EQ(e.befehle, 6u); // five instructions and the stop at the empty cell
    EXPECT_GT(e.takte, e.befehle);
}

TEST(TestLauf, JedeMeldungDesScheiterns) {
    AufgabenTest t;
    t.eingabe = {4};
    t.ausgabe = {15};
    EXPECT_EQ(Pruefe(kPlusZehn, t).meldung, "Ausgabe 1: erwartet 15, erhalten 14");
    t.ausgabe = {14, 3};
    EXPECT_EQ(Pruefe(kPlusZehn, t).meldung, "Ausgabe 2: erwartet 3, erhalten keine");
    t.ausgabe = {};
    EXPECT_EQ(Pruefe(kPlusZehn, t).meldung, "Ausgabe 1: erwartet keine, erhalten 14");
    t.ausgabe = {14};
    t.register_ = {{1, 5050}, {2, 0}};
    EXPECT_EQ(Pruefe(kPlusZehn, t).meldung, "Register 1: erwartet 5050, erhalten 14");
    t.register_ = {};
    t.speicher = {{100, 1}};
    EXPECT_EQ(Pruefe(kPlusZehn, t).meldung, "Speicher 100: erwartet 1, erhalten 0");
    t.speicher = {};
    t.akku = 0;
    EXPECT_EQ(Pruefe(kPlusZehn, t).meldung, "Akku: erwartet 0, erhalten 14");
    t.akku.reset();
    t.z = true;
    EXPECT_EQ(Pruefe(kPlusZehn, t).meldung, "Z-Flag: erwartet 1, erhalten 0");

    t = {};
    t.ausgabe = {14};
    EXPECT_EQ(Pruefe(kPlusZehn, t).meldung, "Eingabe fehlt");
    t.eingabe = {1};
    const TestErgebnis schleife = Pruefe("Schleife: Jump zu Adresse Schleife\n", t, 500);
    EXPECT_EQ(schleife.meldung, "Schrittgrenze erreicht");
    EXPECT_EQ(schleife.takte, 500u);
    // The machine's own texts: a thrown error and an error code.
    EXPECT_EQ(Pruefe("Move Akku, Konstante 1\nDiv Akku, Konstante 0\n", t).meldung,
              "Division durch Null");
    Aufgabe aufgabe;
    aufgabe.tests = {t};
    Programminhalt unbekannt;
    unbekannt.zellen[0] = {1000, true};
    EXPECT_EQ(TestsAusfuehren(aufgabe, unbekannt).front().meldung,
              "Der Befehl wurde nicht erkannt");
}

TEST(TestLauf, InterruptVorDemGenanntenMikroschritt) {
    // Counts to 50 in R0; the service routine outputs 7.
    const char* programm = R"(
Schleife:
    Move Akku, Register 0
    Inc Akku
    Move Reg, Akku 0
    Compare Akku Konstanten 50
    JNZ zu Adresse Schleife
.ORG 3000
    Move Akku, Konstante 7
    OUT Akku
    IRET
)";
    AufgabenTest t;
    t.ausgabe = {};
    t.register_ = {{0, 50}};
    EXPECT_TRUE(Pruefe(programm, t).bestanden);
    t.interrupts = {30};
    t.ausgabe = {7};
    const TestErgebnis e = Pruefe(programm, t);
    EXPECT_TRUE(e.bestanden) << e.meldung;
    // A request after the program stopped changes nothing.
    t.interrupts = {1'000'000};
    t.ausgabe = {};
    EXPECT_TRUE(Pruefe(programm, t).bestanden);
}

} // namespace
} // namespace tovak::test
