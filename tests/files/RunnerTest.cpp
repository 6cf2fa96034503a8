// The command-line runner: option parsing, exit status, output, dump and trace.
#include "DateiTestHilfen.h"

#include "app/CommandLine.h"
#include "app/Runner.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace tovak::test {
namespace {

// --- Option parsing ------------------------------------------------------------------------

bool IstKommandozeile(std::vector<std::string> args) {
    std::vector<char*> argv;
    for (std::string& arg : args) {
        argv.push_back(arg.data());
    }
    return IsCommandLineRun(static_cast<int>(argv.size()), argv.data());
}

TEST(RunnerOptionen, WannDieKommandozeileLaeuft) {
    EXPECT_FALSE(IstKommandozeile({"tovak"}));
    EXPECT_FALSE(IstKommandozeile({"tovak", "Summe.CPU"}));
    EXPECT_FALSE(IstKommandozeile({"tovak", "--running"}));
    EXPECT_TRUE(IstKommandozeile({"tovak", "--run", "Summe.CPU"}));
    EXPECT_TRUE(IstKommandozeile({"tovak", "--run=Summe.CPU"}));
    EXPECT_TRUE(IstKommandozeile({"tovak", "--help"}));
    EXPECT_TRUE(IstKommandozeile({"tovak", "-h"}));
    EXPECT_TRUE(IstKommandozeile({"tovak", "--version"}));
    EXPECT_TRUE(IstKommandozeile({"tovak", "--dump", "--run", "x"}));
    EXPECT_TRUE(IstKommandozeile({"tovak", "--assemble", "a.txt", "-o", "a.CPU"}));
    EXPECT_TRUE(IstKommandozeile({"tovak", "--disassemble=a.CPU"}));
}

TEST(RunnerOptionen, Voreinstellungen) {
    LaufOptionen o;
    EXPECT_EQ(ParseLaufOptionen({"--run", "a.CPU"}, o), "");
    EXPECT_EQ(o.datei, "a.CPU");
    EXPECT_EQ(o.format, 0);
    EXPECT_TRUE(o.eingaben.empty());
    EXPECT_TRUE(o.interrupts.empty());
    EXPECT_EQ(o.maxSchritte, 10'000'000u);
    EXPECT_FALSE(o.trace);
    EXPECT_FALSE(o.dump);
    EXPECT_FALSE(o.hilfe);
}

TEST(RunnerOptionen, AlleOptionen) {
    LaufOptionen o;
    EXPECT_EQ(ParseLaufOptionen({"--format", "hex", "--input", "1,2,65535", "--run=a.CPU",
                                 "--interrupt-at", "9", "--interrupt-at=3", "--interrupt-at", "9",
                                 "--max-steps", "0", "--trace", "--dump", "--input=7"},
                                o),
              "");
    EXPECT_EQ(o.datei, "a.CPU");
    EXPECT_EQ(o.format, 1);
    EXPECT_EQ(o.eingaben, (std::vector<int>{1, 2, 65535, 7}));
    EXPECT_EQ(o.interrupts, (std::vector<std::uint64_t>{3, 9}));
    EXPECT_EQ(o.maxSchritte, 0u);
    EXPECT_TRUE(o.trace);
    EXPECT_TRUE(o.dump);
    LaufOptionen a;
    EXPECT_EQ(ParseLaufOptionen({"--run", "a", "--format=ascii"}, a), "");
    EXPECT_EQ(a.format, 2);
    for (const char* ziel : {"-o=b.CPU", "--output=b.CPU"}) {
        LaufOptionen t;
        EXPECT_EQ(ParseLaufOptionen({"--assemble", "a.txt", ziel}, t), "");
        EXPECT_EQ(t.assemble, "a.txt");
        EXPECT_EQ(t.ausgabe, "b.CPU");
    }
    LaufOptionen ohneZiel;
    EXPECT_EQ(ParseLaufOptionen({"--assemble", "a.txt", "-o"}, ohneZiel),
              "Die Option -o verlangt einen Wert");
}

TEST(RunnerOptionen, FalscheWerte) {
    const std::vector<std::vector<std::string>> falsch = {
        {},
        {"--dump"},
        {"--run"},
        {"--run", ""},
        {"--run", "a", "--run", "b"},
        {"--run", "a", "b"},
        {"--run", "a", "--format", "binär"},
        {"--run", "a", "--format"},
        {"--run", "a", "--input", ""},
        {"--run", "a", "--input", "1,,2"},
        {"--run", "a", "--input", "1,"},
        {"--run", "a", "--input", "65536"},
        {"--run", "a", "--input", "-1"},
        {"--run", "a", "--input", "0x10"},
        {"--run", "a", "--interrupt-at", "0"},
        {"--run", "a", "--interrupt-at", "-4"},
        {"--run", "a", "--max-steps", "-1"},
        {"--run", "a", "--max-steps", "zehn"},
        {"--run", "a", "--max-steps", "1e6"},
        {"--run", "a", "--max-steps", " 5"},
        {"--run", "a", "--max-steps", "99999999999999999999999"},
        {"--run", "a", "--schnell"},
        {"--run", "a", "-x"},
        {"--run", "a", "--dump=1"},
    };
    for (const auto& args : falsch) {
        LaufOptionen o;
        EXPECT_NE(ParseLaufOptionen(args, o), "") << ::testing::PrintToString(args);
    }
}

TEST(RunnerOptionen, HilfeGewinnt) {
    LaufOptionen o;
    ParseLaufOptionen({"--schnell", "-h"}, o);
    EXPECT_TRUE(o.hilfe);
}

// --- Runs ----------------------------------------------------------------------------------

struct Lauf {
    int status = -1;
    std::string out;
    std::string err;
};

std::string Lesen(std::FILE* f) {
    std::string text;
    std::rewind(f);
    char buf[4096];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) {
        text.append(buf, n);
    }
    std::fclose(f);
    return text;
}

