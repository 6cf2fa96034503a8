// Run control driven through the real window: the clock is ticked by calling its handler.
#include "GuiFixture.h"

#include "dialogs/Ausgabe.h"
#include "dialogs/Debug.h"
#include "widgets/OroGrid.h"

#include <QAction>
#include <QCheckBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>

namespace tovak::test {
namespace {

using RunControl = GuiTest;

TEST_F(RunControl, StartVon0TaktAndStop) {
    Laden(Programm("schleife.CPU", kSchleife));
    window->MnProgrammstartClick();
    // The first micro-step runs at once, before any tick.
    EXPECT_EQ(Panel("PMicrocode"), "Befehl adressieren");
    EXPECT_EQ(Panel("PAdressBus"), "000");
    EXPECT_TRUE(ClockOn());
    EXPECT_TRUE(window->Run().Continuous());
    EXPECT_EQ(Panel("EStackPointer"), " 255");
    EXPECT_EQ(Panel("PStackPointer"), "0x00FF");

    window->MnTaktClick();
    EXPECT_EQ(Panel("PMicrocode"), "Befehl lesen");
    EXPECT_EQ(window->Run().StepCount(), 2);

    window->BnStopClick();
    EXPECT_FALSE(ClockOn());
    for (const char* name : {"PAdressBus", "PDatenBus", "PMicrocode", "PBefehlRem", "PBefehl"}) {
        EXPECT_EQ(Panel(name), "") << name;
    }
    EXPECT_TRUE(Control<QPushButton>("BnProgrammstart")->isEnabled());
    EXPECT_FALSE(Control<QPushButton>("BnStop")->isEnabled());

    // "Start von IP" goes on with the next micro-step of the same instruction.
    const int schritt = window->Machine().Units().steuerwerk.GetSchritt();
    window->BnProgrammReStartClick();
    EXPECT_TRUE(ClockOn());
    window->MnTaktClick();
    EXPECT_EQ(window->Machine().Units().steuerwerk.GetSchritt(), schritt + 1);
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(RunControl, ProgramRunsToCpuStopSilentlyAndStopsAgainAfterOneStep) {
    Laden(Programm("schleife.CPU", kSchleife));
    window->MnProgrammstartClick();
    TicksUntilStop();
    EXPECT_FALSE(ClockOn());
    EXPECT_TRUE(boxes.boxes.empty());
    EXPECT_EQ(window->Machine().Units().steuerwerk.GetFehler(), CPUStop);
    EXPECT_EQ(window->Machine().Units().steuerwerk.GetIP(), 6);
    ASSERT_NE(window->Ausgabe(), nullptr);
    EXPECT_EQ(window->Ausgabe()->Memo1()->toPlainText().count('\n'), 2); // 3 lines: 3, 2, 1
    EXPECT_TRUE(Control<QPushButton>("BnProgrammstart")->isEnabled());

    const long long vorher = window->Run().StepCount();
    window->BnProgrammReStartClick();
    TicksUntilStop();
    EXPECT_EQ(window->Run().StepCount(), vorher + 1);
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(RunControl, ErrorCodeStopsWithMessageAndResetsToAddress0) {
    // An instruction cell whose number is no instruction.
    Laden(Programm("unbekannt.CPU", {{451, "NOP"}, {5, "X"}}));
    window->MnProgrammstartClick();
    TicksUntilStop();
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].caption, "Fehler");
    EXPECT_EQ(boxes.boxes[0].text, "Der Befehl wurde nicht erkannt");
    EXPECT_EQ(window->Machine().Units().steuerwerk.GetIP(), 0);
    EXPECT_EQ(window->Machine().Units().steuerwerk.GetSchritt(), 0);
    EXPECT_EQ(window->Machine().Units().steuerwerk.GetFehler(), 0);
    EXPECT_EQ(window->Diagram().gridSpeicher->Row(), 1);
    EXPECT_TRUE(Control<QSpinBox>("EInstructionPointer")->isEnabled());
    EXPECT_EQ(window->Run().AnimPhase(), 0);
}

TEST_F(RunControl, ThrownRangeErrorAndDivisionShowOnceAndTheNextTickEndsTheClock) {
    struct Fall {
        std::initializer_list<Zeile> programm;
        const char* text;
    };
    const Fall faelle[] = {
        {{{66, "Move Akku, Register"}, {200}}, "Fehler bei Bereichsprüfung"},
        {{{138, "Div Akku, Konstante"}, {0}}, "Division durch Null"},
    };
    for (const Fall& fall : faelle) {
        boxes.boxes.clear();
        window->ResetRunState(true);
        Laden(Programm("fehler.CPU", fall.programm));
        window->MnProgrammstartClick();
        int ticks = 0;
        while (boxes.boxes.empty() && ticks++ < 50) {
            window->MnTaktClick();
        }
        ASSERT_EQ(boxes.boxes.size(), 1u) << fall.text;
        EXPECT_EQ(boxes.boxes[0].caption, "Fehler");
        EXPECT_EQ(boxes.boxes[0].text, fall.text);
        const long long schritte = window->Run().StepCount();
        window->MnTaktClick();
        EXPECT_FALSE(ClockOn()) << fall.text;
        EXPECT_EQ(window->Run().StepCount(), schritte);
        EXPECT_EQ(boxes.boxes.size(), 1u);
        window->BnStopClick();
    }
}

TEST_F(RunControl, NumberInputAcceptedGoesOnCancelledStopsWithMessage) {
    Laden(Programm("lies.CPU",
                   {{390, "Lies Zahl in E/A-Einheit"}, {390, "Lies Zahl in E/A-Einheit"}}));
    zahl = 77;
    window->MnProgrammstartClick();
    while (window->Machine().Units().ea.GetValue() != 77 && ClockOn()) {
        window->MnTaktClick();
    }
    EXPECT_EQ(window->Machine().Units().ea.GetValue(), 77);
    EXPECT_TRUE(ClockOn()); // the continuous run goes on after the dialog
    EXPECT_EQ(Control<QSpinBox>("EAEinheit2")->value(), 77);
    EXPECT_EQ(Panel("EAEinheit1"), "0x004D");

    zahl = -1;
    TicksUntilStop();
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, "Abbruch der Eingabe");
    EXPECT_EQ(window->Machine().Units().steuerwerk.GetIP(), 0);
    EXPECT_TRUE(Control<QPushButton>("BnProgrammstart")->isEnabled());
}

TEST_F(RunControl, BreakpointStopsBeforeTheStepAndStartVonIPPassesIt) {
    Laden(Programm("schleife.CPU", kSchleife));
    window->MnDebugfensterClick();
    ASSERT_NE(window->Debug(), nullptr);
    window->Debug()->Memo1()->setPlainText("abc\n3");
    window->MnProgrammstartClick();
    TicksUntilStop();
    EXPECT_EQ(window->Machine().Units().steuerwerk.GetIP(), 3);
    EXPECT_FALSE(window->Run().Continuous());
    EXPECT_EQ(window->Run().LastBreakIP(), 3);
    const long long schritte = window->Run().StepCount();
    const std::string mikro = Panel("PMicrocode").toStdString();

    window->BnProgrammReStartClick();
    window->MnTaktClick();
    EXPECT_EQ(window->Run().StepCount(), schritte + 1);
    EXPECT_NE(Panel("PMicrocode").toStdString(), mikro);
    EXPECT_TRUE(ClockOn());

    // Switched off, no breakpoint holds.
    window->Debug()->chkBreakpointsOn()->setChecked(false);
    TicksUntilStop();
    EXPECT_EQ(window->Machine().Units().steuerwerk.GetFehler(), CPUStop);
}

TEST_F(RunControl, BreakpointAtAddress0StopsStartVon0WithoutReviving) {
    Laden(Programm("schleife.CPU", kSchleife));
    window->MnDebugfensterClick();
    window->Debug()->Memo1()->setPlainText("0");
    window->MnProgrammstartClick();
    EXPECT_FALSE(ClockOn());
    EXPECT_EQ(window->Run().StepCount(), 0);
}

TEST_F(RunControl, EinzelschrittStepsWithoutClockAndEditModeTaktStaysInEditMode) {
    Laden(Programm("schleife.CPU", kSchleife));
    window->Machine().Units().steuerwerk.SetIP(2);
    window->MnEinzelschrittClick();
    EXPECT_FALSE(ClockOn());
    EXPECT_FALSE(window->Run().Continuous());
    EXPECT_EQ(Panel("PAdressBus"), "002"); // fetched at the IP itself
    EXPECT_TRUE(Control<QPushButton>("BnTakt")->isEnabled());
    window->MnTaktClick();
    EXPECT_EQ(Panel("PMicrocode"), "Befehl lesen");
    EXPECT_FALSE(ClockOn());

    window->BnStopClick();
    window->MnTaktClick(); // F8 in edit mode
    EXPECT_FALSE(Control<QPushButton>("BnTakt")->isEnabled());
    EXPECT_TRUE(Control<QPushButton>("BnProgrammstart")->isEnabled());
    EXPECT_EQ(window->Run().StepCount(), 3);
}

TEST_F(RunControl, EinzelschrittLeavesInterruptServiceOfAStoppedRun) {
    window->Machine().Units().steuerwerk.SetInterrupt(true);
    Laden(Programm("schleife.CPU", kSchleife));
    window->BnInterruptClick();
    window->MnProgrammstartClick();
    int ticks = 0;
    while (!window->Machine().Units().steuerwerk.GetInISR() && ticks++ < 100) {
        window->MnTaktClick();
    }
    ASSERT_TRUE(window->Machine().Units().steuerwerk.GetInISR());
    window->BnStopClick();
    window->MnEinzelschrittClick();
    EXPECT_FALSE(window->Machine().Units().steuerwerk.GetInISR());
}

TEST_F(RunControl, InterruptButtonToggles) {
    auto* button = Control<QPushButton>("BnInterrupt");
    QWidget* bild = Control("ImageInterrupt");
    EXPECT_FALSE(bild->isVisibleTo(window.get()));
    window->BnInterruptClick();
    EXPECT_TRUE(window->Machine().Units().steuerwerk.GetInterrupt());
    EXPECT_TRUE(bild->isVisibleTo(window.get()));
    EXPECT_EQ(button->palette().color(QPalette::ButtonText), QColor(Qt::red));
    window->BnInterruptClick();
    EXPECT_FALSE(window->Machine().Units().steuerwerk.GetInterrupt());
    EXPECT_FALSE(bild->isVisibleTo(window.get()));
    EXPECT_EQ(button->palette().color(QPalette::ButtonText), QColor(Qt::black));
}

TEST_F(RunControl, SetEditModeSwitchesExactlyItsControls) {
    const char* editControls[] = {"BnProgrammstart", "BnProgrammReStart", "BnEinzelschritt",
                                  "EAEinheit2", "EInstructionPointer"};
    const char* editItems[] = {"LkBefehlEinfuegen",   "LkBefehlLoeschen", "MnTransportbefehle",
                               "MnArithmetikbefehle", "MnLogikbefehle",   "MnSchiebebefehle",
                               "MnEABefehler",        "MnSteuerbefehle"};
    const char* alwaysItems[] = {"MnProgrammstart", "MnEinzelschritt", "MnTakt", "MnSprungbefehle",
                                 "MnOeffnen"};
    for (bool e : {false, true}) {
        window->SetEditMode(e);
        for (const char* name : editControls) {
            EXPECT_EQ(Control(name)->isEnabled(), e) << name;
        }
        for (const char* name : editItems) {
            EXPECT_EQ(Control<QAction>(name)->isEnabled(), e) << name;
        }
        for (const char* name : alwaysItems) {
            EXPECT_TRUE(Control<QAction>(name)->isEnabled()) << name;
        }
        EXPECT_EQ(Control<QAction>("MnStop")->isEnabled(), !e);
        EXPECT_EQ(Control("BnStop")->isEnabled(), !e);
        EXPECT_EQ(Control("BnTakt")->isEnabled(), !e);
        EXPECT_TRUE(Control("BnInterrupt")->isEnabled());
    }
}

TEST_F(RunControl, OutputWindowOpensOnlyForInputOutputPrograms) {
    Laden(Programm("ohne.CPU", {{451, "NOP"}}));
    window->MnProgrammstartClick();
    EXPECT_EQ(window->Ausgabe(), nullptr);
    window->BnStopClick();

    Laden(Programm("schleife.CPU", kSchleife));
    window->MnProgrammstartClick();
    ASSERT_NE(window->Ausgabe(), nullptr);
    TicksUntilStop();
    EXPECT_FALSE(window->Ausgabe()->Memo1()->toPlainText().isEmpty());
    // A new start clears the text; closing the window detaches it from the I/O unit.
    window->MnProgrammstartClick();
    EXPECT_TRUE(window->Ausgabe()->Memo1()->toPlainText().isEmpty());
    window->Ausgabe()->close();
    EXPECT_EQ(window->Ausgabe(), nullptr);
    EXPECT_EQ(window->Machine().Units().ea.GetAusgabefenster(), nullptr);
    window->MnShowAusgabefensterClick();
    EXPECT_NE(window->Machine().Units().ea.GetAusgabefenster(), nullptr);
    // Gone without closing (deleted with whatever owns it), it is forgotten all the same:
    // the unit's next line has nowhere to go.
    delete window->Ausgabe();
    EXPECT_EQ(window->Machine().Units().ea.GetAusgabefenster(), nullptr);
    window->Machine().Units().ea.SetValue(7);
}

TEST_F(RunControl, RowSelectionFollowsAddressBusAndClicksMoveIPOnlyWhenIdle) {
    Laden(Programm("schleife.CPU", kSchleife));
    window->GridSpeicherClick(11);
    EXPECT_EQ(window->Machine().Units().steuerwerk.GetIP(), 10);
    EXPECT_EQ(Panel("PInstructionPointer"), "0x000A");
    EXPECT_EQ(Control<QSpinBox>("EInstructionPointer")->value(), 10);

    window->MnProgrammstartClick();
    EXPECT_EQ(window->Diagram().gridSpeicher->Row(), 1);
    window->GridSpeicherClick(5);
    EXPECT_EQ(window->Machine().Units().steuerwerk.GetIP(), 0);
    window->BnStopClick();

    Control<QSpinBox>("EInstructionPointer")->setValue(300);
    EXPECT_EQ(window->Diagram().gridSpeicher->Row(), 301);
    EXPECT_EQ(window->Machine().Units().steuerwerk.GetIP(), 300);
}

} // namespace
} // namespace tovak::test
