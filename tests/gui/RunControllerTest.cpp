// The run controller on a machine with plain displays and a view that records what it is
// asked: no window, so what the controller decides is seen apart from how it is shown.
#include "mainwindow/RunController.h"
#include "machine/Maschine.h"
#include "support/RecordingMessageBoxes.h"

#include <QCoreApplication>
#include <QTimer>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace tovak::test {
namespace {

class RecordingView final : public RunView {
public:
    int OnUpdate() override {
        ++updates;
        return 1;
    }
    void StopAnimation() override { ++animationStops; }
    void ClearRunPanels() override { ++panelClears; }
    std::vector<int> Haltepunkte() const override {
        ++breakpointReads;
        return breakpoints;
    }
    void SelectMemoryRow(int row) override { selectedRows.push_back(row); }
    void ShowIPZero() override { ipZero = true; }
    void ClearOutput() override {}
    void PrepareOutputWindow() override {}
    int AskNumber() override {
        stateWhileAsking = asking ? asking() : QString();
        return number;
    }
    void SetDisplaysDeferred(bool on) override { deferred.push_back(on); }
    void RefreshDeferred() override { ++refreshes; }
    StepDecision::Followed FollowedRows() const override {
        StepDecision::Followed f;
        f.memoryRows = TRAM::kMaxCount;
        f.registerRows = TReg::kMaxCount;
        return f;
    }
    void SelectFollowedRows(int memoryRow, int) override {
        if (memoryRow > 0) {
            followedRows.push_back(memoryRow);
        }
    }
    void CaptureJournalStart(long long takt) override { captured.push_back(takt); }
    bool RestoreJournalStart(long long takt) const override {
        restoredAt.push_back(takt);
        return !captured.empty() && captured.back() == takt;
    }

    int updates = 0, animationStops = 0, panelClears = 0, refreshes = 0;
    mutable int breakpointReads = 0;
    std::vector<int> breakpoints;
    std::vector<int> selectedRows;
    std::vector<int> followedRows;
    std::vector<bool> deferred;
    std::vector<long long> captured;
    mutable std::vector<long long> restoredAt;
    bool ipZero = false;
    int number = 0;
    std::function<QString()> asking;
    QString stateWhileAsking;
};

// One memory cell: an instruction by its number, or an operand.
struct Zelle {
    int wert;
    bool befehl = false;
};

class RunControllerTest : public ::testing::Test {
protected:
    RunControllerTest() {
        maschine.steuerwerk.JournalEinschalten();
        view.asking = [this] { return run.RunStateText(); };
        QObject::connect(&run, &RunController::editModeChanged,
                         [this](bool edit) { editModes.push_back(edit); });
        QObject::connect(&run, &RunController::stepBackChanged,
                         [this](bool can) { stepBack = can; });
    }

    void Programm(std::initializer_list<Zelle> zellen) {
        int a = 0;
        for (const Zelle& z : zellen) {
            maschine.speicher.SetCell(z.befehl ? z.wert : 0, a++, z.wert, z.befehl);
        }
    }

    // Ticks the clock by hand until it stops (or the limit is reached).
    int TicksUntilStop(int limit = 500) {
        int n = 0;
        while (run.ClockRunning() && n++ < limit) {
            run.Takt();
        }
        return n;
    }

    RecordingMessageBoxes boxes;
    RecordingView view;
    PlainMaschine maschine{SteuerwerkRueckrufe{
        .ipGeaendert = nullptr,
        .zahlEingeben = [this] { return run.AskNumberInput(); },
        .fehlerBox = [this](const std::string& caption,
                            const std::string& text) { boxes.ShowError(caption, text); },
    }};
    RunController run{maschine.steuerwerk, maschine.reg, view};
    std::vector<bool> editModes;
    bool stepBack = false;
};

// Counts down from 3, writing each value to the I/O unit, then halts at address 6.
const std::initializer_list<Zelle> kSchleife = {{65, true},  {3}, {387, true}, {140, true},
                                                {325, true}, {2}, {0}};

TEST_F(RunControllerTest, ClockRunStopsAtBreakpointsOnlyWhenContinuous) {
    Programm(kSchleife);
    view.breakpoints = {3};
    run.StartVon0();
    EXPECT_TRUE(run.ClockRunning());
    EXPECT_EQ(editModes, std::vector<bool>({true, false}));
    EXPECT_TRUE(view.ipZero);
    TicksUntilStop();
    EXPECT_FALSE(run.ClockRunning());
    EXPECT_EQ(run.LastBreakIP(), 3);
    EXPECT_EQ(run.RunStateText(), "Haltepunkt bei 3");
    EXPECT_FALSE(run.EditMode());

    // Single steps pass the breakpoint without asking for it.
    const int reads = view.breakpointReads;
    run.Einzelschritt();
    for (int i = 0; i < 10; ++i) {
        run.Takt();
    }
    EXPECT_EQ(view.breakpointReads, reads);
    EXPECT_EQ(run.RunStateText(), "Einzelschritt");

    run.Stop();
    EXPECT_TRUE(run.EditMode());
    EXPECT_EQ(view.panelClears, 2); // the reset of "Start von 0" and this STOP
    EXPECT_EQ(run.RunStateText(), "Bearbeiten");
}

TEST_F(RunControllerTest, ErrorCodeEndsTheRunWithItsMessageAtAddress0) {
    Programm({{451, true}, {5, true}});
    run.StartVon0();
    TicksUntilStop();
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, "Der Befehl wurde nicht erkannt");
    EXPECT_EQ(maschine.steuerwerk.GetIP(), 0);
    EXPECT_EQ(view.selectedRows.back(), 1);
    EXPECT_TRUE(run.EditMode());
    EXPECT_EQ(run.AnimPhase(), 0);
}

