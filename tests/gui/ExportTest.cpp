// The grids' spreadsheet export, read back from the written workbook.
#include "GuiFixture.h"

#include "support/XlsxReader.h"
#include "widgets/OroGrid.h"

#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QUrl>

namespace tovak::test {
namespace {

// Takes the place of the desktop's spreadsheet program.
class Spreadsheet final : public QObject {
    Q_OBJECT
public:
    Spreadsheet() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "Open"); }
    ~Spreadsheet() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
    QStringList opened;
public slots:
    void Open(const QUrl& url) { opened.append(url.toLocalFile()); }
};

class Export : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        oldTmp = qgetenv("TMPDIR");
        qputenv("TMPDIR", dir.path().toLocal8Bit()); // exports land in the test's folder
    }
    void TearDown() override {
        qputenv("TMPDIR", oldTmp);
        GuiTest::TearDown();
    }
    // The sheet's last column letter and last row.
    static std::pair<char, int> Extent(const XlsxSheet& sheet) {
        std::pair<char, int> extent{'@', 0};
        for (const QString& ref : sheet.cells.keys()) {
            extent.first = std::max(extent.first, ref.at(0).toLatin1());
            extent.second = std::max(extent.second, ref.mid(1).toInt());
        }
        return extent;
    }

    QByteArray oldTmp;
    Spreadsheet spreadsheet;
};

TEST_F(Export, MemoryGridGoesToColumnsAToCWithTheHeaderInRow1) {
    window->Machine().Units().speicher.SetCell(65, 0, 65, true);
    window->Machine().Units().speicher.SetCell(0, 1, 5, false);
    window->Diagram().gridSpeicher->ExportNachExcelAction()->trigger();
    ASSERT_EQ(spreadsheet.opened.size(), 1);
    const QFileInfo file(spreadsheet.opened[0]);
    EXPECT_EQ(file.dir().dirName(), "TOVAK-Export");
    EXPECT_TRUE(file.fileName().startsWith("Speicher-") && file.suffix() == "xlsx");

    const XlsxSheet sheet = ReadXlsx(file.filePath());
    EXPECT_EQ(Extent(sheet), std::make_pair('C', 4001));
    EXPECT_EQ(sheet.activeCell, "A2");
    // Header bold 12 pt, data as shown (leading blanks kept, "5" as text).
    for (const char* ref : {"A1", "B1", "C1", "A2", "B2", "C2", "C3", "A4001"}) {
        const XlsxCell cell = sheet.cells.value(ref);
        const bool header = ref[1] == '1' && ref[2] == '\0';
        EXPECT_EQ(cell.text,
                  window->Diagram().gridSpeicher->CellText(ref[0] - 'A', atoi(ref + 1) - 1))
            << ref;
        EXPECT_EQ(cell.bold, header) << ref;
        EXPECT_EQ(cell.size, header ? 12.0 : 11.0) << ref;
    }
    EXPECT_EQ(sheet.cells.value("A1").text, " Adr");
    EXPECT_EQ(sheet.cells.value("A2").text, " 000");
    EXPECT_EQ(sheet.cells.value("C2").text, "Move Akku, Konstante");
    EXPECT_EQ(sheet.cells.value("C3").text, "5");
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(Export, HeaderOnlyGridGivesOneBoldRow) {
    TOroGrid grid;
    grid.SetColCount(3);
    grid.SetRowCount(1);
    for (int c = 0; c < 3; ++c) {
        grid.SetCellText(c, 0, QString::fromUtf8(" Binärwert %1").arg(c));
    }
    const XlsxSheet sheet = ReadXlsx(grid.ExportNachExcel());
    EXPECT_EQ(Extent(sheet), std::make_pair('C', 1));
    EXPECT_EQ(sheet.cells.value("B1").text, QString::fromUtf8(" Binärwert 1"));
    EXPECT_TRUE(sheet.cells.value("C1").bold);
    EXPECT_TRUE(QFileInfo(spreadsheet.opened.value(0)).fileName().startsWith("Tabelle-"));
}

TEST_F(Export, UnwritableFolderSaysCantStartExcel) {
    QFile blocker(dir.filePath("TOVAK-Export")); // a plain file holds the folder's place
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_TRUE(window->Diagram().gridSpeicher->ExportNachExcel().isEmpty());
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].kind, "warning");
    EXPECT_EQ(boxes.boxes[0].caption, "Error");
    EXPECT_EQ(boxes.boxes[0].text, "Can't start Excel");
    EXPECT_TRUE(spreadsheet.opened.empty());
}

TEST_F(Export, WithoutASpreadsheetProgramNoWorkbookIsLeftBehind) {
    QDesktopServices::unsetUrlHandler(QStringLiteral("file")); // nothing opens it offscreen
    EXPECT_TRUE(window->Diagram().gridRegister->ExportNachExcel().isEmpty());
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, "Can't start Excel");
    EXPECT_TRUE(QDir(dir.filePath("TOVAK-Export")).entryList(QDir::Files).isEmpty());
}

// The memory grid offers the window's five entries only; the register grid, which has no menu
// of the window, keeps the grid's own.
TEST_F(Export, EachGridHasItsOwnPopup) {
    auto captions = [](const QMenu* menu) {
        QStringList texts;
        for (const QAction* item : menu->actions()) {
            texts << (item->isSeparator() ? QStringLiteral("-") : item->text());
        }
        return texts;
    };
    const QMenu* speicher = window->Diagram().gridSpeicher->ContextMenu();
    EXPECT_EQ(speicher->objectName(), "GridPopupMenu");
    EXPECT_EQ(captions(speicher),
              QStringList({QString::fromUtf8("Befehl einfügen"),
                           QString::fromUtf8("Befehl löschen"), "-", "Export in die Zwischenablage",
                           "-", QString::fromUtf8("Anspassen der Höhe")}));
    EXPECT_EQ(captions(window->Diagram().gridRegister->ContextMenu()),
              QStringList({"Spaltenbreite optimieren", "-", "Export nach Excel"}));
}

} // namespace
} // namespace tovak::test

#include "ExportTest.moc"
