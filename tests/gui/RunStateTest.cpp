// The run state in the status bar and the "Start von IP" menu item, through whole runs.
#include "GuiFixture.h"

#include "dialogs/Debug.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>

namespace tovak::test {
namespace {

class RunState : public GuiTest {
protected:
    // The label as the user sees it once the command has finished.
    QString Zustand() {
        QApplication::processEvents();
        EXPECT_EQ(window->RunStateLabel()->text(), window->Run().RunStateText());
        return window->RunStateLabel()->text();
    }
    QAction* StartVonIP() const { return Control<QAction>("MnProgrammReStart"); }
};

TEST_F(RunState, NamesEveryStateOfARunWithBreakpointAndStop) {
    EXPECT_EQ(Zustand(), "Bearbeiten");
    Laden(Programm("schleife.CPU", kSchleife));
    window->MnDebugfensterClick();
    window->Debug()->Memo1()->setPlainText("3");

    window->MnProgrammstartClick();
    EXPECT_EQ(Zustand(), "Programmlauf");
    TicksUntilStop();
    EXPECT_EQ(Zustand(), "Haltepunkt bei 3");
    // F5 goes on from the breakpoint; the first tick performs a micro-step at once.
    ASSERT_TRUE(StartVonIP()->isEnabled());
    const long long schritte = window->Run().StepCount();
    StartVonIP()->trigger();
    EXPECT_EQ(Zustand(), "Programmlauf");
    window->MnTaktClick();
    EXPECT_EQ(window->Run().StepCount(), schritte + 1);
    // A Takt at a paused breakpoint is a single step.
    window->Debug()->Memo1()->setPlainText("4");
    TicksUntilStop();
    EXPECT_EQ(Zustand(), "Haltepunkt bei 4");
    window->MnTaktClick();
    EXPECT_EQ(Zustand(), "Einzelschritt");

    window->BnStopClick();
    EXPECT_EQ(Zustand(), "Bearbeiten");
    window->MnEinzelschrittClick();
    EXPECT_EQ(Zustand(), "Einzelschritt");

    window->Debug()->chkBreakpointsOn()->setChecked(false);
    window->MnProgrammstartClick();
    TicksUntilStop();
    EXPECT_EQ(Zustand(), "Bearbeiten (CPU Stop)");
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(RunState, StallAfterAnErrorBoxIsToldApartAndStartVonIPRetries) {
    Laden(Programm("division.CPU", {{138, "Div Akku, Konstante"}, {0}}));
    window->MnProgrammstartClick();
    while (boxes.boxes.empty() && ClockOn()) {
        window->MnTaktClick();
    }
    ASSERT_EQ(boxes.boxes.size(), 1u);
    // The micro-step did not finish: the next Takt is refused and the clock goes off, while
    // the controls stay in run mode.
    EXPECT_EQ(Zustand(), "Angehalten");
    window->MnTaktClick();
    EXPECT_FALSE(ClockOn());
    EXPECT_TRUE(Control<QPushButton>("BnStop")->isEnabled());
    EXPECT_EQ(Zustand(), "Angehalten");
    EXPECT_TRUE(StartVonIP()->isEnabled());
    StartVonIP()->trigger();
    EXPECT_EQ(Zustand(), "Programmlauf");
    window->MnTaktClick(); // the same micro-step again, the same message
    EXPECT_EQ(boxes.boxes.size(), 2u);
    EXPECT_EQ(Zustand(), "Angehalten");
}

TEST_F(RunState, NumberInputShowsEingabeWhileTheDialogAsks) {
    Laden(Programm("lies.CPU", {{390, "Lies Zahl in E/A-Einheit"}, {0}}));
    QString waehrend;
    window->Hooks().numberInput = [&] {
        // The dialog's own event loop runs here.
        QApplication::processEvents();
        waehrend = window->RunStateLabel()->text();
        return 12;
    };
    window->MnProgrammstartClick();
    while (window->Machine().Units().ea.GetValue() != 12 && ClockOn()) {
        window->MnTaktClick();
    }
    EXPECT_EQ(waehrend, "Eingabe");
    EXPECT_EQ(Zustand(), "Programmlauf");

    waehrend.clear();
    window->Machine().Units().steuerwerk.SetIP(0);
    window->MnEinzelschrittClick();
    while (waehrend.isEmpty() && window->Run().StepCount() < 20) {
        window->MnTaktClick();
    }
    EXPECT_EQ(waehrend, "Eingabe");
    EXPECT_EQ(Zustand(), "Einzelschritt");
}

TEST_F(RunState, StartVonIPItemHasItsShortcutAndStaysEnabledInEveryState) {
    QAction* item = StartVonIP();
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->shortcut(), QKeySequence(Qt::Key_F5));
    QAction* schnell = Control<QAction>("MnSchnelllauf");
    ASSERT_NE(schnell, nullptr);
    // Both sit in "&Start" right after "&Programmstart".
    const QList<QAction*> start = Control<QMenu>("MnStart")->actions();
    ASSERT_GE(start.size(), 3);
    EXPECT_EQ(start[0]->objectName(), "MnProgrammstart");
    EXPECT_EQ(start[1], item);
    EXPECT_EQ(start[2], schnell);

    Laden(Programm("schleife.CPU", kSchleife));
    window->MnDebugfensterClick();
    window->Debug()->Memo1()->setPlainText("2");
    auto allEnabled = [&](const char* state) {
        EXPECT_TRUE(item->isEnabled()) << state;
        EXPECT_TRUE(schnell->isEnabled()) << state;
    };
    allEnabled("Bearbeiten");
    window->MnProgrammstartClick();
    allEnabled("Programmlauf");
    TicksUntilStop();
    ASSERT_EQ(window->Run().RunStateText(), "Haltepunkt bei 2");
    allEnabled("Haltepunkt");
    window->MnEinzelschrittClick();
    allEnabled("Einzelschritt");
    window->BnStopClick();
    allEnabled("nach Stop");
    // The toolbar button keeps its own rule: off in run mode.
    window->MnProgrammstartClick();
    EXPECT_FALSE(Control<QPushButton>("BnProgrammReStart")->isEnabled());
}

TEST_F(RunState, HintsAndStateShareTheStatusBar) {
    auto* bar = window->findChild<QStatusBar*>("StatusBar");
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(Zustand(), "Bearbeiten");
    bar->showMessage(QStringLiteral("Öffnen einer gespeicherten Datei"));
    EXPECT_TRUE(window->RunStateLabel()->isVisibleTo(window.get()));
    EXPECT_EQ(window->RunStateLabel()->text(), "Bearbeiten");
    // The window grew by the bar: the address bus at the bottom is still inside the client.
    EXPECT_GE(window->Diagram().client->height(), Control("PAdressBus")->geometry().bottom());
}

} // namespace
} // namespace tovak::test