TEST_F(RunControllerTest, SchnelllaufDefersTheDisplaysAndEndsAsAClockRun) {
    Programm(kSchleife);
    run.Schnelllauf();
    EXPECT_TRUE(run.FastRunActive());
    EXPECT_EQ(run.RunStateText(), "Schnelllauf");
    EXPECT_FALSE(run.CanStepBack());
    for (int i = 0; i < 1000 && run.FastRunActive(); ++i) {
        QCoreApplication::processEvents();
    }
    ASSERT_FALSE(run.FastRunActive());
    EXPECT_EQ(view.deferred, std::vector<bool>({true, false}));
    EXPECT_EQ(maschine.steuerwerk.GetFehler(), CPUStop);
    EXPECT_EQ(run.RunStateText(), "Bearbeiten (CPU Stop)");
    EXPECT_EQ(run.StepCount(), maschine.steuerwerk.GetTaktzaehler());
    EXPECT_EQ(maschine.ea.GetValue(), 1);
    // The run's output went to the displays once they were on again.
    EXPECT_GE(view.updates, 1);
    EXPECT_TRUE(run.CanStepBack());
    EXPECT_TRUE(stepBack);
}

TEST_F(RunControllerTest, TempoSwitchesARunningRunBetweenClockAndFastRun) {
    Programm(kSchleife);
    run.SetTempo(300, false);
    run.StartVon0();
    ASSERT_TRUE(run.ClockRunning());
    EXPECT_EQ(run.Clock()->interval(), 300);
    run.SetTempo(5, false);
    EXPECT_EQ(run.Clock()->interval(), 5);
    EXPECT_TRUE(run.ClockRunning());

    run.SetTempo(5, true);
    EXPECT_FALSE(run.ClockRunning());
    EXPECT_TRUE(run.FastRunActive());
    EXPECT_EQ(run.RunStateText(), "Schnelllauf");
    run.SetTempo(40, false);
    EXPECT_TRUE(run.ClockRunning()) << "back to the clock, at the new pace";
    EXPECT_FALSE(run.FastRunActive());
    EXPECT_EQ(view.deferred, std::vector<bool>({true, false}));
    EXPECT_FALSE(run.EditMode());

    // Without a run the tempo only decides how the next one goes; it still stops at the end.
    run.Stop();
    run.SetTempo(40, true);
    EXPECT_FALSE(run.FastRunActive());
    run.StartVonIP();
    EXPECT_TRUE(run.FastRunActive());
    for (int i = 0; i < 1000 && run.FastRunActive(); ++i) {
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(maschine.steuerwerk.GetFehler(), CPUStop);
    EXPECT_TRUE(run.EditMode());
}

TEST_F(RunControllerTest, TaktZurueckBackToTheStartShowsTheCapturedPicture) {
    Programm(kSchleife);
    run.Einzelschritt();
    run.Takt();
    run.Takt();
    ASSERT_EQ(view.captured, std::vector<long long>({0}));
    EXPECT_TRUE(stepBack);
    const int akku = maschine.rechenwerk.GetAkku();
    for (int i = 0; i < 3; ++i) {
        run.TaktZurueck();
    }
    EXPECT_EQ(maschine.steuerwerk.GetTaktzaehler(), 0);
    EXPECT_EQ(view.restoredAt.back(), 0);
    EXPECT_FALSE(run.CanStepBack());
    EXPECT_FALSE(stepBack);
    EXPECT_EQ(run.RunStateText(), "Einzelschritt");
    // The undone steps run again the same way.
    for (int i = 0; i < 3; ++i) {
        run.Takt();
    }
    EXPECT_EQ(maschine.rechenwerk.GetAkku(), akku);
    // A change outside a micro-step forgets the journal; the next step captures again.
    run.ClearJournal();
    EXPECT_FALSE(stepBack);
    run.Takt();
    EXPECT_EQ(view.captured.size(), 2u);
}

// What the learner sees of the machine: every panel's text, the step index and the counters.
std::string Bild(PlainMaschine& m) {
    std::string bild = std::to_string(m.steuerwerk.GetSchritt()) + " " +
                       std::to_string(m.steuerwerk.GetTaktzaehler()) + "/" +
                       std::to_string(m.steuerwerk.GetBefehlszaehler()) + " " + m.befehl.Text() +
                       " " + std::to_string(m.ipAnzeige.value) + " " +
                       std::to_string(m.eaSpin.value);
    for (const PlainValueDisplay* d :
         {&m.datenbusPanel, &m.adressbusPanel, &m.akku, &m.operand, &m.zero, &m.carry, &m.parity,
          &m.sign, &m.spAnzeige, &m.isrAnzeige, &m.mikroschritt, &m.befehlsname}) {
        bild += " | " + d->Text();
    }
    for (int a : {0, 1, 2, 3, 4, 252, 253, 254, 255}) {
        bild += " " + std::to_string(m.speicher.GetValue(a));
    }
    return bild;
}

// Takt zurück through the controller: a number typed, the interrupt button pressed in the
// middle of an instruction and released again, and a clock run stopped at a breakpoint. Every
// step undone shows what the window showed before it; the number is not asked again.
TEST_F(RunControllerTest, TaktZurueckGivesBackEveryStepAcrossInputInterruptAndBreakpoint) {
    Programm({{390, true}, {139, true}, {139, true}, {386, true}, {3}, {0}});
    maschine.speicher.SetCell(450, 3000, 450, true);
    view.number = 41;
    view.breakpoints = {3};
    std::vector<std::string> bilder;
    run.Einzelschritt(); // fetch
    bilder.push_back(Bild(maschine));
    int fragen = 0;
    view.asking = [&] {
        ++fragen;
        return run.RunStateText();
    };
    for (int i = 0; i < 8; ++i) { // the input, then into the first Inc
        run.Takt();
        bilder.push_back(Bild(maschine));
    }
    run.ToggleInterrupt();        // pressed before the Inc's interrupt test
    for (int i = 0; i < 6; ++i) { // into the service routine
        run.Takt();
        bilder.push_back(Bild(maschine));
    }
    ASSERT_EQ(maschine.steuerwerk.GetIP(), 3000);
    run.ToggleInterrupt(); // released
    run.StartVonIP();      // on to the breakpoint at 3
    while (run.ClockRunning()) {
        const long long vorher = maschine.steuerwerk.GetTaktzaehler();
        run.Takt();
        if (maschine.steuerwerk.GetTaktzaehler() != vorher) {
            bilder.push_back(Bild(maschine));
        }
    }
    ASSERT_EQ(run.RunStateText(), "Haltepunkt bei 3");
    ASSERT_EQ(fragen, 1);
    ASSERT_EQ(maschine.ea.GetValue(), 41);
    bilder.pop_back();
    while (!bilder.empty()) {
        ASSERT_TRUE(run.CanStepBack());
        run.TaktZurueck();
        EXPECT_EQ(Bild(maschine), bilder.back()) << "undone to step " << bilder.size();
        bilder.pop_back();
    }
    EXPECT_FALSE(run.InterruptOn());
    EXPECT_FALSE(maschine.steuerwerk.GetInterrupt());
    EXPECT_EQ(fragen, 1);
}

TEST_F(RunControllerTest, NumberInputIsTheStateWhileItAsksAndCancelStopsTheRun) {
    Programm({{390, true}, {390, true}});
    view.number = 77;
    run.StartVon0();
    TicksUntilStop(40);
    EXPECT_EQ(view.stateWhileAsking, "Eingabe");
    EXPECT_EQ(maschine.ea.GetValue(), 77);
    // The clock stayed off while the dialog asked and came back after it.
    EXPECT_EQ(run.StepCount(), maschine.steuerwerk.GetTaktzaehler());

    boxes.boxes.clear();
    view.number = -1;
    run.StartVon0();
    TicksUntilStop(40);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, "Abbruch der Eingabe");
    EXPECT_FALSE(run.ClockRunning());
    EXPECT_TRUE(run.EditMode());
    EXPECT_EQ(maschine.steuerwerk.GetIP(), 0);
}

TEST_F(RunControllerTest, InterruptRequestIsTheControlUnitsAndSignalled) {
    std::vector<bool> shown;
    QObject::connect(&run, &RunController::interruptChanged, [&](bool on) { shown.push_back(on); });
    run.ToggleInterrupt();
    run.ToggleInterrupt();
    EXPECT_EQ(shown, std::vector<bool>({true, false}));
    EXPECT_FALSE(run.InterruptOn());
}

} // namespace
} // namespace tovak::test
