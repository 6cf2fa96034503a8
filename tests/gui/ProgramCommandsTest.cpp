// Starting over, the resets, inserting and deleting cells, the clipboard export and the
// printed listing, as the menus, toolbar and memory popup offer them.
#include "GuiFixture.h"

#include "mainwindow/ListingPrinter.h"
#include "widgets/OroGrid.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>

namespace tovak::test {
namespace {

class ProgramCommands : public GuiTest {
protected:
    QStringList Copies() const {
        return QDir(window->BackupDir())
            .entryList({QStringLiteral("Temp*.CPU")}, QDir::Files, QDir::Name);
    }
    // The example program: 65 5, 67 3 from address 0.
    void Beispiel() {
        TRAM& ram = window->Speicher();
        ram.SetCell(65, 0, 65, true);
        ram.SetCell(0, 1, 5, false);
        ram.SetCell(67, 2, 67, true);
        ram.SetCell(0, 3, 3, false);
    }
    int NonZeroCells() const {
        int n = 0;
        for (int a = 0; a < TRAM::kMaxCount; ++a) {
            n += window->Speicher().GetValue(a) != 0 ? 1 : 0;
        }
        return n;
    }
    void SelectRow(int row) { window->GridSpeicher()->SetRow(row); }
    QStringList Captions(const char* menu) const {
        QStringList names;
        for (QAction* a : Control<QMenu>(menu)->actions()) {
            names << (a->objectName().isEmpty() ? a->text() : a->objectName());
        }
        return names;
    }
    // Pages of a PDF written by Qt: one page object each.
    static int PdfPages(const QString& file) {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? static_cast<int>(f.readAll().count("/Type /Page\n"))
                                           : -1;
    }
};

TEST_F(ProgramCommands, MenusToolbarAndPopupHoldTheItemsInOrder) {
    EXPECT_EQ(
        Captions("Datei1").mid(0, 9),
        QStringList({"MnNeu", "MnOeffnen", "MnSpeichern", "MnSpeichernUnter", "N1", "MnDrucken",
                     "MnDruckereinrichtung", "MnExportCommandsToClipboard", "N2"}));
    EXPECT_EQ(Captions("Datei1").mid(Captions("Datei1").indexOf("N7")),
              QStringList({"N7", "MnBeenden"}));
    EXPECT_FALSE(Control<QAction>("MnDrucken")->isVisible());
    EXPECT_FALSE(Control<QAction>("MnDruckereinrichtung")->isVisible());
    const QStringList ansicht = Captions("MainAnsicht");
    EXPECT_EQ(ansicht.indexOf("MnShowBefehlsfenster") + 1, ansicht.indexOf("MnShowAusgabefenster"));
    EXPECT_EQ(ansicht.indexOf("N8") + 1, ansicht.indexOf("MnShowBefehlsfenster"));
    EXPECT_EQ(Captions("MainBearbeiten"), QStringList({"MnSpeicherReset", "MnRegisterReset"}));
    QStringList bar;
    for (QAction* a : window->menuBar()->actions()) {
        bar << a->text();
    }
    EXPECT_EQ(bar.indexOf("&Reset"), bar.indexOf("&Befehle") + 1);
    EXPECT_EQ(bar.indexOf("&Start"), bar.indexOf("&Reset") + 1);
    const QStringList popup = Captions("GridPopupMenu");
    EXPECT_EQ(popup.mid(0, 4),
              QStringList({"LkBefehlEinfuegen", "LkBefehlLoeschen", "N12", "LkExportToClipboard"}));
    EXPECT_EQ(popup.mid(popup.indexOf("N13")), QStringList({"N13", "LkResizeRam"}));

    struct Knopf {
        const char* name;
        int left;
        const char* hint;
    };
    for (const Knopf& k : {Knopf{"BnNew", 40, ""}, Knopf{"BnSpeicherReset", 116, "Speicher-Reset"},
                           Knopf{"BnRegisterReset", 148, "Register-Reset"},
                           Knopf{"BnBefehlsfenster", 904,
                                 "Erzeugt ein Fenster für die einfachere Eingabe von Befehlen"},
                           Knopf{"BnReset", 964, "Halt und IP Auf Null"}}) {
        auto* b = Control<QAbstractButton>(k.name);
        ASSERT_NE(b, nullptr) << k.name;
        EXPECT_EQ(b->geometry().left(), k.left) << k.name;
        EXPECT_EQ(b->toolTip(), QString::fromUtf8(k.hint)) << k.name;
        EXPECT_EQ(b->isVisibleTo(window.get()), std::string(k.name) != "BnReset") << k.name;
    }
    EXPECT_FALSE(Control<QToolButton>("BnSpeicherReset")->icon().isNull());
    EXPECT_EQ(Control<QPushButton>("BnBefehlsfenster")->text(), "Befehle");
}

TEST_F(ProgramCommands, InsertLosesCell3999DeleteEmptiesItAndWritesACopy) {
    TRAM& ram = window->Speicher();
    ram.SetCell(451, 3999, 451, true);
    ram.SetCell(0, 5, 11, false);
    ram.SetCell(0, 6, 12, false);
    SelectRow(4000);
    Control<QAction>("LkBefehlEinfuegen")->trigger();
    EXPECT_EQ(ram.GetValue(3999), 0);
    EXPECT_FALSE(ram.IstBefehl(3999));
    EXPECT_EQ(window->GridSpeicher()->CellText(2, 4000), "0");
    EXPECT_TRUE(Copies().isEmpty());

    ram.SetCell(451, 3999, 451, true);
    SelectRow(6);
    Control<QAction>("LkBefehlLoeschen")->trigger();
    EXPECT_EQ(ram.GetValue(5), 12);
    EXPECT_EQ(window->GridSpeicher()->CellText(2, 6), "12");
    EXPECT_EQ(ram.GetValue(3998), 451);
    EXPECT_EQ(ram.GetValue(3999), 0);
    EXPECT_EQ(Copies(), QStringList({"Temp01.CPU"}));

    // Not during a run.
    window->SetEditMode(false);
    Control<QAction>("LkBefehlEinfuegen")->trigger();
    Control<QAction>("LkBefehlLoeschen")->trigger();
    EXPECT_EQ(ram.GetValue(5), 12);
    EXPECT_EQ(Copies().size(), 1);
}

TEST_F(ProgramCommands, NewLeavesAnEmptyMachineWithoutNameOrCopies) {
    Beispiel();
    window->Register().SetValue(3, 5);
    window->Register().SetName(3, "Ergebnis");
    window->MemoRemark()->setPlainText("Summe");
    ASSERT_TRUE(window->SaveProgramFile(dir.filePath("alt.CPU")));
    window->Encoder().BefehlInSpeicher(451, 0);
    window->MnProgrammstartClick();
    ASSERT_FALSE(Copies().isEmpty());

    Control<QToolButton>("BnNew")->click();
    EXPECT_EQ(window->windowTitle(), "");
    EXPECT_TRUE(window->FileName().isEmpty());
    EXPECT_TRUE(Copies().isEmpty());
    EXPECT_EQ(window->BackupCounter(), 0);
    EXPECT_EQ(NonZeroCells(), 0);
    EXPECT_EQ(window->GridSpeicher()->CellText(2, 1), "0");
    EXPECT_EQ(window->GridSpeicher()->Row(), 1);
    EXPECT_EQ(window->Register().GetValue(3), 0);
    EXPECT_EQ(window->Register().GetName(3), "");
    EXPECT_TRUE(window->MemoRemark()->toPlainText().isEmpty());
    EXPECT_EQ(window->Steuerwerk().GetIP(), 0);
    EXPECT_FALSE(ClockOn());
    EXPECT_TRUE(window->TimerBackup()->isActive());

    int asked = 0;
    window->SetFileDialogs({}, [&] {
        ++asked;
        return QString();
    });
    window->MnSpeichernClick();
    EXPECT_EQ(asked, 1);
}

TEST_F(ProgramCommands, MemoryResetAsksRegisterResetKeepsNames) {
    Beispiel();
    window->Register().SetValue(3, 5);
    window->Register().SetName(3, "Ergebnis");
    SelectRow(3);
    boxes.answer = false;
    Control<QToolButton>("BnSpeicherReset")->click();
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].kind, "question");
    EXPECT_EQ(boxes.boxes[0].caption, "Löschen des Speichers");
    EXPECT_EQ(boxes.boxes[0].text, "Wollen Sie wirklich den Speicher löschen?");
    EXPECT_EQ(NonZeroCells(), 4);
    EXPECT_EQ(window->GridSpeicher()->Row(), 3);

