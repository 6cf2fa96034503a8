// The settings dialog and what the window makes of it, the remarks window, the memory
// status and the menu items that reach them.
#include "GuiFixture.h"
#include "ModalAnswer.h"

#include "dialogs/Memory.h"
#include "mainwindow/Einst.h"
#include "mainwindow/Ini.h"
#include "mainwindow/TempoControl.h"
#include "util/Launcher.h"
#include "widgets/SpinEdit.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QCoreApplication>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSlider>
#include <QTest>

namespace tovak::test {
namespace {

// The store holds only these values when the window is made.
void Store(std::initializer_list<std::pair<const char*, int>> values) {
    QSettings store("KORVALD", "TOVAK");
    store.clear();
    for (const auto& [name, value] : values) {
        store.setValue(name, value);
    }
    store.sync();
    Ini::Load();
}

QVariant Stored(const char* name) {
    return QSettings("KORVALD", "TOVAK").value(name);
}

template <class T> T* In(TFEinst& d, const char* name) {
    return d.findChild<T*>(QString::fromLatin1(name));
}

QColor TextColour(TFEinst& d, const char* panel) {
    return In<QLabel>(d, panel)->palette().color(QPalette::WindowText);
}

class Options : public GuiTest {
protected:
    void SetUp() override {
        Store({});
        GuiTest::SetUp();
    }
    void TearDown() override { Store({}); }

