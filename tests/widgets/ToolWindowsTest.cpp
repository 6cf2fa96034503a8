#include "dialogs/Ausgabe.h"
#include "dialogs/Debug.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>

#include <gtest/gtest.h>

namespace tovak {
namespace {

TEST(Ausgabe, ShowsLinesInOrderAndTheLatestValue) {
    TFAusgabe window;
    EXPECT_EQ(window.windowTitle(), "Ausgabe der E / A-Einheit");
    EXPECT_EQ(window.LRadioButton()->text(), "-");
    EXPECT_TRUE(window.Memo1()->toPlainText().isEmpty());
    EXPECT_TRUE(window.Memo1()->isReadOnly());

    OutputWindow& out = window;
    out.AppendLine("00000001");
    out.AppendLine("Wert: 255");
    out.SetLabel(255);
    EXPECT_EQ(window.Memo1()->toPlainText(), "00000001\nWert: 255");
    EXPECT_EQ(window.LRadioButton()->text(), "11111111");
    EXPECT_EQ(out.Label(), 255);

    window.Clear();
    EXPECT_TRUE(window.Memo1()->toPlainText().isEmpty());
}

TEST(Ausgabe, KeepsEveryLineOfALongRun) {
    TFAusgabe window;
    for (int i = 0; i < 5000; ++i) {
        window.AppendLine(std::to_string(i));
    }
    EXPECT_EQ(window.Memo1()->blockCount(), 5000);
    EXPECT_EQ(window.Memo1()->document()->firstBlock().text(), "0");
}

TEST(Ausgabe, ReportsClosingAndFreesItself) {
    QPointer<TFAusgabe> window = new TFAusgabe;
    QSignalSpy closed(window.data(), &TFAusgabe::closed);
    window->ShowBeside(100, 50, 1036);
    EXPECT_EQ(window->pos(), QPoint(50 + 1036 - 280, 100 + 250));
    EXPECT_TRUE(window->isVisible());
    window->close();
    EXPECT_EQ(closed.count(), 1);
    QTest::qWait(0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
}

TEST(Debug, BreakpointsComeFromNumericLinesWhileSwitchedOn) {
    TFDebug window;
    EXPECT_EQ(window.windowTitle(), "Setzen der Haltepunkte");
    EXPECT_EQ(window.chkBreakpointsOn()->text(), "Breakpoints An");
    EXPECT_TRUE(window.chkBreakpointsOn()->isChecked());
    EXPECT_FALSE(window.IsBreakpoint(0)) << "an empty memo holds no breakpoints";

    window.Memo1()->setPlainText("10\nabc\n\n 12 \n-3");
    EXPECT_TRUE(window.IsBreakpoint(10));
    EXPECT_TRUE(window.IsBreakpoint(12));
    EXPECT_TRUE(window.IsBreakpoint(-3));
    EXPECT_FALSE(window.IsBreakpoint(11));
    EXPECT_FALSE(window.IsBreakpoint(0)) << "empty and non-numeric lines are no address 0";

    window.chkBreakpointsOn()->setChecked(false);
    EXPECT_FALSE(window.IsBreakpoint(10));
    EXPECT_EQ(window.Memo1()->toPlainText(), "10\nabc\n\n 12 \n-3");
    window.chkBreakpointsOn()->setChecked(true);
    EXPECT_TRUE(window.IsBreakpoint(10));
}

TEST(Debug, SitsLeftOfTheMainWindowOrAtTheScreenEdgeBelowItsToolbar) {
    TFDebug window;
    QSignalSpy closed(&window, &TFDebug::closed);
    window.setAttribute(Qt::WA_DeleteOnClose, false); // lives on the stack here
    window.ShowBeside(40, 500, 120);
    EXPECT_EQ(window.pos(), QPoint(300, 40));
    // At the edge it would cover the main window's menus and toolbar at their height.
    window.ShowBeside(40, 199, 120);
    EXPECT_EQ(window.pos(), QPoint(0, 120));
    window.ShowBeside(40, 200, 120);
    EXPECT_EQ(window.pos(), QPoint(0, 40));
    window.close();
    EXPECT_EQ(closed.count(), 1);
}

} // namespace
} // namespace tovak
