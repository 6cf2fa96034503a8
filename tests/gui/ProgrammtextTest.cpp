// The "Programmtext" window as a learner uses it: typing a program, "Übernehmen", errors,
// "Aus dem Speicher", the highlighted line during a run, and its text files.
#include "DialogAusfuellen.h"
#include "GuiFixture.h"

#include "dialogs/Befehlsuebersicht.h"
#include "dialogs/Dialog0.h"
#include "dialogs/Programmtext.h"
#include "dialogs/ProgrammtextEditor.h"
#include "files/DateiTestHilfen.h"
#include "files/Disassembler.h"
#include "files/ProgrammText.h"
#include "widgets/OroGrid.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <algorithm>
#include <set>

namespace tovak::test {
namespace {

// Counts down from R1 to 1 and writes each value; the same program the dialogs enter in
// ViaDialogen.
constexpr const char* kText = "; Countdown\n"
                              ".REGISTER 1 Start = 3\n"
                              "    Move Akku, Register Start\n"
                              "Schleife:\n"
                              "    OUT Akku\n"
                              "    Dec Akku\n"
                              "    Compare Akku Konstanten 0\n"
                              "    JNZ zu Adresse Schleife\n";

// Types as on a keyboard, Enter for each line break.
void Tastatur(QWidget* editor, const QString& text) {
    const QStringList zeilen = text.split('\n');
    for (int i = 0; i < zeilen.size(); ++i) {
        if (i > 0) {
            QTest::keyClick(editor, Qt::Key_Return);
        }
        QTest::keyClicks(editor, zeilen[i]);
    }
}

class Programmtext : public GuiTest {
protected:
    TFProgrammtext& Fenster() {
        window->findChild<QPushButton*>(QStringLiteral("BnProgrammtext"))->click();
        TFProgrammtext* fenster = window->Programmtext();
        EXPECT_NE(fenster, nullptr);
        return *fenster;
    }
    void Tippen(TFProgrammtext& f, const QString& text) {
        f.Editor()->setFocus();
        f.Editor()->selectAll();
        Tastatur(f.Editor(), text);
    }
    void Uebernehmen(TFProgrammtext& f) {
        f.findChild<QPushButton*>(QStringLiteral("BnUebernehmen"))->click();
    }
    // What the window shows of memory and registers, and what a run writes.
    std::vector<std::string> Abbild() {
        std::vector<std::string> zeilen;
        for (int a = 0; a <= 12; ++a) {
            zeilen.push_back(
                std::to_string(window->Machine().Units().speicher.GetValue(a)) + " " +
                std::to_string(window->Machine().Units().speicher.GetBefehlsnummer(a)) + " " +
                window->Diagram().gridSpeicher->CellText(2, a + 1).toStdString());
        }
        zeilen.push_back(window->Diagram().gridRegister->CellText(1, 2).toStdString());
        return zeilen;
    }
    std::string Lauf() {
        window->MnProgrammstartClick();
        TicksUntilStop(2000);
        return window->Ausgabe() != nullptr
                   ? window->Ausgabe()->Memo1()->toPlainText().toStdString()
                   : "<keine Ausgabe>";
    }
    void Eingeben(const char* item, int befehl, const char* field = nullptr,
                  const char* text = nullptr) {
        window->Hooks().befehlsDialog = [=](TFDialog0& dialog) {
            DialogAusfuellen(dialog, befehl, field, text);
        };
        window->findChild<QAction*>(QString::fromLatin1(item))->trigger();
    }