    // Opens the settings through the menu and lets `answer` work in the dialog.
    void Einstellungen(const std::function<void(TFEinst&)>& answer) {
        AnswerModal<TFEinst>([this] { Control<QAction>("MnEinstellungen")->trigger(); }, answer);
    }
    QTimer* TimerBackup() const { return window->findChild<QTimer*>("TimerBackup"); }
};

TEST_F(Options, DefaultsOnAMachineWithoutSettings) {
    EXPECT_EQ(window->Run().Clock()->interval(), 100);
    EXPECT_EQ(TimerBackup()->interval(), 10000);
    Einstellungen([](TFEinst& d) {
        EXPECT_EQ(In<TSpinEdit>(d, "SpAnimationsdauer")->Text(), "100");
        EXPECT_EQ(In<TSpinEdit>(d, "SpBackupTime")->Text(), "10000");
        EXPECT_TRUE(In<QRadioButton>(d, "rbLiesZahlKeineAktion")->isChecked());
        EXPECT_FALSE(In<QRadioButton>(d, "rbLiesZahlInRegister")->isVisibleTo(&d));
        EXPECT_FALSE(In<QCheckBox>(d, "chkSpeicherMaximal")->isChecked());
        EXPECT_EQ(TextColour(d, "PanelMovAkkuReg"), QColor(Qt::blue));
        EXPECT_EQ(TextColour(d, "PanelRegAkku"), QColor(Qt::red));
    });
    EXPECT_FALSE(Stored("Main_Dauer").isValid()) << "closing stores nothing";
}

TEST_F(Options, OkStoresTheFieldsAndTheWindowAppliesThemDuringARun) {
    Laden(Programm("schleife.CPU", kSchleife));
    window->MnProgrammstartClick();
    ASSERT_TRUE(ClockOn());
    // Texts as typed and confirmed with Enter: a number, no number, beyond the range.
    const struct {
        const char *animation, *backup;
        int mainDauer, backupTime;
    } cases[] = {{"500", "20000", 500, 20000}, {"abc", "", 1, 1000}, {"99999", "-5", 5000, 1000}};
    for (const auto& c : cases) {
        Einstellungen([&](TFEinst& d) {
            In<TSpinEdit>(d, "SpAnimationsdauer")->SetText(c.animation);
            In<TSpinEdit>(d, "SpBackupTime")->SetText(c.backup);
            In<QCheckBox>(d, "chkSpeicherMaximal")->setChecked(true);
            d.BnOkClick();
        });
        EXPECT_EQ(Stored("Main_Dauer").toInt(), c.mainDauer) << c.animation;
        EXPECT_EQ(Stored("BackupTime").toInt(), c.backupTime) << c.backup;
        EXPECT_EQ(window->Run().Clock()->interval(), c.mainDauer) << c.animation;
        EXPECT_EQ(TimerBackup()->interval(), c.backupTime) << c.backup;
        EXPECT_TRUE(ClockOn()) << "the run goes on at the new pace";
    }
    EXPECT_TRUE(window->Diagram().IsSpeicherMaximal());
}

TEST_F(Options, TempoSliderAndSettingsShowAndStoreTheOneValue) {
    auto* slider = Control<QSlider>("SlTempo");
    auto* label = Control<QLabel>("LTempo");
    ASSERT_NE(slider, nullptr);
    EXPECT_EQ(label->text(), "&Tempo: 100 ms");
    EXPECT_EQ(TempoControl::kStufen[slider->value()], 100);

    Laden(Programm("schleife.CPU", kSchleife));
    window->MnProgrammstartClick();
    ASSERT_TRUE(ClockOn());
    // Keys move it one step towards the fast end; the running clock follows at once.
    slider->setFocus();
    QTest::keyClick(slider, Qt::Key_Right);
    EXPECT_EQ(window->Run().Clock()->interval(), 70);
    EXPECT_EQ(Stored("Main_Dauer").toInt(), 70);
    EXPECT_EQ(label->text(), "&Tempo: 70 ms");
    Einstellungen([](TFEinst& d) {
        EXPECT_EQ(In<TSpinEdit>(d, "SpAnimationsdauer")->Text(), "70");
        In<TSpinEdit>(d, "SpAnimationsdauer")->SetText("250");
        d.BnOkClick();
    });
    EXPECT_EQ(window->Run().Clock()->interval(), 250);
    EXPECT_EQ(label->text(), "&Tempo: 250 ms") << "the value itself, not the nearest step";
    EXPECT_EQ(TempoControl::kStufen[slider->value()], 300);

    // At the end the run goes on as a fast run; the pace in milliseconds is kept.
    QTest::keyClick(slider, Qt::Key_End);
    EXPECT_EQ(label->text(), "&Tempo: Schnelllauf");
    EXPECT_TRUE(window->Run().FastRunActive());
    EXPECT_EQ(Stored("Main_Schnelllauf").toInt(), 1);
    EXPECT_EQ(Stored("Main_Dauer").toInt(), 250);
    window->BnStopClick();
    window->MnProgrammstartClick();
    EXPECT_TRUE(window->Run().FastRunActive()) << "Start von 0 at the slider's end";
    window->BnStopClick();

    // Confirming the dialog unchanged keeps the fast end; a new pace there leaves it.
    Einstellungen([](TFEinst& d) { d.BnOkClick(); });
    EXPECT_EQ(slider->value(), TempoControl::kSchnelllauf);
    Einstellungen([](TFEinst& d) {
        In<TSpinEdit>(d, "SpAnimationsdauer")->SetText("5000");
        d.BnOkClick();
    });
    EXPECT_EQ(Stored("Main_Schnelllauf").toInt(), 0);
    EXPECT_EQ(slider->value(), 0);
    EXPECT_EQ(label->text(), "&Tempo: 5000 ms");
    EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width());
}

TEST_F(Options, TempoGoesToTheStatusBarWhereTheToolbarIsCutOffAndBack) {
    auto* tempo = window->findChild<TempoControl*>("Tempo");
    ASSERT_NE(tempo, nullptr);
    const auto groesse = [this](int breite) {
        window->resize(breite, window->height());
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    };
    groesse(1600);
    EXPECT_FALSE(tempo->OutsideToolbar());
    EXPECT_EQ(tempo->parentWidget(), Control("Symbolleiste"));
    groesse(900);
    EXPECT_TRUE(tempo->OutsideToolbar());
    ASSERT_TRUE(tempo->isVisible());
    const QRect imFenster(tempo->mapTo(window.get(), QPoint(0, 0)), tempo->size());
    EXPECT_TRUE(window->rect().contains(imFenster));
    EXPECT_LE(tempo->Label()->fontMetrics().horizontalAdvance(QStringLiteral("Tempo: 5000 ms")),
              tempo->Label()->width());
    groesse(1600);
    EXPECT_FALSE(tempo->OutsideToolbar());
    EXPECT_EQ(tempo->parentWidget(), Control("Symbolleiste"));
    EXPECT_TRUE(tempo->isVisible());
}

// The compact window has no status bar: a cut toolbar sends the tempo into the menu bar.
TEST_F(Options, CompactWindowKeepsTheTempoInViewInTheMenuBar) {
    TFMain klein(600);
    klein.show();
    auto* tempo = klein.findChild<TempoControl*>("Tempo");
    ASSERT_NE(tempo, nullptr);
    klein.resize(900, klein.height());
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    ASSERT_TRUE(tempo->OutsideToolbar());
    EXPECT_TRUE(klein.menuBar()->isAncestorOf(tempo));
    EXPECT_TRUE(tempo->isVisibleTo(&klein));
    EXPECT_TRUE(klein.findChild<QWidget*>("LabelLaufzustand")->isVisibleTo(&klein));
    klein.resize(1600, klein.height());
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    EXPECT_FALSE(tempo->OutsideToolbar());
    EXPECT_EQ(tempo->parentWidget(), klein.findChild<QWidget*>("Symbolleiste"));
}

TEST_F(Options, ColourChosenThenCancelStoresNothingAndOkStoresItAsBgr) {
    for (const bool ok : {false, true}) {
        Einstellungen([&](TFEinst& d) {
            AnswerModal<QColorDialog>([&] { d.BnPanelFarbeAktiviertClick(); },
                                      [](QColorDialog& colours) {
                                          EXPECT_EQ(colours.currentColor(), QColor(Qt::blue));
                                          colours.setCurrentColor(QColor(0x12, 0x34, 0x56));
                                          colours.accept();
                                      });
            EXPECT_EQ(TextColour(d, "PanelMovAkkuReg"), QColor(0x12, 0x34, 0x56));
            AnswerModal<QColorDialog>([&] { d.BnPanelFarbeDeAktiviertClick(); },
                                      [](QColorDialog& colours) {
                                          colours.setCurrentColor(Qt::green);
                                          colours.reject();
                                      });
            EXPECT_EQ(TextColour(d, "PanelRegAkku"), QColor(Qt::red));
            In<QPushButton>(d, ok ? "BnOk" : "BnAbbruch")->click();
        });
        EXPECT_EQ(Ini::ColorMovRegAkku(), ok ? 0x563412 : 0xFF0000);
        EXPECT_EQ(Stored("ColorMovRegAkku").toInt(), ok ? 0x563412 : 0xFF0000);
        EXPECT_EQ(Stored("ColorMovAkkuReg").toInt(), 0x0000FF);
        EXPECT_EQ(Stored("Main_Dauer").isValid(), ok);
    }
}

TEST_F(Options, LiesZahlInRegisterWrittenByHand) {
    // Stored by hand, the visible radio button checked (none for the hidden one), after Ok.
    const struct {
        int stored;
        const char* checked;
        int afterOk;
    } cases[] = {{2, "", 2}, {1, "rbLiesZahlInAkku", 1}, {7, "rbLiesZahlKeineAktion", 0}};
    for (const auto& c : cases) {
        Store({{"LiesZahlInRegister", c.stored}});
        Einstellungen([&](TFEinst& d) {
            for (const char* name : {"rbLiesZahlKeineAktion", "rbLiesZahlInAkku"}) {
                EXPECT_EQ(In<QRadioButton>(d, name)->isChecked(), std::string(c.checked) == name)
                    << c.stored << name;
            }
            d.BnOkClick();
        });
        EXPECT_EQ(Stored("LiesZahlInRegister").toInt(), c.afterOk) << c.stored;
    }
}

TEST_F(Options, RemarksWindowEditsTheRemarkLiveAndNeverWritesStaleText) {
    Control<QAction>("MnTovakRemark")->trigger();
    Control<QAction>("MnTovakRemark")->trigger();
    QPointer<TFTovakRemark> remark = window->TovakRemark();
    ASSERT_NE(remark, nullptr);
    EXPECT_EQ(window->findChildren<TFTovakRemark*>().size(), 1);
    QTest::keyClicks(remark->Memo1(), "Summe");
    EXPECT_EQ(window->Diagram().memoRemark->toPlainText(), "Summe") << "typing changes it at once";
    ASSERT_TRUE(window->Document().SaveTo(dir.filePath("bemerkt.CPU")));
    QFile saved(dir.filePath("bemerkt.CPU"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(saved.readAll().startsWith("5  Version\r\n1\r\nSumme\r\n"));

    // The remark changed elsewhere: the window follows, closing it brings nothing back.
    window->Diagram().memoRemark->setPlainText("anders");
    EXPECT_EQ(remark->Memo1()->toPlainText(), "anders");
    remark->close();
    EXPECT_EQ(window->TovakRemark(), nullptr);
    EXPECT_EQ(window->Diagram().memoRemark->toPlainText(), "anders");

    // A load closes the open window and shows a new one with the loaded text.
    Control<QAction>("MnTovakRemark")->trigger();
    remark = window->TovakRemark();
    QTest::keyClicks(remark->Memo1(), " alt");
    QFile file(dir.filePath("neu.CPU"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("5  Version\r\n1\r\nneue Bemerkung\r\n0 Anzahl RAM\r\n-1 Anzahl Register\r\n");
    file.close();
    Laden(file.fileName());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(remark.isNull());
    ASSERT_NE(window->TovakRemark(), nullptr);
    EXPECT_EQ(window->TovakRemark()->Memo1()->toPlainText(), "neue Bemerkung");
    EXPECT_EQ(window->Diagram().memoRemark->toPlainText(), "neue Bemerkung");
}

TEST(MemoryStatusWindow, TenLinesInOrder) {
    TFMemory memory;
    memory.FillMemo({32, 42, 8000, 4640, 2000, 1500, 140737488355328ULL, 99});
    EXPECT_EQ(memory.Memo1()->toPlainText().split('\n'),
              QStringList({"Speicherauszug mit GlobalMemoryStatus", "",
                           QString::fromUtf8("Länge der Structur: 32"),
                           "dwMemoryLoad:\t42\t\t  percent of memory in use",
                           "dwTotalPhys:\t8000\t\t  bytes of physical memory",
                           "dwAvailPhys:\t4640\t\t  free physical memory bytes",
                           "dwTotalPageFile:\t2000\t\t  bytes of paging file",
                           "dwAvailPageFile\t1500\t\t  free bytes of paging file",
                           "dwTotalVirtual\t140737488355328\t  user bytes of address space",
                           "dwAvailVirtual\t99\t  free user bytes"}));
    const MemoryStatus real = QueryMemoryStatus();
    EXPECT_GT(real.totalPhys, 0u);
    EXPECT_LE(real.availPhys, real.totalPhys);
    EXPECT_LE(real.memoryLoad, 100u);
    EXPECT_LT(real.availVirtual, real.totalVirtual);
}

TEST_F(Options, MenuItemsCaptionsHintsAndActions) {
    QStringList started;
    SetProgramStarter([&](const QString& program, const QStringList&, const QString&) {
        started.append(QFileInfo(program).fileName());
        return true;
    });
    const QString self = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    // Without an installed calculator the box says so instead.
    auto calculator = [&] {
        return started.isEmpty() ? boxes.boxes.back().text == "Fehler beim Aufruf von Calc.exe"
                                 : CalculatorPrograms().contains(started.back());
    };
    const struct {
        const char *menu, *item, *caption, *hint, *next;
        std::function<bool()> done; // nullptr: the item shows the modal dialog `next`
        const char* dialog;
    } items[] = {
        {"Datei1", "MnNeueInstanz", "Neue Instanz des Programms", "", "N7",
         [&] { return started == QStringList{self}; }, nullptr},
        {"MainAnsicht", "MnTovakRemark", "Programm-Bemerkungen", "", nullptr,
         [&] { return window->TovakRemark() != nullptr; }, nullptr},
        {"MnOptionen", "MnTaschenrechner", "&Taschenrechner", "Aufruf des Taschenrechners",
         "MnSpeicherbelegung", calculator, nullptr},
        {"MnOptionen", "MnSpeicherbelegung", "Speicherbelegung", "", "N10", {}, "Memory Status"},
        {"MnOptionen", "MnEinstellungen", "&Einstellungen", "", "", {}, "Einstellungen"},
        {"Hilfe1", "Info1", "In&fo...", "", "", {}, "Info zu TOVAK"},
    };
    for (const auto& it : items) {
        const QList<QAction*> actions = window->findChild<QMenu*>(it.menu)->actions();
        const auto found = std::find_if(actions.begin(), actions.end(),
                                        [&](QAction* a) { return a->objectName() == it.item; });
        ASSERT_NE(found, actions.end()) << it.item;
        QAction* action = *found;
        EXPECT_EQ(action->text(), QString::fromUtf8(it.caption)) << it.item;
        EXPECT_EQ(action->statusTip(), QString::fromUtf8(it.hint)) << it.item;
        EXPECT_TRUE(action->shortcut().isEmpty()) << it.item;
        if (it.next != nullptr) {
            EXPECT_EQ(found + 1 == actions.end() ? "" : (*(found + 1))->objectName(), it.next);
        }
        boxes.boxes.clear();
        started.clear();
        if (it.dialog != nullptr) {
            EXPECT_EQ(AnswerModal([action] { action->trigger(); }), it.dialog) << it.item;
        } else {
            action->trigger();
            EXPECT_TRUE(it.done()) << it.item;
        }
    }
    SetProgramStarter({});
    EXPECT_EQ(window->findChild<QMenu*>("MainAnsicht")->actions().first()->objectName(),
              "MnTovakRemark");
    QStringList bar;
    for (QAction* a : window->menuBar()->actions()) {
        bar.append(a->menu()->objectName());
    }
    EXPECT_EQ(bar.indexOf("MnOptionen"), bar.indexOf("MnStart") + 1);
    EXPECT_EQ(bar.last(), "Hilfe1");
}

} // namespace
} // namespace tovak::test
