// The ".CPU" program file: the format on both sides, its edge cases, the failure texts and
// the safe replacement of an existing file.
#include "DateiTestHilfen.h"

#include "files/ProgramFile.h"
#include "files/ProgrammText.h"
#include "machine/Fehler.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <functional>

#include <algorithm>
#include <climits>
#include <fstream>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tovak::test {
namespace {

namespace fs = std::filesystem;

std::string Schreiben(const Programmspeicher& p) {
    return ProgrammText(p.remarks, p.speicher, p.reg);
}

LeseErgebnis Lesen(const std::string& text, Programmspeicher& p) {
    return LeseProgrammText(text, p.remarks, p.speicher, p.reg);
}

template <class Fehler> std::string FehlerText(const std::function<void()>& f) {
    try {
        f();
    } catch (const Fehler& e) {
        return e.what();
    }
    return "kein Fehler";
}

// --- Writing -------------------------------------------------------------------------------

TEST(ProgrammdateiSchreiben, LeereMaschineGibtVierZeilen) {
    Programmspeicher p;
    EXPECT_EQ(Schreiben(p), CrLf({"5  Version", "0", "0 Anzahl RAM", "-1 Anzahl Register"}));
}

TEST(ProgrammdateiSchreiben, BeispielDerBeschreibung) {
    Programmspeicher p;
    p.remarks = {"Summe", "zweier Zahlen"};
    p.speicher.SetCell(65, 0, 65, true);
    p.speicher.SetCell(0, 1, 5, false);
    p.speicher.SetCell(67, 2, 67, true);
    p.speicher.SetCell(0, 3, 3, false);
    p.reg.SetValue(3, 5);
    p.reg.SetName(3, "Ergebnis");
    EXPECT_EQ(Schreiben(p),
              CrLf({"5  Version", "2", "Summe", "zweier Zahlen", "4 Anzahl RAM",
                    "1\t65\tMove Akku, Konstante", "2\t5\t", "3\t67\tMove Reg, Akku", "4\t3\t",
                    "4 Anzahl Register", "1\t0\t", "2\t0\t", "3\t0\t", "4\t5\tErgebnis"}));
}

TEST(ProgrammdateiSchreiben, NurZelleNullGibtEineSpeicherzeile) {
    Programmspeicher p;
    p.speicher.SetCell(451, 0, 451, true);
    EXPECT_EQ(Schreiben(p),
              CrLf({"5  Version", "0", "1 Anzahl RAM", "1\t451\tNOP", "-1 Anzahl Register"}));
}

TEST(ProgrammdateiSchreiben, NegativeZellenZaehlenAlsLeer) {
    Programmspeicher p;
    p.speicher.SetValue(0, -7);
    p.speicher.SetValue(1, 2);
    p.speicher.SetValue(2, -1);
    EXPECT_EQ(Schreiben(p),
              CrLf({"5  Version", "0", "2 Anzahl RAM", "1\t-7\t", "2\t2\t", "-1 Anzahl Register"}));
}

TEST(ProgrammdateiSchreiben, Zelle4000UndRegister127) {
    Programmspeicher p;
    p.speicher.SetValue(4000, 12);
    p.reg.SetValue(127, 9);
    const std::string text = Schreiben(p);
    EXPECT_NE(text.find("\r\n4001 Anzahl RAM\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\n4001\t12\t\r\n128 Anzahl Register\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\n128\t9\t\r\n"), std::string::npos);
}

TEST(ProgrammdateiSchreiben, UmlauteUndEuroAlsWindows1252) {
    Programmspeicher p;
    p.remarks = {"Größe: 5 €, Übung für Äpfel"};
    p.reg.SetValue(0, 1);
    p.reg.SetName(0, "Zähler");
    const std::string text = Schreiben(p);
    EXPECT_NE(text.find("Gr\xF6\xDF"
                        "e: 5 \x80, \xDC"
                        "bung f\xFCr \xC4pfel\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("1\t1\tZ\xE4hler\r\n"), std::string::npos);
}

TEST(ProgrammdateiSchreiben, ZeichenAusserhalbVonWindows1252WerdenFragezeichen) {
    Programmspeicher p;
    p.remarks = {"Pfeil \xE2\x86\x92 und Smiley \xF0\x9F\x98\x80", "kaputt \xC3 \xFF\x80 Ende"};
    const std::string text = Schreiben(p);
    EXPECT_NE(text.find("\r\nPfeil ? und Smiley ?\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nkaputt ? ?? Ende\r\n"), std::string::npos);
}

TEST(ProgrammdateiSchreiben, ZeilenumbruchInBemerkungGibtEigeneZeilen) {
    Programmspeicher p;
    p.remarks = {"eins\r\nzwei\ndrei", "vier"};
    EXPECT_EQ(Schreiben(p), CrLf({"5  Version", "4", "eins", "zwei", "drei", "vier", "0 Anzahl RAM",
                                  "-1 Anzahl Register"}));
}

TEST(ProgrammdateiSchreiben, TabulatorImRegisternamenWirdLeerzeichen) {
    Programmspeicher p;
    p.reg.SetValue(0, 1);
    p.reg.SetName(0, "a\tb\nc");
    EXPECT_NE(Schreiben(p).find("\r\n1\t1\ta b c\r\n"), std::string::npos);
}

// --- Reading -------------------------------------------------------------------------------

TEST(ProgrammdateiLesen, Datenzeile) {
    Programmspeicher p;
    ASSERT_EQ(Lesen(CrLf({"5  Version", "0", "1 Anzahl RAM", "7\t0\t"}), p), LeseErgebnis::Geladen);
    EXPECT_EQ(p.speicher.GetValue(0), 0);
    EXPECT_FALSE(p.speicher.IstBefehl(0));
}

TEST(ProgrammdateiLesen, DrittesFeldMachtBefehlszelleMitKurznamen) {
    Programmspeicher p;
    Lesen(CrLf({"5  Version", "0", "2 Anzahl RAM", "1\t65\tirgendwas", "2\t139\t "}), p);
    EXPECT_TRUE(p.speicher.IstBefehl(0));
    EXPECT_EQ(p.speicher.GetBefehlsnummer(0), 65);
    EXPECT_EQ(p.speicher.Zellentext(2, 1), "Move Akku, Konstante");
    EXPECT_EQ(p.speicher.Zellentext(1, 1), " 0x0041");
    EXPECT_TRUE(p.speicher.IstBefehl(1)); // a blank is not empty
    EXPECT_EQ(p.speicher.Zellentext(2, 2), "Inc Akku");
}

TEST(ProgrammdateiLesen, FeldEinsWirdNichtBenutzt) {
    Programmspeicher p;
    Lesen(CrLf({"5  Version", "0", "3 Anzahl RAM", "9\t11\t", "3\t12\t", "1\t13\t"}), p);
    EXPECT_EQ(p.speicher.GetValue(0), 11);
    EXPECT_EQ(p.speicher.GetValue(1), 12);
    EXPECT_EQ(p.speicher.GetValue(2), 13);
}

TEST(ProgrammdateiLesen, VersionUnterFuenfLaedtNichts) {
    Programmspeicher p;
    p.remarks = {"alt"};
    p.speicher.SetCell(65, 0, 65, true);
    p.reg.SetValue(1, 4);
    EXPECT_EQ(
        Lesen(CrLf({"4  Version", "1", "neu", "1 Anzahl RAM", "1\t77\t", "-1 Anzahl Register"}), p),
        LeseErgebnis::VersionZuAlt);
    EXPECT_EQ(p.remarks, std::vector<std::string>{"alt"});
    EXPECT_EQ(p.speicher.GetValue(0), 65);
    EXPECT_TRUE(p.speicher.IstBefehl(0));
    EXPECT_EQ(p.reg.GetValue(1), 4);
}

TEST(ProgrammdateiLesen, LeereDateiIstVersionNull) {
    Programmspeicher p;
    EXPECT_EQ(Lesen("", p), LeseErgebnis::VersionZuAlt);
}

TEST(ProgrammdateiLesen, VersionSechsWieFuenf) {
    Programmspeicher p;
    EXPECT_EQ(Lesen(CrLf({"6", "0", "1 Anzahl RAM", "1\t5\t"}), p), LeseErgebnis::Geladen);
    EXPECT_EQ(p.speicher.GetValue(0), 5);
}

TEST(ProgrammdateiLesen, KuerzeresProgrammLaesstNichtsStehen) {
    Programmspeicher p;
    for (int a = 0; a < 50; ++a) {
        p.speicher.SetCell(139, a, 139, true);
    }
    Lesen(CrLf({"5  Version", "0", "2 Anzahl RAM", "1\t387\tOUT Akku", "2\t389\tOUT NewLine"}), p);
    EXPECT_EQ(p.speicher.GetValue(1), 389);
    for (int a = 2; a < 4000; ++a) {
        ASSERT_EQ(p.speicher.GetValue(a), 0) << a;
        ASSERT_FALSE(p.speicher.IstBefehl(a)) << a;
    }
    EXPECT_EQ(p.speicher.Zellentext(2, 3), "0");
}

TEST(ProgrammdateiLesen, BemerkungenMitCrLfVerbunden) {
    Programmspeicher p;
    Lesen(CrLf({"5  Version", "3", "eins", "", "drei", "0 Anzahl RAM", "-1 Anzahl Register"}), p);
    EXPECT_EQ(p.remarks, (std::vector<std::string>{"eins", "", "drei"}));
}

TEST(ProgrammdateiLesen, FehlendeZeilenLesenSichLeer) {
    Programmspeicher p;
    p.reg.SetValue(0, 3);
    // The memory lines end early; register count line is missing: no register is read.
    ASSERT_EQ(Lesen(CrLf({"5  Version", "0", "3 Anzahl RAM", "1\t65\tMove Akku, Konstante"}), p),
              LeseErgebnis::Geladen);
    EXPECT_EQ(p.speicher.GetValue(1), -1);
    EXPECT_FALSE(p.speicher.IstBefehl(1));
    EXPECT_EQ(p.speicher.GetValue(2), -1);
    EXPECT_EQ(p.reg.GetValue(0), 3);
}

TEST(ProgrammdateiLesen, FehlendeRegisterzeileIstBereichsfehler) {
    Programmspeicher p;
    EXPECT_THROW(
        Lesen(CrLf({"5  Version", "0", "0 Anzahl RAM", "2 Anzahl Register", "1\t4\tA"}), p),
        Bereichsfehler);
    EXPECT_EQ(p.reg.GetValue(0), 4); // read before the failure: stays
    EXPECT_EQ(p.reg.GetName(0), "A");
}

TEST(ProgrammdateiLesen, ZeilenendenLfUndCrUndKeinEndeAmSchluss) {
    Programmspeicher p;
    ASSERT_EQ(Lesen("5  Version\n1\rBemerkung\n2 Anzahl RAM\r\n1\t4\t\r2\t5\t\n1 Anzahl "
                    "Register\n1\t9\tName",
                    p),
              LeseErgebnis::Geladen);
    EXPECT_EQ(p.remarks, std::vector<std::string>{"Bemerkung"});
    EXPECT_EQ(p.speicher.GetValue(0), 4);
    EXPECT_EQ(p.speicher.GetValue(1), 5);
    EXPECT_EQ(p.reg.GetValue(0), 9);
    EXPECT_EQ(p.reg.GetName(0), "Name");
}

TEST(ProgrammdateiLesen, NegativeZahlenLesenKeineZeilen) {
    Programmspeicher p;
    ASSERT_EQ(Lesen(CrLf({"5", "-3", "-1 Anzahl RAM", "-1 Anzahl Register"}), p),
              LeseErgebnis::Geladen);
    EXPECT_TRUE(p.remarks.empty());
}

TEST(ProgrammdateiLesen, RiesigeBemerkungszahlLiestNurWasDaIst) {
    Programmspeicher p;
    ASSERT_EQ(Lesen(CrLf({"5  Version", "2147483647", "a", "b"}), p), LeseErgebnis::Geladen);
    EXPECT_EQ(p.remarks, (std::vector<std::string>{"a", "b"}));
}

TEST(ProgrammdateiLesen, SehrLangeZeileWirdGekuerzt) {
    Programmspeicher p;
    const std::string lang(3 * ZeilenLeser::kMaxZeilenLaenge, 'x');
    ASSERT_EQ(Lesen(CrLf({"5  Version", "1", lang, "1 Anzahl RAM", "1\t7\t"}), p),
              LeseErgebnis::Geladen);
    ASSERT_EQ(p.remarks.size(), 1u);
    EXPECT_EQ(p.remarks[0].size(), ZeilenLeser::kMaxZeilenLaenge);
    EXPECT_EQ(p.speicher.GetValue(0), 7);
}

TEST(ProgrammdateiLesen, ByteOrderMarkLiestUtf8) {
    Programmspeicher p;
    ASSERT_EQ(Lesen("\xEF\xBB\xBF" + CrLf({"5  Version", "1", "Grüße 5 €", "0 Anzahl RAM",
                                           "1 Anzahl Register", "1\t1\tZähler"}),
                    p),
              LeseErgebnis::Geladen);
    EXPECT_EQ(p.remarks, std::vector<std::string>{"Grüße 5 €"});
    EXPECT_EQ(p.reg.GetName(0), "Zähler");
}

// Found by the fuzzer: an overlong UTF-8 form of CR or LF must not put a line break into a
// remark line or a name.
TEST(ProgrammdateiLesen, UeberlangeUtf8FormenWerdenFragezeichen) {
    Programmspeicher p;
    ASSERT_EQ(
        Lesen("\xEF\xBB\xBF" + CrLf({"5  Version", "1",
                                     "a\xC0\x8D\xC0\x8A"
                                     "b\xE0\x80\xAF",
                                     "0 Anzahl RAM", "1 Anzahl Register", "1\t1\tx\xC0\x8Ay"}),
              p),
        LeseErgebnis::Geladen);
    EXPECT_EQ(p.remarks, std::vector<std::string>{"a????b???"});
    EXPECT_EQ(p.reg.GetName(0), "x??y"); // one "?" per byte of a malformed form
    p.remarks = {"eins\xC0\x8Azwei"};
    EXPECT_EQ(Schreiben(p).substr(0, 27), "5  Version\r\n1\r\neins??zwei\r\n");
}

TEST(ProgrammdateiLesen, ZahlAmZeilenanfang) {
    int n = 99;
    EXPECT_TRUE(ZahlAmZeilenanfang("  12 Anzahl RAM", n));
    EXPECT_EQ(n, 12);
    EXPECT_TRUE(ZahlAmZeilenanfang("\t-1 Anzahl Register", n));
    EXPECT_EQ(n, -1);
    EXPECT_TRUE(ZahlAmZeilenanfang("5Version", n));
    EXPECT_EQ(n, 5);
    EXPECT_TRUE(ZahlAmZeilenanfang("   ", n));
    EXPECT_EQ(n, 0);
    EXPECT_TRUE(ZahlAmZeilenanfang("-2147483648", n));
    EXPECT_EQ(n, -2147483648);
    EXPECT_FALSE(ZahlAmZeilenanfang("2147483648", n));
    EXPECT_FALSE(ZahlAmZeilenanfang("99999999999999999999999 Anzahl RAM", n));
    EXPECT_FALSE(ZahlAmZeilenanfang("Version 5", n));
    EXPECT_FALSE(ZahlAmZeilenanfang("-", n));
}

// --- Failures while reading ----------------------------------------------------------------

TEST(ProgrammdateiFehler, VersionszeileOhneZahl) {
    Programmspeicher p;
    EXPECT_EQ(FehlerText<DateiFehler>([&] {
                  Lesen(CrLf({"Version 5", "0"}), p);
              }),
              "Ungültige numerische Eingabe");
}

TEST(ProgrammdateiFehler, ZaehlzeileOhneZahlBehaeltDasGeleseneDavor) {
    Programmspeicher p;
    EXPECT_EQ(FehlerText<DateiFehler>([&] {
                  Lesen(CrLf({"5  Version", "1", "Notiz", "viele Anzahl RAM"}), p);
              }),
              "Ungültige numerische Eingabe");
    EXPECT_EQ(p.remarks, std::vector<std::string>{"Notiz"});
}

TEST(ProgrammdateiFehler, MehrAls4001SpeicherzeilenAendernDenSpeicherNicht) {
    Programmspeicher p;
    p.speicher.SetCell(139, 5, 139, true);
    EXPECT_EQ(FehlerText<Bereichsfehler>([&] {
                  Lesen(CrLf({"5  Version", "0", "4002 Anzahl RAM", "1\t1\t"}), p);
              }),
              "Fehler bei Bereichsprüfung");
    EXPECT_EQ(p.speicher.GetValue(5), 139);
}

TEST(ProgrammdateiFehler, Genau4001SpeicherzeilenGehen) {
    Programmspeicher p;
    EXPECT_EQ(Lesen(CrLf({"5  Version", "0", "4001 Anzahl RAM"}), p), LeseErgebnis::Geladen);
    EXPECT_EQ(p.speicher.GetValue(4000), -1);
}

TEST(ProgrammdateiFehler, MehrAls128Registerzeilen) {
    Programmspeicher p;
    EXPECT_THROW(Lesen(CrLf({"5  Version", "0", "0 Anzahl RAM", "129 Anzahl Register"}), p),
                 Bereichsfehler);
}

TEST(ProgrammdateiFehler, RegisterwertAusserhalbOderKeineZahl) {
    for (const std::string wert : {"65536", "-1", "abc", ""}) {
        Programmspeicher p;
        EXPECT_THROW(Lesen(CrLf({"5  Version", "0", "0 Anzahl RAM", "2 Anzahl Register",
                                 "1\t65535\tvoll", "2\t" + wert + "\tx"}),
                           p),
                     Bereichsfehler)
            << wert;
        EXPECT_EQ(p.reg.GetValue(0), 65535);
        EXPECT_EQ(p.reg.GetValue(1), 0);
    }
}

TEST(ProgrammdateiFehler, BefehlszeileAusserhalb1Bis1024BeimFuellenDesRasters) {
    Programmspeicher p;
    EXPECT_THROW(Lesen(CrLf({"5  Version", "0", "2 Anzahl RAM", "1\t65\tMove Akku, Konstante",
                             "2\t2000\tx", "-1 Anzahl Register"}),
                       p),
                 Bereichsfehler);
    EXPECT_EQ(p.speicher.Zellentext(2, 1), "Move Akku, Konstante");
    EXPECT_EQ(p.speicher.GetValue(1), 2000);
}

// --- Round trip ----------------------------------------------------------------------------

TEST(ProgrammdateiRundreise, AllesKommtZurueck) {
    Programmspeicher a;
    a.remarks = {"Größe: 5 €", "", "ÄÖÜäöüß – „Anführung“ …"};
    a.speicher.SetCell(65, 0, 65, true);
    a.speicher.SetCell(0, 1, 5, false);
    a.speicher.SetCell(452, 2, 452, true);
    a.speicher.SetCell(0, 3, 3000, false);
    a.speicher.SetValue(10, -4);
    a.speicher.SetCell(450, 3000, 450, true);
    a.speicher.SetValue(4000, 77);
    a.reg.SetValue(0, 65535);
    a.reg.SetName(0, "Maß in €");
    a.reg.SetName(5, "ohne Wert, aber benannt");
    a.reg.SetValue(126, 1);
    a.reg.SetName(126, "Überlauf");
    a.speicher.FillGrid();

    const std::string text = Schreiben(a);
    Programmspeicher b;
    ASSERT_EQ(Lesen(text, b), LeseErgebnis::Geladen);
    EXPECT_EQ(b.remarks, a.remarks);
    for (int adr = 0; adr < TRAM::kZellen; ++adr) {
        ASSERT_EQ(b.speicher.GetValue(adr), a.speicher.GetValue(adr)) << adr;
        ASSERT_EQ(b.speicher.IstBefehl(adr), a.speicher.IstBefehl(adr)) << adr;
    }
    for (int row = 1; row < 4001; ++row) {
        for (int col = 0; col < 3; ++col) {
            ASSERT_EQ(b.speicher.Zellentext(col, row), a.speicher.Zellentext(col, row)) << row;
        }
    }
    for (int i = 0; i < TReg::kRegisterZahl; ++i) {
        EXPECT_EQ(b.reg.GetValue(i), a.reg.GetValue(i)) << i;
        EXPECT_EQ(b.reg.GetName(i), a.reg.GetName(i)) << i;
    }
    EXPECT_EQ(b.reg.Zellentext(2, 1), "Maß in €");
    EXPECT_EQ(Schreiben(b), text);
}

TEST(ProgrammdateiRundreise, VerlusteDieDasFormatHat) {
    Programmspeicher a;
    a.reg.SetValue(2, 1);
    a.reg.SetName(3, "hinter dem letzten"); // behind the last non-zero register
    a.speicher.SetCell(65, 0, 65, true);
    a.speicher.SetValue(0, 500); // a marked cell whose value has no short name
    Programmspeicher b;
    Lesen(Schreiben(a), b);
    EXPECT_EQ(b.reg.GetName(3), "");
    EXPECT_EQ(b.speicher.GetValue(0), 500);
    EXPECT_FALSE(b.speicher.IstBefehl(0));
}

// --- Files ---------------------------------------------------------------------------------

class ProgrammdateiAufPlatte : public TempOrdnerTest {};

// In a child process: writes with a limit on file sizes, exits 0 when the write failed with
// the write error.
[[noreturn]] void SchreibenMitGrenze(const std::string& ziel, const Programmspeicher& p,
                                     rlim_t grenze) {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{grenze, grenze};
    setrlimit(RLIMIT_FSIZE, &limit);
    int code = 3;
    try {
        WriteDatei(ziel, {}, p.speicher, p.reg);
    } catch (const DateiFehler& e) {
        code = std::string(e.what()) == "E/A-Fehler 101" ? 0 : 4;
    }
    std::_Exit(code);
}

TEST_F(ProgrammdateiAufPlatte, SchreibenUndLesen) {
    Programmspeicher a;
    a.remarks = {"Grüße"};
    a.speicher.SetCell(387, 0, 387, true);
    a.reg.SetValue(1, 2);
    a.reg.SetName(1, "Zähler");
    WriteDatei(Pfad("prog.CPU"), a.remarks, a.speicher, a.reg);
    EXPECT_EQ(DateiInhalt(Pfad("prog.CPU")), Schreiben(a));
    EXPECT_EQ(Eintraege(), std::vector<std::string>{"prog.CPU"});

    Programmspeicher b;
    EXPECT_EQ(ReadDatei(Pfad("prog.CPU"), b.remarks, b.speicher, b.reg), LeseErgebnis::Geladen);
    EXPECT_EQ(b.remarks, a.remarks);
    EXPECT_TRUE(b.speicher.IstBefehl(0));
    EXPECT_EQ(b.reg.GetName(1), "Zähler");
}

TEST_F(ProgrammdateiAufPlatte, UeberschreibenBehaeltDieRechte) {
    DateiAnlegen(Pfad("alt.CPU"), "alt");
    fs::permissions(Pfad("alt.CPU"),
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    Programmspeicher p;
    WriteDatei(Pfad("alt.CPU"), {}, p.speicher, p.reg);
    EXPECT_EQ(DateiInhalt(Pfad("alt.CPU")), Schreiben(p));
    EXPECT_EQ(fs::status(Pfad("alt.CPU")).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(ProgrammdateiAufPlatte, UeberEinenLinkWirdDasZielErsetzt) {
    DateiAnlegen(Pfad("ziel.CPU"), "alt");
    fs::create_symlink("ziel.CPU", Pfad("link.CPU"));
    Programmspeicher p;
    WriteDatei(Pfad("link.CPU"), {}, p.speicher, p.reg);
    EXPECT_TRUE(fs::is_symlink(Pfad("link.CPU")));
    EXPECT_EQ(DateiInhalt(Pfad("ziel.CPU")), Schreiben(p));
}

TEST_F(ProgrammdateiAufPlatte, MisslungenesSchreibenLaesstDieAlteDateiStehen) {
    DateiAnlegen(Pfad("alt.CPU"), "alter Inhalt");
    Programmspeicher p;
    for (int a = 0; a < TRAM::kZellen; ++a) {
        p.speicher.SetValue(a, 1000 + a);
    }
    const std::string ziel = Pfad("alt.CPU");
    // The child may write no file larger than 1000 bytes: the write fails half way.
    EXPECT_EXIT(SchreibenMitGrenze(ziel, p, 1000), ::testing::ExitedWithCode(0), "");
    EXPECT_EQ(DateiInhalt(ziel), "alter Inhalt");
    EXPECT_EQ(Eintraege(), std::vector<std::string>{"alt.CPU"});
}

TEST_F(ProgrammdateiAufPlatte, OrdnerAlsZielWirdVerweigert) {
    fs::create_directory(Pfad("ordner.CPU"));
    Programmspeicher p;
    EXPECT_EQ(
        FehlerText<DateiFehler>([&] { WriteDatei(Pfad("ordner.CPU"), {}, p.speicher, p.reg); }),
        "Dateizugriff verweigert");
    EXPECT_TRUE(fs::is_directory(Pfad("ordner.CPU")));
    EXPECT_EQ(Eintraege(), std::vector<std::string>{"ordner.CPU"});
    EXPECT_EQ(FehlerText<DateiFehler>(
                  [&] { ReadDatei(Pfad("ordner.CPU"), p.remarks, p.speicher, p.reg); }),
              "Dateizugriff verweigert");
}

TEST_F(ProgrammdateiAufPlatte, FehlendeDateiUndFehlenderOrdner) {
    Programmspeicher p;
    EXPECT_EQ(FehlerText<DateiFehler>(
                  [&] { ReadDatei(Pfad("fehlt.CPU"), p.remarks, p.speicher, p.reg); }),
              "Datei nicht gefunden");
    EXPECT_EQ(
        FehlerText<DateiFehler>([&] { WriteDatei(Pfad("fehlt/neu.CPU"), {}, p.speicher, p.reg); }),
        "Datei nicht gefunden");
    EXPECT_EQ(FehlerText<DateiFehler>([&] { WriteDatei("", {}, p.speicher, p.reg); }),
              "Datei nicht gefunden");
}

TEST_F(ProgrammdateiAufPlatte, SchreibgeschuetzteDateiWirdVerweigert) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "root may write every file";
    }
    DateiAnlegen(Pfad("fest.CPU"), "fest");
    fs::permissions(Pfad("fest.CPU"), fs::perms::owner_read);
    Programmspeicher p;
    EXPECT_EQ(FehlerText<DateiFehler>([&] { WriteDatei(Pfad("fest.CPU"), {}, p.speicher, p.reg); }),
              "Dateizugriff verweigert");
    EXPECT_EQ(DateiInhalt(Pfad("fest.CPU")), "fest");
}

TEST_F(ProgrammdateiAufPlatte, DateinameMitUmlauten) {
    Programmspeicher a;
    a.speicher.SetValue(0, 3);
    WriteDatei(Pfad("Übung für Größen.CPU"), {}, a.speicher, a.reg);
    Programmspeicher b;
    EXPECT_EQ(ReadDatei(Pfad("Übung für Größen.CPU"), b.remarks, b.speicher, b.reg),
              LeseErgebnis::Geladen);
    EXPECT_EQ(b.speicher.GetValue(0), 3);
}

// Every cell and every register used: both directions stay in the milliseconds.
TEST_F(ProgrammdateiAufPlatte, VolleDateiHinUndZurueck) {
    Programmspeicher a;
    a.remarks = {"voll"};
    for (int adr = 0; adr < TRAM::kZellen; adr += 2) {
        a.speicher.SetCell(65, adr, 65, true);
        if (adr + 1 < TRAM::kZellen) {
            a.speicher.SetCell(0, adr + 1, adr + 1, false);
        }
    }
    for (int i = 0; i < TReg::kRegisterZahl; ++i) {
        a.reg.SetValue(i, 65535 - i);
        a.reg.SetName(i, "Register Nr. " + std::to_string(i) + " für Größen");
    }
    WriteDatei(Pfad("voll.CPU"), a.remarks, a.speicher, a.reg);
    Programmspeicher b;
    ReadDatei(Pfad("voll.CPU"), b.remarks, b.speicher, b.reg);
    EXPECT_EQ(b.speicher.GetValue(4000), 65);
    EXPECT_EQ(b.reg.GetName(127), "Register Nr. 127 für Größen");
}

// A school share lets the learner write the file but create none beside it, and a name too
// long for the new file is refused alike. The file is then written in place, once its old
// content was copied away; without a place for that copy the save stays refused.
TEST_F(ProgrammdateiAufPlatte, OhneNeueDateiImOrdnerWirdNachEinerKopieAnOrtGeschrieben) {
    Programmspeicher p;
    p.speicher.SetCell(451, 0, 451, true);
    const std::string lang = Pfad(std::string(NAME_MAX - 4, 'x') + ".CPU");
    DateiAnlegen(lang, "alter Inhalt");
    EXPECT_EQ(FehlerText<DateiFehler>([&] { WriteDatei(lang, {}, p.speicher, p.reg); }),
              "E/A-Fehler 3");
    EXPECT_EQ(DateiInhalt(lang), "alter Inhalt");
    const std::string kopie = Pfad("Temp/Vor dem Speichern/x.CPU");
    WriteDatei(lang, {}, p.speicher, p.reg, kopie);
    EXPECT_EQ(DateiInhalt(lang), Schreiben(p));
    EXPECT_EQ(DateiInhalt(kopie), "alter Inhalt");
    EXPECT_EQ(Eintraege().size(), 2u); // the file and the copy's folder, nothing left over

    if (geteuid() == 0) {
        return; // root may create files in every folder
    }
    fs::create_directory(Pfad("fest"));
    const std::string datei = Pfad("fest/p.CPU");
    DateiAnlegen(datei, "alt");
    fs::permissions(Pfad("fest"), fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_EQ(FehlerText<DateiFehler>([&] { WriteDatei(datei, {}, p.speicher, p.reg); }),
              "Dateizugriff verweigert");
    WriteDatei(datei, {}, p.speicher, p.reg, kopie);
    EXPECT_EQ(DateiInhalt(datei), Schreiben(p));
    EXPECT_EQ(DateiInhalt(kopie), "alt");
    fs::permissions(Pfad("fest"), fs::perms::owner_all);
}

TEST_F(ProgrammdateiAufPlatte, VerwaisteTempDateienBeendeterProzesseVerschwinden) {
    const pid_t kind = fork();
    if (kind == 0) {
        std::_Exit(0);
    }
    waitpid(kind, nullptr, 0);
    const std::string eigene = "a.CPU.~tmp" + std::to_string(getpid()) + "-7";
    DateiAnlegen(Pfad("a.CPU"), "a");
    DateiAnlegen(Pfad("a.CPU.~tmp" + std::to_string(kind) + "-0"), "halb geschrieben");
    DateiAnlegen(Pfad(eigene), "wird gerade geschrieben");
    DateiAnlegen(Pfad("b.CPU.~tmpx-1"), "kein Prozess");
    EXPECT_EQ(VerwaisteTempDateienEntfernen(ordner_.string()), 1);
    std::vector<std::string> namen = Eintraege();
    std::sort(namen.begin(), namen.end());
    EXPECT_EQ(namen, (std::vector<std::string>{"a.CPU", eigene, "b.CPU.~tmpx-1"}));
}

// A file that would take the window minutes and gigabytes is refused at once.
TEST_F(ProgrammdateiAufPlatte, FeindlicheDateienWerdenAbgewiesen) {
    const std::string zuGross =
        "Die Datei ist zu groß für ein TOVAK-Programm (höchstens 4 MB) und wurde nicht geladen.";
    {
        std::ofstream out(Pfad("gross.CPU"), std::ios::binary);
        out << "5  Version\r\n5000000\r\n" << std::string(5 * 1024 * 1024, '\n');
    }
    Programmspeicher p;
    p.remarks = {"vorher"};
    EXPECT_EQ(FehlerText<DateiFehler>(
                  [&] { ReadDatei(Pfad("gross.CPU"), p.remarks, p.speicher, p.reg); }),
              zuGross);
    EXPECT_EQ(p.remarks, std::vector<std::string>{"vorher"});
    // A device has no size: it is stopped after as many bytes.
    EXPECT_EQ(
        FehlerText<DateiFehler>([&] { ReadDatei("/dev/zero", p.remarks, p.speicher, p.reg); }),
        zuGross);
    // Small, but more remark lines than a program has.
    std::string text = "5  Version\r\n20000\r\n";
    for (int i = 0; i < 20000; ++i) {
        text += "\r\n";
    }
    EXPECT_EQ(FehlerText<DateiFehler>([&] { Lesen(text, p); }),
              "Die Datei hat mehr als 10000 Bemerkungszeilen und ist kein TOVAK-Programm; sie "
              "wurde nicht geladen.");
    text = "5  Version\r\n10000\r\n";
    for (int i = 0; i < 10000; ++i) {
        text += "\r\n";
    }
    EXPECT_EQ(Lesen(text, p), LeseErgebnis::Geladen);
}

} // namespace
} // namespace tovak::test
