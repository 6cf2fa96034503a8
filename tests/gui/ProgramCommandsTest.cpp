// Starting over, the resets, inserting and deleting cells, the clipboard export and the
// printed listing, as the menus, toolbar and memory popup offer them.
#include "GuiFixture.h"

#include "mainwindow/ListingPrinter.h"
#include "widgets/OroGrid.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QTest>
#include <QToolButton>

namespace tovak::test {
namespace {

class ProgramCommands : public GuiTest {
protected:
    void Beispiel() {
        for (const auto& [a, v, befehl] : {std::tuple{0, 65, true}, std::tuple{1, 5, false},
                                           std::tuple{2, 67, true}, std::tuple{3, 3, false}}) {
            window->Machine().Units().speicher.SetCell(befehl ? v : 0, a, v, befehl);
        }
        window->Machine().Units().reg.SetValue(3, 5);
        window->Machine().Units().reg.SetName(3, "Ergebnis");
    }
    int NonZeroCells() const {
        int n = 0;
        for (int a = 0; a < TRAM::kMaxCount; ++a) {
            n += window->Machine().Units().speicher.GetValue(a) != 0 ? 1 : 0;
        }
        return n;
    }
    // Qt's PDF writer gives every page one page object.
    static qsizetype PdfPages(const QString& file) {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll().count("/Type /Page\n") : -1;
    }
};

TEST_F(ProgramCommands, InsertLosesCell3999DeleteEmptiesItAndWritesACopy) {
    TRAM& ram = window->Machine().Units().speicher;
    ram.SetCell(451, 3999, 451, true);
    ram.SetCell(0, 6, 12, false);
    window->Diagram().gridSpeicher->SetRow(4000);
    Control<QAction>("LkBefehlEinfuegen")->trigger();
    EXPECT_EQ(ram.GetValue(3999), 0);
    EXPECT_EQ(window->Diagram().gridSpeicher->CellText(2, 4000), "0");
    EXPECT_TRUE(Copies().isEmpty());

    ram.SetCell(451, 3999, 451, true);
    window->Diagram().gridSpeicher->SetRow(6);
    Control<QAction>("LkBefehlLoeschen")->trigger();
    EXPECT_EQ(ram.GetValue(5), 12);
    EXPECT_EQ(ram.GetValue(3998), 451);
    EXPECT_EQ(ram.GetValue(3999), 0);
    EXPECT_EQ(Copies(), QStringList({"Temp01.CPU"}));

    window->SetEditMode(false); // not during a run
    Control<QAction>("LkBefehlLoeschen")->trigger();
    EXPECT_EQ(ram.GetValue(5), 12);
}

TEST_F(ProgramCommands, NewLeavesAnEmptyMachineWithoutNameOrCopies) {
    Beispiel();
    window->Diagram().memoRemark->setPlainText("Summe");
    ASSERT_TRUE(window->Document().SaveTo(dir.filePath("alt.CPU")));
    window->Backups().Write();
    window->MnProgrammstartClick();

    Control<QToolButton>("BnNew")->click();
    EXPECT_EQ(window->windowTitle(), "");
    EXPECT_TRUE(window->Document().FileName().isEmpty());
    EXPECT_TRUE(Copies().isEmpty());
    EXPECT_EQ(NonZeroCells(), 0);
    EXPECT_EQ(window->Diagram().gridSpeicher->CellText(2, 1), "0");
    EXPECT_EQ(window->Machine().Units().reg.GetValue(3), 0);
    EXPECT_EQ(window->Machine().Units().reg.GetName(3), "");
    EXPECT_TRUE(window->Diagram().memoRemark->toPlainText().isEmpty());
    EXPECT_FALSE(ClockOn());

    int asked = 0;
    window->Hooks().askOpen = nullptr;
    window->Hooks().askSave = [&] { return ++asked, QString(); };
    window->MnSpeichernClick();
    EXPECT_EQ(asked, 1);
}

TEST_F(ProgramCommands, MemoryResetAsksRegisterResetKeepsNames) {
    Beispiel();
    window->Diagram().gridSpeicher->SetRow(3);
    Control<QToolButton>("BnSpeicherReset")->click(); // answered "&Nein"
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].kind + boxes.boxes[0].caption + boxes.boxes[0].text,
              "questionLöschen des SpeichersWollen Sie wirklich den Speicher löschen?");
    EXPECT_EQ(NonZeroCells(), 4);
    EXPECT_EQ(window->Diagram().gridSpeicher->Row(), 3);

    boxes.answer = true;
    Control<QAction>("MnSpeicherReset")->trigger();
    EXPECT_EQ(NonZeroCells(), 0);
    EXPECT_EQ(window->Diagram().gridSpeicher->Row(), 1);
    EXPECT_EQ(window->Machine().Units().reg.GetValue(3), 5);

    Control<QToolButton>("BnRegisterReset")->click();
    EXPECT_EQ(window->Machine().Units().reg.GetValue(3), 0);
    EXPECT_EQ(window->Diagram().gridRegister->CellText(2, 4), "Ergebnis");
}

TEST_F(ProgramCommands, ExportPutsTheListingOnTheClipboard) {
    Beispiel();
    for (const char* item : {"MnExportCommandsToClipboard", "LkExportToClipboard"}) {
        QGuiApplication::clipboard()->clear();
        Control<QAction>(item)->trigger();
        EXPECT_EQ(QGuiApplication::clipboard()->text(),
                  " Adr\t Hex-Wert\t Befehl / Daten\r\n 000\t 0x0041\tMove Akku, Konstante\r\n"
                  " 001\t 0x0005\t5\r\n 002\t 0x0043\tMove Reg, Akku\r\n 003\t 0x0003\t3")
            << item;
    }
}

TEST_F(ProgramCommands, PrintingRendersTheListingAsOneJob) {
    Beispiel();
    const QString pdf = dir.filePath("liste.pdf");
    bool answer = false;
    window->Hooks().askPrint = [&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return answer;
    };
    window->MnDruckenClick();
    EXPECT_FALSE(QFile::exists(pdf)); // cancelled
    answer = true;
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window.get(), Qt::Key_P, Qt::ControlModifier); // the hidden item's key
    EXPECT_EQ(PdfPages(pdf), 1);
    EXPECT_TRUE(boxes.boxes.empty());
    window->Document().Printer().setOutputFileName(dir.filePath("fehlt/liste.pdf"));
    EXPECT_FALSE(window->Document().PrintListing("")); // reported, not taken for printed
    EXPECT_EQ(boxes.boxes.size(), 1u);

    ProgramListing listing = MakeProgramListing(window->Machine().Units().speicher, "lang");
    listing.entries.resize(300, listing.entries.back());
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("lang.pdf"));
    const int pages = PrintListing(printer, listing, "lang");
    EXPECT_GT(pages, 1);
    EXPECT_EQ(PdfPages(dir.filePath("lang.pdf")), pages);
}

} // namespace
} // namespace tovak::test
