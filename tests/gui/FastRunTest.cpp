// The fast run ends where a continuous run of the same program ends: the same machine, the
// same displays. Each case runs one window with the clock ticked by hand and one fast.
#include "GuiFixture.h"

#include "dialogs/Ausgabe.h"
#include "dialogs/Debug.h"
#include "machine/EAEinheit.h"
#include "mainwindow/BufferedOutput.h"
#include "widgets/OroGrid.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>

#include <sstream>

namespace tovak::test {
namespace {

// Everything a learner or a later command can see of the machine after a run.
std::string Zustand(TFMain& w) {
    std::ostringstream out;
    TSteuerwerk& sw = w.Machine().Units().steuerwerk;
    out << "IP " << sw.GetIP() << " SP " << sw.GetSP() << " Schritt " << int(sw.GetSchritt())
        << " Fehler " << int(sw.GetFehler()) << " Phase " << sw.GetPhase() << " ISR "
        << sw.GetInISR() << " Akku " << w.Machine().Units().rechenwerk.GetAkku() << " E/A "
        << w.Machine().Units().ea.GetValue() << " Continuous " << w.Run().Continuous()
        << " StartedStep " << w.Run().StartedStep() << " LastBreakIP " << w.Run().LastBreakIP()
        << " Takte " << w.Run().StepCount() << " Uhr " << w.Run().Clock()->isActive()
        << w.Run().FastRunActive() << " Stop " << w.findChild<QPushButton*>("BnStop")->isEnabled()
        << " Zustand " << w.Run().RunStateText().toStdString() << "\n";
    for (const char* name :
         {"PanelAkku", "PanelOpearand", "PanelZeroFlag", "PanelCarryFlag", "PanelParityFlag",
          "PanelSignFlag", "PBefehl", "PBefehlRem", "PMicrocode", "PInstructionPointer",
          "PStackPointer", "EStackPointer", "PInterupt", "EInteruptAdr", "PDatenBus", "PAdressBus",
          "EAEinheit1"}) {
        auto* label = w.findChild<QLabel*>(QString::fromLatin1(name));
        out << name << "=" << label->text().toStdString() << "|" << label->toolTip().toStdString()
            << "\n";
    }
    for (const char* name : {"EInstructionPointer", "EAEinheit2"}) {
        out << name << "=" << w.findChild<QSpinBox*>(QString::fromLatin1(name))->value() << "\n";
    }
    for (TOroGrid* grid : {w.Diagram().gridSpeicher, w.Diagram().gridRegister}) {
        // What the view shows, not only what the model holds.
        out << "Zeile " << grid->Row() << "\n";
        for (int r = 1; r < grid->RowCount(); ++r) {
            for (int c = 0; c < grid->ColCount(); ++c) {
                out << grid->model()->index(r - 1, c).data().toString().toStdString() << '\t';
            }
            out << '\n';
        }
    }
    if (TFAusgabe* a = w.Ausgabe()) {
        out << "Ausgabe " << a->LRadioButton()->text().toStdString() << "\n"
            << a->Memo1()->toPlainText().toStdString() << "\n";
    }
    return out.str();
}

// Equal states; otherwise the first lines that differ (a state has thousands of lines).
::testing::AssertionResult Gleich(const std::string& schnell, const std::string& uhr) {
    if (schnell == uhr) {
        return ::testing::AssertionSuccess();
    }
    auto zeilen = [](const std::string& text) {
        std::vector<std::string> lines;
        std::istringstream in(text);
        for (std::string line; std::getline(in, line);) {
            lines.push_back(line);
        }
        return lines;
    };
    const auto a = zeilen(schnell);
    const auto b = zeilen(uhr);
    auto result = ::testing::AssertionFailure();
    int shown = 0;
    for (std::size_t i = 0; shown < 5 && i < std::max(a.size(), b.size()); ++i) {
        const std::string x = i < a.size() ? a[i] : "<Ende>";
        const std::string y = i < b.size() ? b[i] : "<Ende>";
        if (x != y) {
            result << "\nZeile " << i + 1 << ": Schnelllauf \"" << x << "\", Uhr \"" << y << "\"";
            ++shown;
        }
    }
    return result;
}

class FastRun : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        uhr = std::make_unique<TFMain>(800);
        uhr->Hooks().numberInput = [this] { return zahl; };
        uhr->show();
    }

