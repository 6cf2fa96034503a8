// The block diagram: start texts, layouts, the memory-grid colours and the panel edits.
#include "GuiFixture.h"

#include "mainwindow/Ini.h"
#include "mainwindow/MemoryCellDelegate.h"
#include "widgets/Animate.h"
#include "widgets/BusAnimation.h"
#include "widgets/OroGrid.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFontMetrics>
#include <QGroupBox>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>

namespace tovak::test {
namespace {

using Window = GuiTest;

TEST_F(Window, ShowsTheStartTexts) {
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8("Rechner-Simulation für Windows"));
    EXPECT_EQ(Panel("EStackPointer"), " 4000");
    EXPECT_EQ(Panel("PStackPointer"), "0x0FA0");
    EXPECT_EQ(Panel("EInteruptAdr"), " 3000");
    EXPECT_EQ(Panel("PInterupt"), "0x0BB8");
    EXPECT_EQ(Panel("EAEinheit1"), "0x0000");
    EXPECT_EQ(Control("EAEinheit1")->toolTip(), " 0");
    EXPECT_EQ(Panel("PInstructionPointer"), "0x0000");
    EXPECT_EQ(Panel("PanelAkku"), " 0x0000");
    EXPECT_EQ(Panel("PanelZeroFlag"), "1");
    for (const char* name : {"PBefehl", "PBefehlRem", "PMicrocode"}) {
        EXPECT_EQ(Panel(name), "") << name;
    }
    EXPECT_EQ(window->Diagram().gridSpeicher->RowCount(), 4001);
    EXPECT_EQ(window->Diagram().gridRegister->RowCount(), 128);
    EXPECT_EQ(window->Diagram().gridSpeicher->CellText(2, 0), " Befehl / Daten");
    EXPECT_EQ(window->Diagram().gridSpeicher->CellText(0, 4000), " 3999");
    EXPECT_EQ(window->Run().Clock()->interval(), Ini::MainDauer());
    EXPECT_FALSE(Control("BnStop")->isEnabled());
    EXPECT_FALSE(Control("BnTakt")->isEnabled());
}

TEST_F(Window, MemoryCellColoursFollowTheTransferDirection) {
    const QPalette pal;
    const int blau = Ini::kColorMovRegAkkuDefault;
    const int rot = Ini::kColorMovAkkuRegDefault;
    const auto regAkku = StyleForMemoryCell("Move Reg, Akku", 2, false, pal, blau, rot);
    EXPECT_FALSE(regAkku.useDefault);
    EXPECT_TRUE(regAkku.bold);
    EXPECT_EQ(regAkku.foreground, QColor(Qt::red));
    EXPECT_EQ(regAkku.background, QColor(Qt::white));
    // Every name containing "Akku, Register" gets the second colour.
    for (const char* text : {"Add Akku, Register", "Move Akku, Register"}) {
        const auto s = StyleForMemoryCell(text, 2, false, pal, blau, rot);
        EXPECT_EQ(s.foreground, QColor(Qt::blue)) << text;
    }
    EXPECT_TRUE(StyleForMemoryCell("add akku, register", 2, false, pal, blau, rot).useDefault);
    EXPECT_TRUE(StyleForMemoryCell("Inc Akku", 2, false, pal, blau, rot).useDefault);
    const auto gewaehlt = StyleForMemoryCell("Move Reg, Akku", 2, true, pal, blau, rot);
    EXPECT_EQ(gewaehlt.foreground, QColor(242, 255, 255));
    EXPECT_EQ(gewaehlt.background, pal.color(QPalette::Highlight));
    const auto adresse = StyleForMemoryCell(" 000", 0, true, pal, blau, rot);
    EXPECT_EQ(adresse.foreground, QColor(Qt::black));
    EXPECT_EQ(adresse.background, pal.color(QPalette::Button));
}

TEST_F(Window, CompactLayoutOnlyOnScreensUpTo600) {
    TFMain klein(600);
    EXPECT_TRUE(klein.Diagram().IsCompact());
    EXPECT_FALSE(klein.findChild<QWidget*>("PAdressBus")->isVisibleTo(&klein));
    EXPECT_FALSE(klein.Diagram().Animation().Control("m_Sp_Ab")->isVisibleTo(&klein));
    TFMain gross(601);
    EXPECT_FALSE(gross.Diagram().IsCompact());
    EXPECT_TRUE(gross.findChild<QWidget*>("PAdressBus")->isVisibleTo(&gross));
}

TEST_F(Window, MaximalMemoryLayoutAndFitToHeight) {
    auto* box = Control<QGroupBox>("GroupBoxSpeicher");
    EXPECT_EQ(box->geometry(), QRect(8, 208, 321, 384));
    window->ApplySpeicherMaximal(true);
    EXPECT_EQ(box->geometry(), QRect(8, 121, 321, 505));
    EXPECT_FALSE(Control("PDatenBus")->isVisibleTo(window.get()));
    EXPECT_FALSE(window->Diagram().Animation().Control("m_Sp_Db")->isVisibleTo(window.get()));
    window->ApplySpeicherMaximal(false);
    EXPECT_EQ(box->geometry(), QRect(8, 208, 321, 384));
    EXPECT_TRUE(Control("PDatenBus")->isVisibleTo(window.get()));

    auto* fit = Control<QAction>("LkResizeRam");
    fit->trigger();
    EXPECT_EQ(box->geometry().top(), 121);
    EXPECT_EQ(box->geometry().bottom() + 1, window->Diagram().client->height() - 30);
    window->resize(window->width(), window->height() + 100);
    QApplication::processEvents();
    EXPECT_EQ(box->geometry().bottom() + 1, window->Diagram().client->height() - 30);
    fit->trigger();
    EXPECT_EQ(box->geometry(), QRect(8, 208, 321, 384));
}

// With the option ticked once, the memory box must be there at every start, also on a compact
// screen and with a file named on the command line.
TEST_F(Window, MaximalMemoryAtStartShowsTheMemoryBox) {
    const QString programm = Programm("p.CPU", kSchleife);
    Ini::SetSpeicherMaximal(true);
    for (const int screen : {800, 600}) {
        window.reset();
        window = std::make_unique<TFMain>(screen);
        Laden(programm);
        window->show();
        QApplication::processEvents();
        auto* box = Control<QGroupBox>("GroupBoxSpeicher");
        ASSERT_TRUE(box->isVisible());
        EXPECT_EQ(box->geometry().top(), 121) << screen;
        if (screen == 800) {
            EXPECT_EQ(box->geometry(), QRect(8, 121, 321, 505));
        } else { // ends with the register box, inside the compact window
            EXPECT_EQ(box->geometry().bottom(), Control("GroupBoxRegister")->geometry().bottom());
        }
        EXPECT_GT(window->Diagram().gridSpeicher->viewport()->height(), 300) << screen;
        EXPECT_EQ(window->Diagram().gridSpeicher->CellText(2, 1), "Move Akku, Konstante");
    }
    Ini::SetSpeicherMaximal(false);
}

// A fast run passes ten million micro-steps in seconds: the counters show ten digits whole.
TEST_F(Window, RunCountersShowTenDigits) {
    for (const char* name : {"PBefehlszaehler", "PTaktzaehler"}) {
        auto* panel = Control<QLabel>(name);
        const QString text = QStringLiteral("9999999999 ");
        EXPECT_LE(panel->fontMetrics().horizontalAdvance(text), panel->contentsRect().width())
            << name;
        EXPECT_LE(panel->geometry().right(), Control("GroupBoxSteuerwerk")->contentsRect().right())
            << name;
    }
    EXPECT_LT(Control("PBefehlszaehler")->geometry().right(),
              Control("PTaktzaehler")->geometry().left());
}

TEST_F(Window, EnlargedViewAndBackRestoresTheBoxes) {
    QList<QRect> vorher;
    QList<QFont> schriften;
    const char* namen[] = {"GroupBoxSpeicher", "GroupBoxEA_Einheit", "GroupBoxRechenwerk",
                           "GroupBoxRegister", "PanelAkku",          "PanelSignFlag"};
    for (const char* name : namen) {
        vorher.append(Control(name)->geometry());
        schriften.append(Control(name)->font());
    }
    auto* item = Control<QAction>("MnShowNormaldarstellung");
    item->trigger();
    EXPECT_TRUE(window->Diagram().IsEnlarged());
    QApplication::processEvents();
    // Whole instruction names in the name column, drawn bold as the colours draw them.
    TOroGrid* grid = window->Diagram().gridSpeicher;
    QFont fett = grid->font();
    fett.setBold(true);
    for (const char* befehl :
         {"Lies Zahl in E/A-Einheit", "Compare Akku Konstanten", "Move Akku, Register"}) {
        EXPECT_GT(grid->columnWidth(2), QFontMetrics(fett).horizontalAdvance(befehl)) << befehl;
    }
    // The arithmetic unit's panels grow with its box, the register box stays below it.
    auto* akku = Control("PanelAkku");
    EXPECT_GT(akku->height(), vorher[4].height());
    EXPECT_GT(akku->font().pointSizeF(), schriften[4].pointSizeF());
    QWidget* rechenwerk = Control("GroupBoxRechenwerk");
    EXPECT_TRUE(rechenwerk->rect().contains(Control("PanelSignFlag")->geometry()));
    EXPECT_GE(Control("GroupBoxRegister")->y(), rechenwerk->geometry().bottom());
    EXPECT_LE(Control("GroupBoxRegister")->geometry().bottom(),
              Control("GroupBoxRegister")->parentWidget()->height());
    // The bigger font needs wider address and hex columns, and they shrink back afterwards.
    EXPECT_GT(window->Diagram().gridSpeicher->ColWidth(1), BlockDiagram::kSpeicherHexBreite);
    item->trigger();
    EXPECT_FALSE(window->Diagram().IsEnlarged());
    EXPECT_EQ(window->Diagram().gridSpeicher->ColWidth(0), BlockDiagram::kSpeicherAdrBreite);
    EXPECT_EQ(window->Diagram().gridSpeicher->ColWidth(1), BlockDiagram::kSpeicherHexBreite);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(Control(namen[i])->geometry(), vorher[i]) << namen[i];
        EXPECT_EQ(Control(namen[i])->parentWidget(), window->Diagram().client);
    }
    for (int i = 4; i < 6; ++i) {
        EXPECT_EQ(Control(namen[i])->geometry(), vorher[i]) << namen[i];
        EXPECT_EQ(Control(namen[i])->font(), schriften[i]) << namen[i];
    }
}

