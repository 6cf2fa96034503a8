// "Takt zurück", the run counters and the lessons menu in the real window.
#include "GuiFixture.h"

#include "dialogs/Ausgabe.h"
#include "mainwindow/Beispielprogramme.h"
#include "widgets/Animate.h"
#include "widgets/BusAnimation.h"
#include "widgets/OroGrid.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

namespace tovak::test {
namespace {

class TaktZurueck : public GuiTest {
protected:
    // What the learner sees of the run.
    std::string Anzeige() const {
        QStringList texte;
        for (const char* name :
             {"PMicrocode", "PBefehl", "PBefehlRem", "PAdressBus", "PDatenBus", "PanelAkku",
              "PanelOpearand", "PanelZeroFlag", "PanelCarryFlag", "PanelParityFlag",
              "PanelSignFlag", "PInstructionPointer", "EStackPointer", "PStackPointer",
              "EAEinheit1", "PBefehlszaehler", "PTaktzaehler"}) {
            texte << Panel(name);
        }
        texte << QString::number(Control<QSpinBox>("EInstructionPointer")->value())
              << QString::number(window->Diagram().gridSpeicher->Row());
        if (window->Ausgabe() != nullptr) {
            texte << window->Ausgabe()->Memo1()->toPlainText();
        }
        return texte.join(QStringLiteral(" | ")).toStdString();
    }
    QAction* Item() const { return window->findChild<QAction*>("MnTaktZurueck"); }
    QPushButton* Knopf() const { return Control<QPushButton>("BnTaktZurueck"); }
    bool Verfuegbar() const { return Item()->isEnabled() && Knopf()->isEnabled(); }
    // Shortcuts reach the active window only.
    void Activate() {
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
};

TEST_F(TaktZurueck, MenuItemWithF7AfterTaktAndAButtonBesideIt) {
    QMenu* start = window->menuBar()->findChild<QMenu*>("MnStart");
    ASSERT_NE(start, nullptr);
    const QList<QAction*> items = start->actions();
    const auto takt = std::find_if(items.begin(), items.end(),
                                   [](QAction* a) { return a->objectName() == "MnTakt"; });
    ASSERT_NE(takt, items.end());
    ASSERT_NE(takt + 1, items.end());
    EXPECT_EQ(*(takt + 1), Item());
    EXPECT_EQ(Item()->text(), QString::fromUtf8("Takt &zurück"));
    EXPECT_EQ(Item()->shortcut(), QKeySequence(Qt::Key_F7));
    EXPECT_EQ(Knopf()->toolTip(), QString::fromUtf8("Takt zurück (F7)"));

    // Beside "Takt", overlapping no other control of the toolbar.
    const QRect knopf = Knopf()->geometry();
    EXPECT_GT(knopf.left(), Control("BnTakt")->geometry().right());
    EXPECT_LT(knopf.right(), Control("BnStop")->geometry().left());
    for (QWidget* w : Control("Symbolleiste")->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (w != Knopf() && w->isVisible()) {
            EXPECT_FALSE(w->geometry().intersects(knopf)) << w->objectName().toStdString();
        }
    }
    EXPECT_FALSE(Verfuegbar()); // nothing to undo yet
}

TEST_F(TaktZurueck, StepsBackByKeyButtonAndMenuAndForwardAgainWithTakt) {
    Laden(Programm("schleife.CPU", kSchleife));
    window->MnEinzelschrittClick();
    std::vector<std::string> vorher;
    for (int i = 0; i < 33; ++i) { // into the second pass of the loop, past two outputs
        vorher.push_back(Anzeige());
        window->MnTaktClick();
    }
    EXPECT_EQ(Panel("PTaktzaehler").toStdString(), "34 ");
    EXPECT_EQ(Panel("PBefehlszaehler").toStdString(), "5 ");
    ASSERT_TRUE(Verfuegbar());

    Activate();
    QTest::keyClick(window.get(), Qt::Key_F7);
    EXPECT_EQ(Anzeige(), vorher.back());
    vorher.pop_back();
    Knopf()->click();
    EXPECT_EQ(Anzeige(), vorher.back());
    vorher.pop_back();
    for (int i = 0; i < 10; ++i) {
        Item()->trigger();
        EXPECT_EQ(Anzeige(), vorher.back()) << "undo " << i;
        vorher.pop_back();
    }
    EXPECT_EQ(Panel("PTaktzaehler").toStdString(), "22 ");

    // Forward again: the same micro-steps and outputs.
    const std::string nachEinem = [&] {
        window->MnTaktClick();
        return Anzeige();
    }();
    Item()->trigger();
    Control<QPushButton>("BnTakt")->click();
    EXPECT_EQ(Anzeige(), nachEinem);
    EXPECT_TRUE(boxes.boxes.empty());
}

// The window clears some panels itself and owns the clips and rows: back at the start every
// one shows what it showed before the first step, not what a former run left in the machine.
TEST_F(TaktZurueck, BackAtTheStartTheWindowLooksAsBeforeTheFirstStep) {
    Laden(Programm("schleife.CPU", kSchleife));
    window->MnProgrammstartClick();
    TicksUntilStop();
    ASSERT_EQ(Panel("PBefehlRem"), "CPU Stop");
    auto bild = [this] {
        std::string text =
            Anzeige() + " | " + std::to_string(window->Diagram().gridRegister->Row());
        for (TAnimate* clip : window->Diagram().Animation().Controls()) {
            text += " | " + clip->FileName().section('/', -1).toStdString() + "@" +
                    std::to_string(clip->CurrentFrame()) + (clip->Active() ? "+" : "");
        }
        return text;
    };
    for (const bool programmstart : {false, true}) {
        std::string vorher;
        if (programmstart) { // its first step follows at once, the output cleared before
            window->ResetRunState(false);
            window->Ausgabe()->Clear();
            window->Diagram().gridRegister->SetRow(5);
            vorher = bild();
            window->MnProgrammstartClick();
            window->BnStopClick();
        } else { // F8 in edit mode after STOP
            window->ResetRunState(false);
            vorher = bild();
        }
        for (int i = 0; i < 40; ++i) {
            window->MnTaktClick();
        }
        int schritte = 0;
        while (Verfuegbar() && schritte < 100) {
            Item()->trigger();
            ++schritte;
        }
        EXPECT_EQ(Panel("PTaktzaehler"), "0 ");
        EXPECT_EQ(bild(), vorher) << programmstart;
    }
}

TEST_F(TaktZurueck, NotDuringARunAndForgottenAfterEditsAndNewRuns) {
    Laden(Programm("schleife.CPU", kSchleife));
    window->MnProgrammstartClick();
    window->MnTaktClick();
    EXPECT_TRUE(ClockOn());
    EXPECT_FALSE(Verfuegbar());
    Activate();
    QTest::keyClick(window.get(), Qt::Key_F7);
    EXPECT_EQ(window->Machine().Units().steuerwerk.GetTaktzaehler(), 2);
    window->BnStopClick();
    EXPECT_TRUE(Verfuegbar());
    // Undo after STOP shows the machine again and steps on in single-step mode.
    Item()->trigger();
    EXPECT_EQ(Panel("PMicrocode"), "Befehl adressieren");
    EXPECT_TRUE(Control<QPushButton>("BnTakt")->isEnabled());
    EXPECT_FALSE(Control<QSpinBox>("EInstructionPointer")->isEnabled());

    // Each edit forgets the journal.
    const std::vector<std::function<void()>> edits = {
        [&] { window->MnEinzelschrittClick(); },
        [&] {
            window->BnStopClick();
            Control<QSpinBox>("EInstructionPointer")->setValue(4);
        },
        [&] {
            window->BnStopClick();
            Control<QSpinBox>("EAEinheit2")->setValue(9);
        },
        [&] { window->LkBefehlEinfuegenClick(); },
        [&] { window->LkBefehlLoeschenClick(); },
        [&] { window->MnRegisterResetClick(); },
        [&] { window->MnNeuClick(); },
        [&] { Laden(Programm("schleife.CPU", kSchleife)); },
    };
    for (std::size_t i = 0; i < edits.size(); ++i) {
        window->MnTaktClick();
        window->MnTaktClick();
        ASSERT_TRUE(window->Run().CanStepBack()) << i;
        edits[i]();
        EXPECT_EQ(window->Run().CanStepBack(), i == 0) << i; // Einzelschritt's first step only
        EXPECT_EQ(window->Machine().Units().steuerwerk.GetJournal()->Schritte(), i == 0 ? 1u : 0u)
            << i;
    }
    EXPECT_EQ(Panel("PTaktzaehler"), "0 ");
}

TEST_F(TaktZurueck, NumberInputIsAskedAgainAndAnErrorStopIsUndone) {
    Laden(Programm("lies.CPU", {{390, "Lies Zahl in E/A-Einheit"}, {0}}));
    int gefragt = 0;
    window->Hooks().numberInput = [&] {
        ++gefragt;
        return zahl;
    };
    window->MnShowAusgabefensterClick();
    window->MnEinzelschrittClick();
    window->MnTaktClick();
    window->MnTaktClick();
    const std::string vorEingabe = Anzeige();
    zahl = 42;
    window->MnTaktClick();
    ASSERT_EQ(gefragt, 1);
    ASSERT_NE(window->Ausgabe(), nullptr);
    EXPECT_EQ(window->Ausgabe()->Memo1()->toPlainText(), "42   101010\n");
    EXPECT_EQ(window->Ausgabe()->LRadioButton()->text(), "101010");
    Item()->trigger();
    EXPECT_EQ(Anzeige(), vorEingabe);
    EXPECT_EQ(window->Ausgabe()->LRadioButton()->text(), "-");

    // Cancelled: the error stop and its reset to address 0 are undone with the step.
    zahl = -1;
    window->MnTaktClick();
    EXPECT_EQ(gefragt, 2);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(Panel("PInstructionPointer"), "0x0000");
    EXPECT_FALSE(Control<QPushButton>("BnTakt")->isEnabled()); // edit mode
    Item()->trigger();
    EXPECT_EQ(Anzeige(), vorEingabe);
    EXPECT_TRUE(Control<QPushButton>("BnTakt")->isEnabled());
    zahl = 7;
    window->MnTaktClick();
    EXPECT_EQ(gefragt, 3);
    EXPECT_EQ(window->Ausgabe()->Memo1()->toPlainText(), "7   111\n");
    EXPECT_EQ(boxes.boxes.size(), 1u);
}

using Beispielmenu = GuiTest;

TEST_F(Beispielmenu, ListsEveryLessonByTitleAndOpensItLikeOeffnen) {
    QMenu* menu = window->Actions().BeispielMenu();
    ASSERT_NE(menu, nullptr);
    // In "&Datei", just before "&Beenden".
    QMenu* datei = window->menuBar()->findChild<QMenu*>("Datei1");
    const QList<QAction*> items = datei->actions();
    const int pos = static_cast<int>(items.indexOf(menu->menuAction()));
    ASSERT_GE(pos, 0);
    ASSERT_LT(pos + 2, items.size());
    EXPECT_EQ(items[pos + 2]->objectName(), "MnBeenden");

    // The build folder holds a copy of every lesson beside the executable.
    const QStringList dateien =
        QDir(TOVAK_EXAMPLES_DIR).entryList({QStringLiteral("*.CPU")}, QDir::Files);
    ASSERT_GE(dateien.size(), 10);
    ASSERT_EQ(menu->actions().size(), dateien.size());
    QStringList titel;
    for (QAction* item : menu->actions()) {
        titel << item->text();
    }
    EXPECT_EQ(titel.first(), "Summe zweier Zahlen");
    EXPECT_TRUE(titel.contains(QString::fromUtf8("Fußgängerampel: ein Interrupt als Taster")));

    QAction* ampel = menu->actions().last();
    ampel->trigger();
    EXPECT_TRUE(window->windowTitle().endsWith(ampel->data().toString()));
    EXPECT_TRUE(window->windowTitle().endsWith("Ampel.CPU"));
    EXPECT_EQ(window->Machine().Units().speicher.GetValue(3000), 65);
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(Beispielmenu, FindsTheLessonsOfAnInstalledProgram) {
    // bin/tovak with the lessons in share/tovak/, one also in share/tovak/examples/.
    QDir root(dir.path());
    ASSERT_TRUE(root.mkpath("bin") && root.mkpath("share/tovak/examples"));
    const QString examples = QStringLiteral(TOVAK_EXAMPLES_DIR);
    ASSERT_TRUE(
        QFile::copy(examples + "/Countdown.CPU", root.filePath("share/tovak/Countdown.CPU")));
    ASSERT_TRUE(
        QFile::copy(examples + "/Summe.CPU", root.filePath("share/tovak/examples/Summe.CPU")));
    QFile eigenes(root.filePath("share/tovak/Eigenes.CPU")); // no lesson: not listed
    ASSERT_TRUE(eigenes.open(QIODevice::WriteOnly));
    eigenes.close();

    const auto gefunden = FindeBeispielprogramme(root.filePath("bin"));
    ASSERT_EQ(gefunden.size(), 2u);
    EXPECT_EQ(gefunden[0].titel, "Summe zweier Zahlen");
    EXPECT_EQ(gefunden[0].pfad, QDir::cleanPath(root.filePath("share/tovak/examples/Summe.CPU")));
    EXPECT_EQ(gefunden[1].titel, "Countdown: zählt vom Startwert in R1 bis 1 herunter");
    EXPECT_EQ(BeispielTitel(root.filePath("share/tovak/Eigenes.CPU")), "Eigenes");
}

} // namespace
} // namespace tovak::test
