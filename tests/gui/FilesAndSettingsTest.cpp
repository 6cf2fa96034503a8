// Opening and saving programs through the window, and the stored settings.
#include "GuiFixture.h"

#include "mainwindow/Ini.h"
#include "widgets/OroGrid.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QSettings>

namespace tovak::test {
namespace {

using Files = GuiTest;

TEST_F(Files, CommandLineLoadTakesOverNameAndCaption) {
    const QString path = Programm("schleife.CPU", kSchleife);
    window->Machine().Units().reg.SetValue(5, 99);
    Laden(path);
    EXPECT_EQ(window->Document().FileName(), path);
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8("Rechner-Simulation für Windows: ") + path);
    EXPECT_EQ(window->Diagram().gridSpeicher->CellText(2, 1), "Move Akku, Konstante");
    EXPECT_EQ(window->Machine().Units().reg.GetValue(5), 0); // registers reset before reading
    // A missing file is ignored.
    window->LoadStartFile({"tovak", dir.filePath("fehlt.CPU")});
    EXPECT_EQ(window->Document().FileName(), path);
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(Files, SaveAsAndSaveWriteTheMachine) {
    QString antwort = dir.filePath("neu.CPU");
    window->Hooks().askOpen = [&] { return antwort; };
    window->Hooks().askSave = [&] { return antwort; };
    window->Diagram().memoRemark->setPlainText("Summe\nzweier Zahlen");
    window->Machine().Units().speicher.SetCell(65, 0, 65, true);
    window->MnSpeichernClick(); // no name yet: asks
    EXPECT_EQ(window->Document().FileName(), antwort);
    QFile file(antwort);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(
        file.readAll().startsWith("5  Version\r\n2\r\nSumme\r\nzweier Zahlen\r\n1 Anzahl RAM"));
    file.close();

    window->Diagram().memoRemark->clear();
    window->MnSpeichernClick(); // same name, no question
    window->Diagram().memoRemark->setPlainText("anders");
    window->MnOeffnenClick(); // the changed remark is let go: "&Nein"
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].kind, "question3");
    boxes.boxes.clear();
    EXPECT_EQ(window->Diagram().memoRemark->toPlainText(), "");
    EXPECT_EQ(window->Diagram().gridSpeicher->CellText(2, 1), "Move Akku, Konstante");

    // Cancelled dialogs change nothing.
    antwort.clear();
    window->MnSpeichernUnterClick();
    window->MnOeffnenClick();
    EXPECT_TRUE(window->Document().FileName().endsWith("neu.CPU"));
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(Files, OldVersionAndBrokenFilesAreReportedAndNotTakenOver) {
    Laden(Programm("alt.CPU", {{451, "NOP"}}, 4));
    EXPECT_TRUE(window->Document().FileName().isEmpty());
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].caption, "Hinweis");
    EXPECT_NE(boxes.boxes[0].text.find("Version"), std::string::npos);

    const QString kaputt = dir.filePath("kaputt.CPU");
    QFile file(kaputt);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("abc\r\n");
    file.close();
    boxes.boxes.clear();
    EXPECT_FALSE(window->Document().Open(kaputt));
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].caption, "Fehler");
    EXPECT_EQ(boxes.boxes[0].text, "Ungültige numerische Eingabe");
    EXPECT_TRUE(window->Document().FileName().isEmpty());

    boxes.boxes.clear();
    EXPECT_FALSE(window->Document().SaveTo(dir.filePath("gibtsnicht/x.CPU")));
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].caption, "Fehler");
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8("Rechner-Simulation für Windows"));
}

TEST(Settings, DefaultsColoursWrittenBackAndUnreadableValues) {
    QSettings store("KORVALD", "TOVAK");
    store.clear();
    store.sync();
    Ini::Load();
    EXPECT_EQ(Ini::MainDauer(), 100);
    EXPECT_EQ(Ini::BackupTime(), 10000);
    EXPECT_FALSE(Ini::SpeicherMaximal());
    EXPECT_EQ(Ini::LiesZahlInRegister(), 0);
    QSettings after("KORVALD", "TOVAK");
    EXPECT_EQ(after.allKeys().size(), 2);
    EXPECT_EQ(after.value("ColorMovRegAkku").toInt(), 0xFF0000);
    EXPECT_EQ(after.value("ColorMovAkkuReg").toInt(), 0x0000FF);
    EXPECT_EQ(ColorFromBgr(0xFF0000), QColor(Qt::blue));
    EXPECT_EQ(BgrFromColor(QColor(Qt::red)), 0x0000FF);

    Ini::SetMainDauer(500);
    after.setValue("BackupTime", "keine Zahl");
    after.setValue("SpeicherMaximal", 1);
    after.sync();
    Ini::Load();
    EXPECT_EQ(Ini::MainDauer(), 500);
    EXPECT_EQ(Ini::BackupTime(), 10000);
    EXPECT_TRUE(Ini::SpeicherMaximal());

    store.clear();
    store.sync();
    Ini::Load();
}

} // namespace
} // namespace tovak::test