TEST_F(Window, PanelEditsAndOutputFormat) {
    auto* ea = Control<QSpinBox>("EAEinheit2");
    ea->setValue(200);
    EXPECT_EQ(window->Machine().Units().ea.GetValue(), 200);
    EXPECT_EQ(Panel("EAEinheit1"), "0x00C8");
    ea->setValue(256); // above 255: ignored
    EXPECT_EQ(window->Machine().Units().ea.GetValue(), 200);
    EXPECT_EQ(Panel("EAEinheit1"), "0x00C8");
    // The unit's own larger value is shown in the spin edit only.
    window->Machine().Units().ea.SetValue(1000);
    EXPECT_EQ(ea->value(), 1000);
    EXPECT_EQ(Panel("EAEinheit1"), "0x00C8");

    Control<QComboBox>("cbAnzeigeZahlen")->setCurrentIndex(2);
    EXPECT_EQ(window->Machine().Units().ea.GetAusgabeformat(), FormatAscii);
}

TEST_F(Window, WindowAndDialogsKeepToAScreenSmallerThanTheDiagram) {
    // The offscreen screen is smaller than the diagram, as a projector at scale 2 is.
    const QRect area = window->screen()->availableGeometry();
    ASSERT_LT(area.width(), 1028);
    EXPECT_TRUE(area.contains(window->frameGeometry()))
        << area.width() << "x" << area.height() << " " << window->frameGeometry().x() << ","
        << window->frameGeometry().y() << " " << window->frameGeometry().width() << "x"
        << window->frameGeometry().height();
    // Nothing of the diagram is squeezed: the client keeps its size and scrolls.
    EXPECT_GE(window->Diagram().client->width(), Control("GroupBoxRechenwerk")->geometry().right());
    EXPECT_GE(window->Diagram().client->height(), Control("PAdressBus")->geometry().bottom());
    auto* scroll = Control<QScrollArea>("ClientScroll");
    ASSERT_NE(scroll, nullptr);
    EXPECT_GT(scroll->horizontalScrollBar()->maximum(), 0);

    QDialog gross(window.get());
    gross.resize(area.width() + 300, area.height() + 200);
    gross.move(area.right() - 50, area.bottom() - 50);
    gross.show();
    EXPECT_TRUE(area.contains(gross.frameGeometry()));
    window->MnDebugfensterClick();
    EXPECT_TRUE(area.contains(window->Debug()->frameGeometry()));
}

TEST_F(Window, ToolWindowsExistOnce) {
    window->MnDebugfensterClick();
    TFDebug* erstes = window->Debug();
    window->MnDebugfensterClick();
    EXPECT_EQ(window->Debug(), erstes);
    erstes->close();
    EXPECT_EQ(window->Debug(), nullptr);
    window->MnDebugfensterClick();
    EXPECT_NE(window->Debug(), nullptr);
}

} // namespace
} // namespace tovak::test
