#include "widgets/OroGrid.h"

#include "machine/Befehle.h"
#include "machine/RAM.h"

#include <QAction>
#include <QHeaderView>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace tovak {
namespace {

class OroGridTest : public ::testing::Test {
protected:
    OroGridTest() {
        grid.SetColCount(3);
        grid.SetRowCount(11);
        grid.resize(300, 250);
    }
    TOroGrid grid;
};

TEST_F(OroGridTest, RowZeroIsTheHeaderAndRowRIsModelRowRMinusOne) {
    grid.SetCellText(1, 0, " Hex-Wert");
    grid.SetCellText(2, 1, "Move Akku, Register");
    grid.SetCellText(0, 10, " 009");

    EXPECT_EQ(grid.RowCount(), 11);
    EXPECT_EQ(grid.GridModel().rowCount(), 10);
    EXPECT_EQ(grid.model()->headerData(1, Qt::Horizontal).toString(), " Hex-Wert");
    EXPECT_EQ(grid.model()->index(0, 2).data().toString(), "Move Akku, Register");
    EXPECT_EQ(grid.model()->index(9, 0).data(Qt::DisplayRole).toString(), " 009");
    EXPECT_EQ(grid.CellText(0, 10), " 009");

    // Growing and shrinking keeps the remaining texts; the header row stays.
    grid.SetRowCount(5);
    EXPECT_EQ(grid.CellText(0, 10), "");
    grid.SetRowCount(20);
    EXPECT_EQ(grid.GridModel().rowCount(), 19);
    EXPECT_EQ(grid.CellText(2, 1), "Move Akku, Register");
    EXPECT_EQ(grid.CellText(0, 10), "") << "a row dropped by shrinking comes back empty";
    grid.SetRowCount(0);
    EXPECT_EQ(grid.RowCount(), 1);
    EXPECT_EQ(grid.CellText(1, 0), " Hex-Wert");
}

TEST_F(OroGridTest, OutOfRangeCellsAndRowsAreIgnored) {
    GridDisplay& g = grid.Adapter();
    g.SetRow(4);
    for (int col : {-1, 3, 1000}) {
        grid.SetCellText(col, 1, "x");
        EXPECT_EQ(grid.CellText(col, 1), "");
    }
    for (int row : {-1, 11, 5000}) {
        grid.SetCellText(0, row, "x");
        EXPECT_EQ(grid.CellText(0, row), "");
        g.SetRow(row);
        EXPECT_EQ(g.Row(), 4);
    }
    g.SetRow(0); // the header cannot be selected
    EXPECT_EQ(g.Row(), 4);
    g.RowsChanged(-3, 50); // clipped to the rows there are
    grid.SetColWidth(7, 50);
    grid.SetDefaultRowHeight(-3);
    EXPECT_EQ(grid.CellText(-5, 2), "");
}

// The memory shown through the grid: the texts are read when asked for, changed rows are
// signalled as such, and a deferred grid signals once for all.
TEST(OroGridMemory, TheGridReadsTheMemoryAndRepaintsTheRowsItIsTold) {
    BefehlstabellenFuellen();
    TOroGrid grid;
    grid.SetColCount(3);
    TRAM ram(TRAM::kMaxCount, &grid.Adapter());
    grid.SetSource([&ram](int col, int row) { return ram.Zellentext(col, row); });
    QSignalSpy changed(&grid.GridModel(), &QAbstractItemModel::dataChanged);
    ram.FillGrid();

    ASSERT_EQ(grid.RowCount(), 4001);
    EXPECT_EQ(grid.model()->headerData(2, Qt::Horizontal).toString(), " Befehl / Daten");
    EXPECT_EQ(grid.CellText(0, 1), " 000");
    EXPECT_EQ(grid.CellText(1, 1), " 0x0000");
    EXPECT_EQ(grid.CellText(0, 4000), " 3999");

    changed.clear();
    ram.SetCell(0, 10, 4000, false);
    EXPECT_EQ(grid.model()->index(10, 1).data().toString(), " 0x0FA0");
    EXPECT_EQ(grid.model()->index(10, 2).data().toString(), "4000");
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed[0][0].toModelIndex(), grid.model()->index(10, 0));
    EXPECT_EQ(changed[0][1].toModelIndex(), grid.model()->index(10, 2));
    ram.SetValue(4000, 7); // storage cell: no grid row
    EXPECT_EQ(changed.count(), 1);