Lauf Starte(const std::vector<std::string>& args) {
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    Lauf lauf;
    lauf.status = Kommandozeile(args, out, err);
    lauf.out = Lesen(out);
    lauf.err = Lesen(err);
    return lauf;
}

std::string Programm(const std::vector<std::string>& speicherzeilen,
                     const std::vector<std::string>& registerzeilen = {}) {
    std::string text =
        "5  Version\r\n0\r\n" + std::to_string(speicherzeilen.size()) + " Anzahl RAM\r\n";
    for (const std::string& zeile : speicherzeilen) {
        text += zeile + "\r\n";
    }
    text += std::to_string(registerzeilen.empty() ? -1 : static_cast<int>(registerzeilen.size())) +
            " Anzahl Register\r\n";
    for (const std::string& zeile : registerzeilen) {
        text += zeile + "\r\n";
    }
    return text;
}

class RunnerLauf : public TempOrdnerTest {
protected:
    std::string Datei(const std::string& inhalt) {
        const std::string pfad = Pfad("p" + std::to_string(++nummer_) + ".CPU");
        DateiAnlegen(pfad, inhalt);
        return pfad;
    }
    int nummer_ = 0;
};

TEST_F(RunnerLauf, HilfeUndVersionAufDerStandardausgabe) {
    const Lauf lauf = Starte({"--help"});
    EXPECT_EQ(lauf.status, 0);
    EXPECT_EQ(lauf.out, HilfeText());
    EXPECT_NE(lauf.out.find("--interrupt-at K"), std::string::npos);
    EXPECT_EQ(lauf.err, "");

    // The version wins over a run; the help wins over the version.
    const Lauf version = Starte({"--run", "fehlt.CPU", "--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "tovak " TOVAK_PROJECT_VERSION " (TOVAK – Rechner-Simulation)\n");
    EXPECT_EQ(version.err, "");
    EXPECT_EQ(Starte({"--version", "-h"}).out, HilfeText());
}

TEST_F(RunnerLauf, CpuStopMitAusgabeUndDump) {
    // Akku := 5; R3 := Akku; OUT Akku; OUT NewLine; CPU Stop.
    const std::string datei =
        Datei(Programm({"1\t65\tx", "2\t5\t", "3\t67\tx", "4\t3\t", "5\t387\tx", "6\t389\tx"},
                       {"1\t0\t", "2\t0\t", "3\t9\tvorher"}));
    const Lauf lauf = Starte({"--run", datei, "--dump"});
    EXPECT_EQ(lauf.status, LaufCpuStop);
    EXPECT_EQ(lauf.out, "5   101\n\nAkku=5\nOperand=0\nZ=0\nC=0\nP=1\nS=0\nIP=6\nSP=255\nR2=9\n"
                        "R3=5\n");
    EXPECT_EQ(lauf.err, "");
}

TEST_F(RunnerLauf, AusgabeformateUndEingaben) {
    // Lies Zahl; OUT Akku is not needed: the read value itself is a line. Twice, then stop.
    const std::string datei = Datei(Programm({"1\t390\tx", "2\t390\tx"}));
    EXPECT_EQ(Starte({"--run", datei, "--input", "65,228"}).out,
              "65   1000001\n\n228   11100100\n\n");
    EXPECT_EQ(Starte({"--run", datei, "--input", "65,228", "--format", "hex"}).out,
              "65   0x0041\n\n228   0x00E4\n\n");
    EXPECT_EQ(Starte({"--run", datei, "--input", "65,228", "--format", "ascii"}).out,
              "65  A\n\n228  ä\n\n");
}

TEST_F(RunnerLauf, EingabeAbgebrochen) {
    const std::string datei = Datei(Programm({"1\t390\tx", "2\t390\tx"}));
    const Lauf lauf = Starte({"--run", datei, "--input", "3", "--dump"});
    EXPECT_EQ(lauf.status, LaufSteuerwerkFehler);
    EXPECT_EQ(lauf.err, "Fehler: Abbruch der Eingabe\n");
    EXPECT_EQ(lauf.out.substr(0, 11), "3   11\n\nAkk");
    // The dump shows where the run stopped, not the reset of the window's error stop.
    EXPECT_NE(lauf.out.find("\nIP=1\n"), std::string::npos);
}

TEST_F(RunnerLauf, UnbekannterBefehl) {
    const Lauf lauf = Starte({"--run", Datei(Programm({"1\t100\t"}))});
    EXPECT_EQ(lauf.status, LaufSteuerwerkFehler);
    EXPECT_EQ(lauf.err, "Fehler: Der Befehl wurde nicht erkannt\n");
}

TEST_F(RunnerLauf, DivisionDurchNull) {
    // Akku := 7; DIV Akku, 0.
    const Lauf lauf =
        Starte({"--run", Datei(Programm({"1\t65\tx", "2\t7\t", "3\t138\tx", "4\t0\t"})), "--dump"});
    EXPECT_EQ(lauf.status, LaufBereichsfehler);
    EXPECT_EQ(lauf.err, "Fehler: Division durch Null\n");
    EXPECT_EQ(lauf.out.substr(0, 7), "Akku=0\n"); // A holds the divisor 0 and keeps it
}

TEST_F(RunnerLauf, Bereichsfehler) {
    // R200 := Akku: register 200 does not exist.
    const Lauf lauf = Starte({"--run", Datei(Programm({"1\t67\tx", "2\t200\t"}))});
    EXPECT_EQ(lauf.status, LaufBereichsfehler);
    EXPECT_EQ(lauf.err, "Fehler: Fehler bei Bereichsprüfung\n");
}

TEST_F(RunnerLauf, Schrittgrenze) {
    // JMP 0: an endless loop.
    const std::string datei = Datei(Programm({"1\t323\tx", "2\t0\t"}));
    const Lauf lauf = Starte({"--run", datei, "--max-steps", "1000"});
    EXPECT_EQ(lauf.status, LaufSchrittgrenze);
    EXPECT_EQ(lauf.err, "Schrittgrenze erreicht: 1000 Mikroschritte\n");
    EXPECT_EQ(Starte({"--run", datei, "--max-steps", "0"}).status, LaufSchrittgrenze);
}

TEST_F(RunnerLauf, LetzterErlaubterSchrittHaeltAn) {
    // NOP (4 micro-steps), then CPU Stop decoded in micro-step 7.
    const std::string datei = Datei(Programm({"1\t451\tNOP"}));
    EXPECT_EQ(Starte({"--run", datei, "--max-steps", "7"}).status, LaufCpuStop);
    EXPECT_EQ(Starte({"--run", datei, "--max-steps", "6"}).status, LaufSchrittgrenze);
}

TEST_F(RunnerLauf, InterruptVorDemKtenSchritt) {
    // NOP; NOP; CPU Stop. ISR at 3000: OUT NewLine; IRET.
    std::vector<std::string> zeilen = {"1\t451\tx", "2\t451\tx"};
    for (int a = 2; a < 3000; ++a) {
        zeilen.push_back(std::to_string(a + 1) + "\t0\t");
    }
    zeilen.push_back("3001\t389\tx");
    zeilen.push_back("3002\t450\tx");
    const std::string datei = Datei(Programm(zeilen));
    // Before micro-step 4, the interrupt test of the first NOP: the ISR runs once.
    Lauf lauf = Starte({"--run", datei, "--interrupt-at", "4", "--dump"});
    EXPECT_EQ(lauf.status, LaufCpuStop);
    EXPECT_EQ(lauf.out.substr(0, 1), "\n");
    EXPECT_NE(lauf.out.find("\nP=0\nS=0\nIP=2\nSP=255\n"), std::string::npos);
    EXPECT_NE(lauf.out.find("\nM253=2\n"), std::string::npos); // the saved flags word
    // Set after the last interrupt test: never accepted.
    lauf = Starte({"--run", datei, "--interrupt-at", "9", "--dump"});
    EXPECT_EQ(lauf.out.substr(0, 5), "Akku=");
}

TEST_F(RunnerLauf, TraceZeilen) {
    const Lauf lauf = Starte({"--run", Datei(Programm({"1\t451\tNOP"})), "--trace"});
    EXPECT_EQ(lauf.status, LaufCpuStop);
    EXPECT_EQ(lauf.err, "1\t1\tBefehl adressieren\tIP=0\tAB=000\tDB=0x0000\n"
                        "2\t2\tBefehl lesen\tIP=0\tAB=000\tDB=0x01C3\n"
                        "3\t3\tBefehl decodieren\tIP=0\tAB=000\tDB=0x01C3\n"
                        "4\t22\tTest auf Interrupt\tIP=0\tAB=000\tDB=0x01C3\n"
                        "5\t1\tBefehl adressieren\tIP=1\tAB=001\tDB=0x0000\n"
                        "6\t2\tBefehl lesen\tIP=1\tAB=001\tDB=0x0000\n"
                        "7\t3\tBefehl decodieren\tIP=1\tAB=001\tDB=0x0000\n");
}

TEST_F(RunnerLauf, DumpZeigtGeaenderteZellen) {
    // Go Sub 10 (pushes three cells at 255..253), at 10: IRET.
    std::vector<std::string> zeilen = {"1\t452\tx", "2\t10\t"};
    for (int a = 2; a < 10; ++a) {
        zeilen.push_back(std::to_string(a + 1) + "\t0\t");
    }
    zeilen.push_back("11\t450\tx");
    const Lauf lauf = Starte({"--run", Datei(Programm(zeilen)), "--dump"});
    EXPECT_EQ(lauf.status, LaufCpuStop);
    EXPECT_EQ(lauf.out, "Akku=0\nOperand=0\nZ=1\nC=0\nP=0\nS=0\nIP=2\nSP=255\nM253=2\nM255=1\n");
}

TEST_F(RunnerLauf, Datei_Fehler) {
    Lauf lauf = Starte({"--run", Pfad("fehlt.CPU")});
    EXPECT_EQ(lauf.status, LaufAufrufFehler);
    EXPECT_EQ(lauf.err, "Fehler: " + Pfad("fehlt.CPU") + ": Datei nicht gefunden\n");

    const std::string alt = Datei(CrLf({"4  Version", "0", "1 Anzahl RAM", "1\t451\tNOP"}));
    lauf = Starte({"--run", alt});
    EXPECT_EQ(lauf.status, LaufAufrufFehler);
    EXPECT_NE(lauf.err.find("Version unter 5"), std::string::npos);

    lauf = Starte({"--run", Datei(CrLf({"5", "0", "5000 Anzahl RAM"}))});
    EXPECT_EQ(lauf.status, LaufAufrufFehler);
    EXPECT_NE(lauf.err.find("Fehler bei Bereichsprüfung"), std::string::npos);

    lauf = Starte({"--run", Datei("5  Version\r\nzwei\r\n")});
    EXPECT_EQ(lauf.status, LaufAufrufFehler);
    EXPECT_NE(lauf.err.find("Ungültige numerische Eingabe"), std::string::npos);

    // Without a version line it is read as program text, whatever the file's name.
    lauf = Starte({"--run", Datei("kein Programm")});
    EXPECT_EQ(lauf.status, LaufAufrufFehler);
    EXPECT_EQ(lauf.err, "Zeile 1: Unbekannter Befehl „kein Programm“\n");
}

TEST_F(RunnerLauf, AufrufFehlerNennenDieHilfe) {
    const Lauf lauf = Starte({"--run", "x.CPU", "--format", "oct"});
    EXPECT_EQ(lauf.status, LaufAufrufFehler);
    EXPECT_EQ(lauf.err, "Fehler: Unbekanntes Ausgabeformat: \"oct\" (erlaubt: bin, hex, ascii)\n"
                        "Hilfe: tovak --help\n");
    EXPECT_EQ(lauf.out, "");
}

// --- Program text ----------------------------------------------------------------------------

TEST_F(RunnerLauf, ProgrammtextUebersetzenZurueckUndLaufen) {
    const std::string text = Pfad("summe.txt");
    DateiAnlegen(text, ".REGISTER 1 a = 17\n.REGISTER 2 b = 25\nMove Akku, Register a\n"
                       "Add Akku, Register b\nOUT Akku\n");
    const std::string cpu = Pfad("summe.CPU");
    Lauf lauf = Starte({"--assemble", text, "-o", cpu});
    EXPECT_EQ(lauf.status, 0);
    EXPECT_EQ(lauf.err, "");
    EXPECT_EQ(DateiInhalt(cpu),
              Programm({"1\t66\tMove Akku, Register", "2\t1\t", "3\t129\tAdd Akku, Register",
                        "4\t2\t", "5\t387\tOUT Akku"},
                       {"1\t0\t", "2\t17\ta", "3\t25\tb"}));

    lauf = Starte({"--disassemble", cpu});
    EXPECT_EQ(lauf.status, 0);
    EXPECT_EQ(lauf.out, ".REGISTER 1 a = 17\n.REGISTER 2 b = 25\n\n    Move Akku, Register a\n"
                        "    Add Akku, Register b\n    OUT Akku\n");

    // --run tells the text by its content, also under the other extension.
    const std::string alsCpu = Datei(DateiInhalt(text));
    lauf = Starte({"--run", alsCpu, "--dump"});
    EXPECT_EQ(lauf.status, LaufCpuStop);
    EXPECT_NE(lauf.out.find("Akku=42\n"), std::string::npos) << lauf.out;
}

TEST_F(RunnerLauf, FehlerImProgrammtext) {
    const std::string text = Pfad("fehler.txt");
    DateiAnlegen(text, "NOP\nMove Akku, Konstante 70000\nJump zu Adresse Weg\n");
    const std::string cpu = Pfad("fehler.CPU");
    DateiAnlegen(cpu, "alt");
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"--assemble", text, "-o", cpu}, {"--run", text}, {"--disassemble", text}}) {
        const Lauf lauf = Starte(args);
        EXPECT_EQ(lauf.status, LaufAufrufFehler) << args[0];
        EXPECT_EQ(lauf.err, "Zeile 2: Die Konstante „70000“ liegt nicht zwischen 0 und 65535\n"
                            "Zeile 3: Unbekannte Marke „Weg“\n")
            << args[0];
        EXPECT_EQ(lauf.out, "");
    }
    EXPECT_EQ(DateiInhalt(cpu), "alt");

    for (const auto& [args, meldung] :
         std::vector<std::pair<std::vector<std::string>, std::string>>{
             {{"--assemble", text}, "Die Option --assemble verlangt die Zieldatei: -o DATEI.CPU"},
             {{"--disassemble", cpu, "-o", text}, "Die Option -o gehört zu --assemble"},
             {{"--run", cpu, "--disassemble", cpu},
              "Nur eine der Optionen --run, --assemble und --disassemble ist erlaubt"}}) {
        const Lauf lauf = Starte(args);
        EXPECT_EQ(lauf.status, LaufAufrufFehler);
        EXPECT_EQ(lauf.err, "Fehler: " + meldung + "\nHilfe: tovak --help\n");
    }
}

} // namespace
} // namespace tovak::test