    boxes.answer = true;
    Control<QAction>("MnSpeicherReset")->trigger();
    EXPECT_EQ(NonZeroCells(), 0);
    EXPECT_EQ(window->GridSpeicher()->CellText(2, 1), "0");
    EXPECT_EQ(window->GridSpeicher()->Row(), 1);
    EXPECT_EQ(window->Register().GetValue(3), 5);

    Control<QToolButton>("BnRegisterReset")->click();
    EXPECT_EQ(window->Register().GetValue(3), 0);
    EXPECT_EQ(window->Register().GetName(3), "Ergebnis");
    EXPECT_EQ(window->GridRegister()->CellText(2, 4), "Ergebnis");
}

TEST_F(ProgramCommands, ExportPutsTheListingOnTheClipboard) {
    Beispiel();
    const QString expected = QStringLiteral(" Adr\t Hex-Wert\t Befehl / Daten\r\n"
                                            " 000\t 0x0041\tMove Akku, Konstante\r\n"
                                            " 001\t 0x0005\t5\r\n"
                                            " 002\t 0x0043\tMove Reg, Akku\r\n"
                                            " 003\t 0x0003\t3");
    for (const char* item : {"MnExportCommandsToClipboard", "LkExportToClipboard"}) {
        QGuiApplication::clipboard()->clear();
        Control<QAction>(item)->trigger();
        EXPECT_EQ(QGuiApplication::clipboard()->text(), expected) << item;
    }
}

TEST_F(ProgramCommands, PrintingRendersTheListingAsOneJob) {
    Beispiel();
    const QString pdf = dir.filePath("liste.pdf");
    bool answer = false;
    window->SetPrintDialog([&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return answer;
    });
    window->MnDruckenClick();
    EXPECT_FALSE(QFile::exists(pdf)); // cancelled

    answer = true;
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window.get(), Qt::Key_P, Qt::ControlModifier); // the hidden item's key
    EXPECT_EQ(PdfPages(pdf), 1);
    EXPECT_TRUE(boxes.boxes.empty());

    // A long listing goes on over several pages of the same job.
    ProgramListing listing = MakeProgramListing(window->Speicher(), "lang");
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