    changed.clear();
    grid.SetDeferred(true);
    ram.SetValue(3, 1);
    ram.SetMarke(7, Stapelmarke::Flags);
    EXPECT_EQ(changed.count(), 0);
    EXPECT_EQ(grid.CellText(2, 8), "Flags"); // the text is there at once
    grid.SetDeferred(false);
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed[0][0].toModelIndex(), grid.model()->index(3, 0));
    EXPECT_EQ(changed[0][1].toModelIndex(), grid.model()->index(7, 2));
}

TEST_F(OroGridTest, OnlyUserSelectionsAreReported) {
    grid.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
    QSignalSpy user(&grid, &TOroGrid::userSelectedRow);

    grid.SetRow(6);
    EXPECT_EQ(grid.Row(), 6);
    EXPECT_EQ(grid.selectionModel()->selectedRows().size(), 1);
    EXPECT_EQ(user.count(), 0);

    const QRect cell = grid.visualRect(grid.model()->index(2, 1));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cell.center());
    ASSERT_EQ(user.count(), 1);
    EXPECT_EQ(user[0][0].toInt(), 3);
    EXPECT_EQ(grid.Row(), 3);

    // A click on the row already selected still counts.
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(user.count(), 2);

    const QRect far = grid.visualRect(grid.model()->index(7, 0));
    QTest::mouseClick(grid.viewport(), Qt::RightButton, {}, far.center());
    EXPECT_EQ(grid.Row(), 3) << "a right click leaves the selection to the owner";
    EXPECT_EQ(user.count(), 2);

    QTest::keyClick(&grid, Qt::Key_Down);
    ASSERT_EQ(user.count(), 3);
    EXPECT_EQ(user[2][0].toInt(), 4);

    QSignalSpy dbl(&grid, &TOroGrid::doubleClickedRow);
    const QRect other = grid.visualRect(grid.model()->index(4, 2));
    // A real double click starts with a plain click.
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, other.center());
    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, other.center());
    ASSERT_EQ(dbl.count(), 1);
    EXPECT_EQ(dbl[0][0].toInt(), 5);
}

TEST_F(OroGridTest, SetRowScrollsTheRowIntoView) {
    grid.SetRowCount(4001);
    grid.SetDefaultRowHeight(20);
    grid.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
    grid.SetRow(3000);
    const QRect rect = grid.visualRect(grid.model()->index(2999, 0));
    EXPECT_TRUE(grid.viewport()->rect().contains(rect.center()));
    EXPECT_EQ(grid.rowHeight(0), 20);
}

TEST_F(OroGridTest, ColumnFittingKeepsColumnZeroAndFitsTheWidestText) {
    grid.SetColWidth(0, 45);
    grid.SetColWidth(1, 300);
    grid.SetColWidth(2, 10);
    grid.SetCellText(0, 3, "a much longer text in column zero");
    grid.SetCellText(1, 0, " Hex");
    grid.SetCellText(1, 2, " 0x0FA0");
    grid.SetCellText(2, 0, " B");
    grid.SetCellText(2, 5, "Jump zu Adresse, wenn Zero-Flag");

    QMenu* menu = grid.ContextMenu();
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->actions().size(), 3);
    EXPECT_TRUE(menu->actions()[1]->isSeparator());
    EXPECT_EQ(menu->actions()[2]->objectName(), "LkExportNachExcel");
    EXPECT_EQ(menu->actions()[2]->text(), "Export nach Excel");
    QAction* fit = menu->actions().front();
    EXPECT_EQ(fit->objectName(), "LkSpaltenbreiteOptimieren");
    EXPECT_EQ(fit->text(), "Spaltenbreite optimieren");
    fit->trigger();

    const QFontMetrics fm = grid.fontMetrics();
    EXPECT_EQ(grid.ColWidth(0), 45);
    EXPECT_EQ(grid.ColWidth(1), fm.horizontalAdvance(" 0x0FA0") + 5);
    EXPECT_EQ(grid.ColWidth(2), fm.horizontalAdvance("Jump zu Adresse, wenn Zero-Flag") + 5);

    // A header caption wider than every cell is not cut by the header's margins.
    grid.SetCellText(1, 0, " Ein sehr breiter Spaltentitel");
    grid.SpaltenbreiteOptimieren();
    const QHeaderView* header = grid.horizontalHeader();
    const int margins = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin);
    EXPECT_GE(grid.ColWidth(1),
              header->fontMetrics().horizontalAdvance(" Ein sehr breiter Spaltentitel") + margins);
}

} // namespace
} // namespace tovak
