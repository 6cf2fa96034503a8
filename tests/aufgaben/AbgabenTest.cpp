// A class's submissions checked in one go, as the teacher runs it: a folder with a correct, a
// wrong, a looping, a crashing and an unreadable submission, the table, the exit status and
// the CSV byte for byte.
#include "app/PruefenBefehl.h"
#include "aufgaben/Bericht.h"

#include "files/DateiTestHilfen.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

namespace tovak::test {
namespace {

constexpr const char* kAufgabe = R"(titel = "n + 10"
max_takte = 5000
[[test]]
name = "n = 5"
eingabe = [5]
ausgabe = [15]
[[test]]
name = "n = 0"
eingabe = [0]
ausgabe = [10]
)";

std::string Gelesen(std::FILE* datei) {
    std::rewind(datei);
    std::string text;
    for (int c; (c = std::fgetc(datei)) != EOF;) {
        text += static_cast<char>(c);
    }
    return text;
}

class Klasse : public TempOrdnerTest {
protected:
    void SetUp() override {
        TempOrdnerTest::SetUp();
        std::filesystem::create_directories(Pfad("abgaben/7b"));
        DateiAnlegen(Pfad("summe.aufgabe"), kAufgabe);
        const std::string lesen = "Lies Zahl in E/A-Einheit\nIN Akku\n";
        DateiAnlegen(Pfad("abgaben/anna.txt"), lesen + "Add Akku, Konstante 10\nOUT Akku\n");
        // Forgets the 10 when n is 0.
        DateiAnlegen(Pfad("abgaben/ben.txt"),
                     lesen + "JZ zu Adresse Ende\nAdd Akku, Konstante 10\nEnde: OUT Akku\n");
        DateiAnlegen(Pfad("abgaben/7b/carl.txt"), lesen + "S: Jump zu Adresse S\n");
        DateiAnlegen(Pfad("abgaben/dora.txt"), lesen + "Div Akku, Konstante 0\n");
        DateiAnlegen(Pfad("abgaben/emil.CPU"), "5\r\nkaputt\r\n");
        DateiAnlegen(Pfad("abgaben/notizen.md"), "keine Abgabe");
    }

    int Pruefen(PruefOptionen o) {
        std::unique_ptr<std::FILE, int (*)(std::FILE*)> out(std::tmpfile(), std::fclose);
        std::unique_ptr<std::FILE, int (*)(std::FILE*)> err(std::tmpfile(), std::fclose);
        const int status = AbgabenPruefenBefehl(o, out.get(), err.get());
        ausgabe = Gelesen(out.get());
        fehler = Gelesen(err.get());
        return status;
    }

    std::string ausgabe, fehler;
};

TEST_F(Klasse, JedeAbgabeEineZeileUndDieCsvAufsByte) {
    PruefOptionen o;
    o.aufgabe = Pfad("summe.aufgabe");
    o.abgaben = {Pfad("abgaben"), Pfad("fehlt.CPU")};
    o.csv = Pfad("ergebnis.csv");
    EXPECT_EQ(Pruefen(o), 1);
    EXPECT_EQ(fehler, "");
    const std::string a = Pfad("abgaben") + "/";
    EXPECT_EQ(DateiInhalt(Pfad("ergebnis.csv")),
              "\xEF\xBB\xBF"
              "Datei;Bestanden;Tests;Befehle;Takte;Meldung\r\n" +
                  a + "7b/carl.txt;0;2;" + "1430;10000;n = 5: Schrittgrenze erreicht\r\n" + //
                  a + "anna.txt;2;2;10;60;\r\n" +                                           //
                  a + "ben.txt;1;2;11;64;n = 0: Ausgabe 1: erwartet 10, erhalten 0\r\n" +   //
                  a + "dora.txt;0;2;6;40;n = 5: Division durch Null\r\n" +                  //
                  a + "emil.CPU;0;2;0;0;Ungültige numerische Eingabe\r\n" +                 //
                  Pfad("fehlt.CPU") + ";0;2;0;0;Datei nicht gefunden\r\n");
    // The table says the same for the terminal.
    EXPECT_NE(ausgabe.find("anna.txt"), std::string::npos);
    EXPECT_NE(ausgabe.find("1 von 2"), std::string::npos);
    EXPECT_TRUE(ausgabe.ends_with("1 von 6 Abgaben bestehen alle Tests.\n")) << ausgabe;

    o.abgaben = {Pfad("abgaben/anna.txt")};
    o.csv.clear();
    EXPECT_EQ(Pruefen(o), 0);
}

TEST_F(Klasse, UnbrauchbareAufgabeOderKeineAbgabenSindStatusZwei) {
    PruefOptionen o;
    o.aufgabe = Pfad("abgaben/anna.txt");
    o.abgaben = {Pfad("abgaben")};
    EXPECT_EQ(Pruefen(o), 2);
    EXPECT_NE(fehler.find("Zeile 1:"), std::string::npos) << fehler;
    EXPECT_EQ(ausgabe, "");
    o.aufgabe = Pfad("summe.aufgabe");
    o.abgaben = {Pfad("abgaben/7b/leer")};
    std::filesystem::create_directories(Pfad("abgaben/7b/leer"));
    EXPECT_EQ(Pruefen(o), 2);
    EXPECT_EQ(fehler, "Fehler: Keine Abgaben gefunden (.CPU- oder .txt-Dateien)\n");
}

TEST(BerichtTabelle, SpaltenNachZeichenAusgerichtet) {
    AbgabeErgebnis ue;
    ue.datei = "Jürgen.CPU";
    ue.tests = 1;
    ue.bestanden = 1;
    ue.befehle = 12345;
    AbgabeErgebnis lang;
    lang.datei = "x.CPU";
    lang.tests = 1;
    lang.meldung = "Eingabe fehlt";
    EXPECT_EQ(BerichtTabelle({ue, lang}), "Datei       Bestanden  Befehle  Takte  Meldung\n"
                                          "Jürgen.CPU  1 von 1      12345      0\n"
                                          "x.CPU       0 von 1          0      0  Eingabe fehlt\n"
                                          "1 von 2 Abgaben bestehen alle Tests.\n");
    // Separators and quotes inside a field are quoted as spreadsheets read them.
    lang.datei = "a;b \"c\".CPU";
    EXPECT_TRUE(BerichtCsv({lang}).ends_with("\"a;b \"\"c\"\".CPU\";0;1;0;0;Eingabe fehlt\r\n"));
}

} // namespace
} // namespace tovak::test