    // The questions before unsaved text is let go.
    int Fragen() const {
        return static_cast<int>(
            std::count_if(boxes.boxes.begin(), boxes.boxes.end(), [](const RecordedBox& b) {
                return b.caption == "Programmtext" && b.kind == "question3";
            }));
    }
};

TEST_F(Programmtext, GetipptLaeuftWieMitDenDialogenEingegeben) {
    // By dialogs, with the register set by hand.
    Eingeben("MnTransportbefehle", 66, "ERegister", "1");
    Eingeben("MnEABefehler", 387);
    Eingeben("MnArithmetikbefehle", 140);
    Eingeben("MnSprungbefehle", 322, "EKonstante", "0");
    Eingeben("MnSprungbefehle", 325, "EAdresse", "2");
    window->Machine().Units().reg.SetValue(1, 3);
    window->Machine().Units().reg.SetName(1, "Start");
    const std::vector<std::string> dialoge = Abbild();
    const std::string dateiDialoge =
        ProgrammText({}, window->Machine().Units().speicher, window->Machine().Units().reg);
    const std::string laufDialoge = Lauf();
    EXPECT_EQ(std::count(laufDialoge.begin(), laufDialoge.end(), '\n'), 2) << laufDialoge;

    window->MnNeuClick(); // the learner lets the dialogs' program go
    boxes.boxes.clear();
    TFProgrammtext& f = Fenster();
    Tippen(f, QString::fromUtf8(kText));
    Uebernehmen(f);
    EXPECT_TRUE(f.Fehlerliste()->isHidden());
    EXPECT_EQ(Abbild(), dialoge);
    EXPECT_EQ(ProgrammText({}, window->Machine().Units().speicher, window->Machine().Units().reg),
              dateiDialoge);
    EXPECT_TRUE(window->Document().IsModified());
    EXPECT_EQ(Lauf(), laufDialoge);
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(Programmtext, FehlerNennenIhreZeilenUndLassenDenSpeicher) {
    Laden(Programm("p.CPU", kSchleife));
    const std::vector<std::string> vorher = Abbild();
    TFProgrammtext& f = Fenster();
    Tippen(f, QStringLiteral("NOP\nMove Akku, Konstante 70000\n\nJZ zu Adresse Nirgends\n"));
    Uebernehmen(f);
    EXPECT_EQ(Abbild(), vorher);
    ASSERT_FALSE(f.Fehlerliste()->isHidden());
    ASSERT_EQ(f.Fehlerliste()->count(), 2);
    EXPECT_EQ(f.Fehlerliste()->item(1)->text(), "Zeile 4: Unbekannte Marke „Nirgends“");
    EXPECT_EQ(f.Editor()->extraSelections().size(), 2);
    EXPECT_EQ(f.Editor()->textCursor().blockNumber(), 1) << "the first error's line";
    // Clicking an error goes to its line.
    QTest::mouseClick(f.Fehlerliste()->viewport(), Qt::LeftButton, {},
                      f.Fehlerliste()->visualItemRect(f.Fehlerliste()->item(1)).center());
    EXPECT_EQ(f.Editor()->textCursor().blockNumber(), 3);
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(Programmtext, AusDemSpeicherUndDieZeileDesIPWaehrendDesLaufs) {
    Laden(QString::fromUtf8(TOVAK_EXAMPLES_DIR "/Countdown.CPU"));
    TFProgrammtext& f = Fenster();
    f.findChild<QPushButton*>(QStringLiteral("BnAusDemSpeicher"))->click();
    EXPECT_EQ(f.Editor()->toPlainText().toStdString(),
              Disassembliere(window->ProgrammImSpeicher()));
    EXPECT_FALSE(f.Editor()->document()->isModified());
    EXPECT_TRUE(f.FileName().isEmpty());
    auto zeileVon = [&f](const char* anfang) {
        const QStringList zeilen = f.Editor()->toPlainText().split('\n');
        for (int i = 0; i < zeilen.size(); ++i) {
            if (zeilen[i].trimmed().startsWith(QString::fromUtf8(anfang))) {
                return i + 1;
            }
        }
        return -1;
    };
    EXPECT_EQ(f.Editor()->AktuelleZeile(), zeileVon("Move Akku, Register"));
    // Taken back unchanged, the program is still the file's: no change mark, no question.
    Uebernehmen(f);
    EXPECT_FALSE(window->Document().IsModified());
    EXPECT_TRUE(boxes.boxes.empty());

    // Takt by Takt the highlight follows the IP to the instruction it points into.
    window->MnEinzelschrittClick();
    std::set<int> gesehen;
    for (int i = 0; i < 60; ++i) {
        window->MnTaktClick();
        const int ip = window->Machine().Units().steuerwerk.GetIP();
        const int erwartet = ip <= 1   ? zeileVon("Move Akku, Register")
                             : ip == 2 ? zeileVon("OUT Akku")
                             : ip == 3 ? zeileVon("Dec Akku")
                             : ip <= 5 ? zeileVon("Move Reg, Akku")
                             : ip <= 7 ? zeileVon("Compare")
                             : ip <= 9 ? zeileVon("JNZ")
                                       : zeileVon("OUT NewLine");
        ASSERT_EQ(f.Editor()->AktuelleZeile(), erwartet) << "IP " << ip;
        gesehen.insert(erwartet);
    }
    EXPECT_GE(gesehen.size(), 5u);
    // Once the text is edited, its lines no longer say where the cells are.
    f.Editor()->moveCursor(QTextCursor::Start);
    Tastatur(f.Editor(), QStringLiteral("; neu\n"));
    window->MnTaktClick();
    EXPECT_EQ(f.Editor()->AktuelleZeile(), 0);
}

TEST_F(Programmtext, UebernehmenFragtNurWennDerSpeicherAnderesHaelt) {
    TFProgrammtext& f = Fenster();
    Tippen(f, QStringLiteral("NOP\nNOP"));
    Uebernehmen(f);
    EXPECT_TRUE(boxes.boxes.empty()) << "memory was empty";
    // A run changes no instruction: no question.
    Lauf();
    Tippen(f, QStringLiteral("Inc Akku"));
    Uebernehmen(f);
    EXPECT_TRUE(boxes.boxes.empty());
    EXPECT_EQ(window->Machine().Units().speicher.GetValue(0), 139);
    // An instruction entered by dialog is: the learner may keep it.
    window->Machine().Units().steuerwerk.SetIP(5);
    Eingeben("MnSteuerbefehle", 451);
    Tippen(f, QStringLiteral("Dec Akku"));
    Uebernehmen(f);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].kind, "question");
    EXPECT_EQ(window->Machine().Units().speicher.GetValue(0), 139);
    EXPECT_EQ(window->Machine().Units().speicher.GetValue(5), 451);
    boxes.answer = true;
    Uebernehmen(f);
    EXPECT_EQ(window->Machine().Units().speicher.GetValue(0), 140);
    EXPECT_EQ(window->Machine().Units().speicher.GetValue(5), 0);
}

TEST_F(Programmtext, DateienUndDieFrageVorDemVerwerfen) {
    const std::string pfad = (dir.path() + "/zaehler.txt").toStdString();
    DateiAnlegen(pfad, "Z\xE4hler: NOP\r\nJump zu Adresse Z\xE4hler\r\n"); // Windows-1252
    TFProgrammtext& f = Fenster();
    f.SetFileDialogs([&] { return QString::fromStdString(pfad); },
                     [&] { return dir.path() + "/neu.txt"; });
    f.findChild<QAction*>(QStringLiteral("MnTextOeffnen"))->trigger();
    EXPECT_EQ(f.Editor()->toPlainText(), "Zähler: NOP\nJump zu Adresse Zähler\n");
    EXPECT_EQ(f.windowTitle(), "Programmtext - zaehler.txt[*]");

    // Ctrl+S in the text saves the text (UTF-8, CR LF), not the program file.
    window->Hooks().askOpen = nullptr;
    window->Hooks().askSave = [] {
        ADD_FAILURE() << "the main window's save ran";
        return QString();
    };
    f.Editor()->moveCursor(QTextCursor::End);
    Tastatur(f.Editor(), QStringLiteral("NOP"));
    EXPECT_TRUE(f.isWindowModified());
    QTest::keyClick(f.Editor(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(DateiInhalt(pfad), "Zähler: NOP\r\nJump zu Adresse Zähler\r\nNOP");
    EXPECT_FALSE(f.isWindowModified());

    // Unsaved text: closing asks; "Abbrechen" keeps the window, "Ja" saves first.
    Tastatur(f.Editor(), QStringLiteral("\nIRET"));
    boxes.threeWay = Antwort::Abbrechen;
    EXPECT_FALSE(f.close());
    EXPECT_EQ(Fragen(), 1);
    // So does closing the main window, and cancelling keeps it open.
    EXPECT_FALSE(window->close());
    EXPECT_EQ(Fragen(), 2);
    EXPECT_TRUE(window->isVisible());
    // "Aus dem Speicher" would discard it too.
    f.findChild<QPushButton*>(QStringLiteral("BnAusDemSpeicher"))->click();
    EXPECT_EQ(Fragen(), 3);
    EXPECT_TRUE(f.Editor()->toPlainText().endsWith("IRET"));
    boxes.threeWay = Antwort::Ja;
    QPointer<TFProgrammtext> zu(&f);
    EXPECT_TRUE(f.close());
    EXPECT_TRUE(DateiInhalt(pfad).ends_with("NOP\r\nIRET"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(zu.isNull());

    // A program file opened here is shown as its text, under no text file's name.
    TFProgrammtext& g = Fenster();
    g.SetFileDialogs([] { return QString::fromUtf8(TOVAK_EXAMPLES_DIR "/Summe.CPU"); }, {});
    g.MnOeffnenClick();
    EXPECT_TRUE(g.FileName().isEmpty());
    EXPECT_TRUE(g.Editor()->toPlainText().contains("Add Akku, Register 2"));
}

// Hilfe › Befehlsübersicht: every instruction, searchable; F1 in the text opens the entry of
// the instruction in the cursor's line, behind its label and before its comment.
TEST_F(Programmtext, BefehlsuebersichtUndF1) {
    window->findChild<QAction*>(QStringLiteral("MnBefehlsuebersicht"))->trigger();
    auto* uebersicht = window->findChild<TFBefehlsuebersicht*>();
    ASSERT_NE(uebersicht, nullptr);
    auto* liste = uebersicht->findChild<QListWidget*>(QStringLiteral("LbBefehle"));
    auto* eintrag = uebersicht->findChild<QTextBrowser*>(QStringLiteral("TbEintrag"));
    EXPECT_EQ(liste->count(), 54); // the introduction and 53 instructions
    const auto sichtbar = [&] {
        QStringList namen;
        for (int i = 0; i < liste->count(); ++i) {
            if (!liste->item(i)->isHidden()) {
                namen << liste->item(i)->text();
            }
        }
        return namen;
    };
    uebersicht->findChild<QLineEdit*>()->setText(QStringLiteral("carry"));
    EXPECT_EQ(sichtbar(), (QStringList{"ROL Akku", "ROR Akku", "JC zu Adresse", "JNC zu Adresse",
                                       "CLR Carry"}));
    EXPECT_TRUE(eintrag->toPlainText().contains("Rotiert den Akku"));

    TFProgrammtext& f = Fenster();
    Tippen(f, QString::fromUtf8(kText));
    f.Editor()->GeheZuZeile(8); // "    JNZ zu Adresse Schleife"
    f.findChild<QAction*>(QStringLiteral("MnTextBefehlsuebersicht"))->trigger();
    EXPECT_EQ(window->findChildren<TFBefehlsuebersicht*>().size(), 1);
    EXPECT_EQ(liste->currentItem()->text(), "JNZ zu Adresse");
    const QString jnz = eintrag->toPlainText();
    for (const char* teil : {"Nummer\n325 (0x0145)", "Adresse 0 bis 3999", "Flags\nkeine",
                             "Takte\n7", "Befehls-Operand lesen", "Test auf Interrupt"}) {
        EXPECT_TRUE(jnz.contains(QString::fromUtf8(teil))) << teil;
    }
    Tippen(f, QStringLiteral("ende: out akku ; fertig"));
    f.findChild<QAction*>(QStringLiteral("MnTextBefehlsuebersicht"))->trigger();
    EXPECT_EQ(liste->currentItem()->text(), "OUT Akku");
    EXPECT_TRUE(eintrag->toPlainText().contains("Flags\nkeine"));
}

} // namespace
} // namespace tovak::test