    // Both windows get the program and the same preparation.
    void BeideLaden(const QString& path, const std::function<void(TFMain&)>& vorbereiten = {}) {
        for (TFMain* w : {uhr.get(), window.get()}) {
            w->LoadStartFile({"tovak", path});
            // Loading keeps a halt of the run before; this starts the program afresh.
            w->Machine().Units().steuerwerk.SetFehler(KeinFehler);
            w->Machine().Units().steuerwerk.SetSchritt(0);
            if (vorbereiten) {
                vorbereiten(*w);
            }
        }
    }

    // The continuous run goes until its clock stops; returns its final state.
    std::string Uhrlauf() {
        uhr->BnProgrammReStartClick();
        int n = 0;
        while (uhr->Run().Clock()->isActive() && n++ < 100000) {
            uhr->MnTaktClick();
        }
        return Zustand(*uhr);
    }

    // The fast run goes until it stops by itself (or the step limit is reached).
    std::string Schnelllauf(long long limit = 50000000) {
        Control<QAction>("MnSchnelllauf")->trigger();
        while (window->Run().FastRunActive() && window->Run().StepCount() < limit) {
            QApplication::processEvents();
        }
        return Zustand(*window);
    }

    std::unique_ptr<TFMain> uhr;
};

TEST_F(FastRun, ReachesCpuStopWithOutputLikeTheClock) {
    BeideLaden(Programm("schleife.CPU", kSchleife), [](TFMain& w) {
        w.MnShowAusgabefensterClick();
        w.Machine().Units().reg.SetValue(7, 1234);
    });
    const std::string erwartet = Uhrlauf();
    EXPECT_TRUE(Gleich(Schnelllauf(), erwartet));
    EXPECT_EQ(window->Machine().Units().steuerwerk.GetFehler(), CPUStop);
    EXPECT_EQ(window->Run().RunStateText(), "Bearbeiten (CPU Stop)");

    // The I/O panels end as after the clock run, also when the last value is above 255 and
    // the run wrote a smaller one between two refreshes.
    BeideLaden(Programm("ea.CPU", {{65, "Move Akku, Konstante"},
                                   {7},
                                   {387, "OUT Akku"},
                                   {65, "Move Akku, Konstante"},
                                   {22852},
                                   {387, "OUT Akku"},
                                   {0}}));
    const std::string ea = Uhrlauf();
    ASSERT_EQ(uhr->findChild<QLabel*>("EAEinheit1")->text(), "0x0007");
    EXPECT_TRUE(Gleich(Schnelllauf(), ea));

    // Halted stays halted: one more micro-step, as after "Start von IP".
    const long long schritte = window->Run().StepCount();
    Schnelllauf();
    EXPECT_EQ(window->Run().StepCount(), schritte + 1);
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(FastRun, PausesAtTheBreakpointAndGoesOnPastIt) {
    BeideLaden(Programm("schleife.CPU", kSchleife), [](TFMain& w) {
        w.MnDebugfensterClick();
        w.Debug()->Memo1()->setPlainText("x\n4");
    });
    const std::string erwartet = Uhrlauf();
    EXPECT_TRUE(Gleich(Schnelllauf(), erwartet));
    EXPECT_EQ(window->Run().RunStateText(), "Haltepunkt bei 4");
    // Going on passes the address once, then stops at it on the next round.
    {
        const std::string uhrEnde = Uhrlauf();
        EXPECT_TRUE(Gleich(Schnelllauf(), uhrEnde));
    }
    EXPECT_EQ(window->Machine().Units().steuerwerk.GetIP(), 4);
    window->Debug()->chkBreakpointsOn()->setChecked(false);
    uhr->Debug()->chkBreakpointsOn()->setChecked(false);
    {
        const std::string uhrEnde = Uhrlauf();
        EXPECT_TRUE(Gleich(Schnelllauf(), uhrEnde));
    }
    EXPECT_EQ(window->Machine().Units().steuerwerk.GetFehler(), CPUStop);
}

TEST_F(FastRun, StopLeavesTheStateOfAContinuousRunStoppedAfterAsManySteps) {
    // Counts in a register for ever, with a stack frame of a Go Sub on every round.
    const QString path = Programm("endlos.CPU", {{139, "Inc Akku"},
                                                 {67, "Move Reg, Akku"},
                                                 {5},
                                                 {452, "Go Sub"},
                                                 {7},
                                                 {323, "Jump zu Adresse"},
                                                 {0},
                                                 {450, "IRET"}});
    BeideLaden(path);
    Control<QAction>("MnSchnelllauf")->trigger();
    for (int i = 0; i < 5 && window->Run().FastRunActive(); ++i) {
        QApplication::processEvents();
    }
    ASSERT_TRUE(window->Run().FastRunActive());
    window->BnStopClick();
    EXPECT_FALSE(window->Run().FastRunActive());
    EXPECT_EQ(window->Run().RunStateText(), "Bearbeiten");
    const long long schritte = window->Run().StepCount();
    ASSERT_GT(schritte, 0);

    uhr->BnProgrammReStartClick();
    while (uhr->Run().StepCount() < schritte) {
        uhr->MnTaktClick();
    }
    uhr->BnStopClick();
    EXPECT_TRUE(Gleich(Zustand(*window), Zustand(*uhr)));
    // A click on a memory row moves the IP again once stopped.
    window->GridSpeicherClick(3);
    EXPECT_EQ(window->Machine().Units().steuerwerk.GetIP(), 2);
}

TEST_F(FastRun, NumberInputAndErrorsEndOrPauseItLikeTheClock) {
    const QString lesen = Programm("lies.CPU", {{390, "Lies Zahl in E/A-Einheit"},
                                                {387, "OUT Akku"},
                                                {390, "Lies Zahl in E/A-Einheit"},
                                                {0}});
    BeideLaden(lesen, [](TFMain& w) { w.MnShowAusgabefensterClick(); });
    int gefragt = 0;
    window->Hooks().numberInput = [&] {
        // The window shows the run up to here while the dialog asks.
        EXPECT_EQ(window->Run().RunStateText(), "Eingabe");
        EXPECT_FALSE(window->Run().FastRunActive());
        ++gefragt;
        return zahl;
    };
    zahl = 300;
    const std::string erwartet = Uhrlauf();
    EXPECT_TRUE(Gleich(Schnelllauf(), erwartet));
    EXPECT_EQ(gefragt, 2);

    // Cancelled: error 6 with its message, back to address 0 in edit mode.
    zahl = -1;
    boxes.boxes.clear();
    BeideLaden(lesen);
    const std::string abgebrochen = Uhrlauf();
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_TRUE(Gleich(Schnelllauf(), abgebrochen));
    ASSERT_EQ(boxes.boxes.size(), 2u);
    EXPECT_EQ(boxes.boxes[1].text, "Abbruch der Eingabe");

    // An unknown instruction stops with its message; a division by zero stalls the run.
    for (const auto& programm :
         {std::initializer_list<Zeile>{{139, "Inc Akku"}, {451, "NOP"}, {5, "X"}},
          std::initializer_list<Zeile>{{139, "Inc Akku"}, {138, "Div Akku, Konstante"}, {0}}}) {
        boxes.boxes.clear();
        BeideLaden(Programm("fehler.CPU", programm));
        const std::string uhrEnde = Uhrlauf();
        ASSERT_EQ(boxes.boxes.size(), 1u);
        EXPECT_TRUE(Gleich(Schnelllauf(), uhrEnde));
        ASSERT_EQ(boxes.boxes.size(), 2u);
        EXPECT_EQ(boxes.boxes[1].text, boxes.boxes[0].text);
    }
    EXPECT_EQ(window->Run().RunStateText(), "Angehalten");
}

TEST_F(FastRun, TaktZurueckGoesBackThroughItAndItsOutput) {
    auto* zurueck = Control<QAction>("MnTaktZurueck");
    auto* takte = window->findChild<QLabel*>("PTaktzaehler");
    BeideLaden(Programm("schleife.CPU", kSchleife),
               [](TFMain& w) { w.MnShowAusgabefensterClick(); });
    const QString labelVorher = window->Ausgabe()->LRadioButton()->text();
    Schnelllauf();
    ASSERT_EQ(window->Machine().Units().steuerwerk.GetFehler(), CPUStop);
    // The counters show the run's end, not the last refresh.
    EXPECT_EQ(takte->text(),
              QString::number(window->Machine().Units().steuerwerk.GetTaktzaehler()) + ' ');
    EXPECT_EQ(window->Ausgabe()->Memo1()->toPlainText().split('\n').size(), 3);
    ASSERT_TRUE(zurueck->isEnabled());
    for (int n = 0; zurueck->isEnabled() && n < 10000; ++n) {
        zurueck->trigger();
    }
    EXPECT_EQ(window->Machine().Units().steuerwerk.GetIP(), 0);
    EXPECT_EQ(window->Ausgabe()->Memo1()->toPlainText(), "");
    EXPECT_EQ(window->Ausgabe()->LRadioButton()->text(), labelVorher);
    EXPECT_EQ(takte->text(), "0 ");
    EXPECT_EQ(window->Run().RunStateText(), "Einzelschritt");

    // Thousands of lines, far more than a refresh shows: every one reaches the window, and
    // "Takt zurück" takes them back one by one. While the run goes on it waits.
    BeideLaden(Programm("viel.CPU", {{65, "Move Akku, Konstante"},
                                     {3000},
                                     {387, "OUT Akku"},
                                     {140, "Dec Akku"},
                                     {325, "JNZ zu Adresse"},
                                     {2},
                                     {0}}));
    zurueck->setEnabled(true);
    Control<QAction>("MnSchnelllauf")->trigger();
    QApplication::processEvents();
    if (window->Run().FastRunActive()) {
        EXPECT_FALSE(zurueck->isEnabled());
    }
    Schnelllauf();
    ASSERT_EQ(window->Machine().Units().steuerwerk.GetFehler(), CPUStop);
    auto zeilen = [this] { return window->Ausgabe()->Memo1()->toPlainText().split('\n'); };
    auto zeile = [](int wert) { return QString::fromStdString(AusgabeZeile(wert, FormatBinaer)); };
    ASSERT_EQ(zeilen().size(), 3000);
    EXPECT_EQ(zeilen().first(), zeile(3000));
    EXPECT_EQ(zeilen().last(), zeile(1));
    ASSERT_TRUE(zurueck->isEnabled());
    for (int n = 0; zeilen().size() == 3000 && n < 100; ++n) {
        zurueck->trigger();
    }
    ASSERT_EQ(zeilen().size(), 2999);
    EXPECT_EQ(zeilen().last(), zeile(2));
}

TEST_F(FastRun, DisplaysWaitForTheRefreshAndOutputKeepsEveryLine) {
    // The machine shows nothing while the displays are off; switching on shows it all.
    QLabel* akku = window->findChild<QLabel*>(QStringLiteral("PanelAkku"));
    ASSERT_NE(akku, nullptr);
    window->Machine().Units().steuerwerk.SetAnzeigenAktiv(false);
    window->Machine().Units().rechenwerk.SetAkku(7);
    EXPECT_EQ(akku->text(), " 0x0000");
    window->Machine().Units().steuerwerk.SetAnzeigenAktiv(true);
    EXPECT_EQ(akku->text(), " 0x0007");

    // The grid's selection by the machine waits for the view too.
    TOroGrid* grid = window->Diagram().gridSpeicher;
    grid->SetDeferred(true);
    grid->Adapter().SetRow(10);
    EXPECT_EQ(grid->Adapter().Row(), 10);
    EXPECT_NE(grid->Row(), 10);
    grid->SetDeferred(false);
    EXPECT_EQ(grid->Row(), 10);

    DeferredDisplays refresh;
    // Thousands of lines in one refresh reach the window in one append, all of them; the
    // last line is taken back from the buffer or, once shown, from the window.
    window->MnShowAusgabefensterClick();
    BufferedOutput output(refresh);
    output.SetTarget(window->Ausgabe());
    refresh.SetDeferred(true);
    for (int i = 0; i < 3000; ++i) {
        output.AppendLine(std::to_string(i));
    }
    output.AppendLine({});
    output.RemoveLastLine();
    EXPECT_TRUE(window->Ausgabe()->Memo1()->toPlainText().isEmpty());
    refresh.Flush();
    QStringList text = window->Ausgabe()->Memo1()->toPlainText().split('\n');
    ASSERT_EQ(text.size(), 3000);
    EXPECT_EQ(text.first(), "0");
    EXPECT_EQ(text.last(), "2999");
    output.RemoveLastLine();
    output.RemoveLastLine();
    text = window->Ausgabe()->Memo1()->toPlainText().split('\n');
    ASSERT_EQ(text.size(), 2998);
    EXPECT_EQ(text.last(), "2997");
    refresh.SetDeferred(false);
}

} // namespace
} // namespace tovak::test
