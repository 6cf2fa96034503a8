// A learner's work is never lost without a question: the change mark in the title, the
// question before "Neu", opening and closing, a failed open that leaves the program alone,
// backups kept and offered again, and each running instance with copies of its own.
#include "GuiFixture.h"

#include "mainwindow/BackupSession.h"
#include "widgets/OroGrid.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QMenu>
#include <QPlainTextEdit>

namespace tovak::test {
namespace {

class KeepWork : public GuiTest {
protected:
    static QByteArray Content(const QString& file) {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // Closing as the close box does; true when the window let itself be closed.
    bool Close() {
        QCloseEvent event;
        QApplication::sendEvent(window.get(), &event);
        return event.isAccepted();
    }
    bool Marked() { return window->Document().IsModified() && window->windowTitle().endsWith('*'); }
    std::vector<std::string> Questions() const {
        std::vector<std::string> texts;
        for (const RecordedBox& box : boxes.boxes) {
            texts.push_back(box.kind + ": " + box.caption + ": " + box.text);
        }
        return texts;
    }
    void Restart() {
        window.reset();
        window = std::make_unique<TFMain>(800);
    }
    const std::string kFrage = "question3: Rechner-Simulation: Das Programm wurde geändert. Sollen "
                               "die Änderungen gespeichert werden?";
};

TEST_F(KeepWork, ChangesMarkTheTitleAndEveryCommandThatDropsThemAsks) {
    const QString summe = Programm("Summe.CPU", kSchleife);
    Laden(summe);
    const QString titel = QString::fromUtf8("Rechner-Simulation für Windows: ") + summe;
    EXPECT_EQ(window->windowTitle(), titel);
    EXPECT_FALSE(Marked());
    window->MnNeuClick(); // nothing changed: nothing asked
    EXPECT_TRUE(boxes.boxes.empty());

    // Every kind of change counts: an instruction, the remarks, a register, a run.
    const std::vector<std::function<void()>> changes = {
        [&] { window->Machine().Encoder().BefehlInSpeicher(451, 0); },
        [&] { window->Diagram().memoRemark->setPlainText(QString::fromUtf8("Übung")); },
        [&] { window->Machine().Units().reg.SetValue(4, 9); },
        [&] {
            window->Machine().Encoder().BefehlInSpeicher(65, 7);
            window->Machine().Encoder().BefehlInSpeicher(67, 2); // the run writes register 2
            ASSERT_TRUE(window->Document().SaveTo(dir.filePath("lauf.CPU")));
            EXPECT_FALSE(Marked());
            window->MnProgrammstartClick();
            TicksUntilStop();
        },
    };
    for (std::size_t i = 0; i < changes.size(); ++i) {
        window->MnNeuClick();
        changes[i]();
        EXPECT_TRUE(Marked()) << i;
    }
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8("Rechner-Simulation für Windows: ") +
                                         dir.filePath("lauf.CPU") + '*');

    // "Abbrechen" changes nothing, whichever command asked.
    boxes.boxes.clear();
    boxes.threeWay = Antwort::Abbrechen;
    window->MnNeuClick();
    window->Hooks().askOpen = [] { return QStringLiteral("/nicht/gefragt.CPU"); };
    window->Hooks().askSave = nullptr;
    window->MnOeffnenClick();
    window->findChild<QMenu*>("MnBeispielprogramme")->actions().first()->trigger();
    EXPECT_FALSE(Close());
    EXPECT_EQ(Questions(), std::vector<std::string>(4, kFrage));
    EXPECT_EQ(window->Machine().Units().reg.GetValue(2), 7);
    EXPECT_TRUE(Marked());

    // "&Ja" saves first, under the program's name, and goes on.
    boxes.threeWay = Antwort::Ja;
    window->MnNeuClick();
    EXPECT_EQ(window->Document().FileName(), "");
    EXPECT_NE(Content(dir.filePath("lauf.CPU")).indexOf("3 Anzahl Register\r\n"), -1);
    // Without a name it asks for one; a cancelled dialog calls the command off.
    window->Machine().Units().reg.SetValue(5, 1);
    window->Hooks().askOpen = nullptr;
    window->Hooks().askSave = [] { return QString(); };
    EXPECT_FALSE(Close());
    EXPECT_TRUE(Marked());
    window->Hooks().askOpen = nullptr;
    window->Hooks().askSave = [&] { return dir.filePath("neu.CPU"); };
    EXPECT_TRUE(Close());
    EXPECT_TRUE(QFile::exists(dir.filePath("neu.CPU")));
    EXPECT_FALSE(Marked());

    // "&Nein" lets the changes go.
    boxes.threeWay = Antwort::Nein;
    const QByteArray gespeichert = Content(dir.filePath("neu.CPU"));
    window->Machine().Units().reg.SetValue(5, 2);
    EXPECT_TRUE(Close());
    EXPECT_EQ(Content(dir.filePath("neu.CPU")), gespeichert);
}

TEST_F(KeepWork, AFailedOpenLeavesTheProgramAndItsFileAsTheyWere) {
    const QString gut = Programm("gut.CPU", kSchleife);
    Laden(gut);
    window->Diagram().memoRemark->setPlainText("Bemerkung");
    ASSERT_TRUE(window->Document().Save());
    const QByteArray inhalt = Content(gut);
    const QString titel = window->windowTitle();

    // Read far enough to replace memory and remarks, then a register value out of range.
    QFile kaputt(dir.filePath("kaputt.CPU"));
    ASSERT_TRUE(kaputt.open(QIODevice::WriteOnly));
    kaputt.write("5  Version\r\n1\r\nfremd\r\n1 Anzahl RAM\r\n1\t139\tInc Akku\r\n"
                 "1 Anzahl Register\r\n1\t70000\t\r\n");
    kaputt.close();
    window->Hooks().askOpen = [&] { return kaputt.fileName(); };
    window->Hooks().askSave = nullptr;
    window->MnOeffnenClick();
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, "Fehler bei Bereichsprüfung");
    EXPECT_EQ(window->windowTitle(), titel);
    EXPECT_EQ(window->Diagram().memoRemark->toPlainText(), "Bemerkung");
    EXPECT_EQ(window->Diagram().gridSpeicher->CellText(2, 1), "Move Akku, Konstante");
    EXPECT_FALSE(window->Document().IsModified());
    window->MnSpeichernClick();
    EXPECT_EQ(Content(gut), inhalt);

    // Characters the file cannot hold: said before the save, which the learner may call off.
    boxes.boxes.clear();
    window->Diagram().memoRemark->setPlainText(QString::fromUtf8("Smiley ☺ und ☺, Euro €"));
    window->MnSpeichernClick();
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].caption, "Hinweis");
    EXPECT_NE(boxes.boxes[0].text.find("„☺“\n"), std::string::npos) << boxes.boxes[0].text;
    EXPECT_EQ(boxes.boxes[0].text.find("€"), std::string::npos);
    EXPECT_EQ(Content(gut), inhalt);
    boxes.answer = true;
    window->MnSpeichernClick();
    EXPECT_NE(Content(gut).indexOf("Smiley ? und ?, Euro \x80"), -1);
}

TEST_F(KeepWork, CopiesOfUnsavedWorkAreKeptAndOfferedOnceAtTheNextStart) {
    const QString kept = window->Backups().Dir() + QStringLiteral("Vorherige Sitzung/");
    // Saved after the last copy: "Neu" deletes the copies.
    window->Machine().Encoder().BefehlInSpeicher(451, 0);
    ASSERT_TRUE(window->Document().SaveTo(dir.filePath("a.CPU")));
    window->MnNeuClick();
    EXPECT_TRUE(Copies().isEmpty());
    EXPECT_TRUE(Copies(kept).isEmpty());
    // Not saved: kept aside, by "Neu" as by opening.
    window->Machine().Encoder().BefehlInSpeicher(65, 1);
    window->Machine().Encoder().BefehlInSpeicher(65, 2);
    window->MnNeuClick();
    EXPECT_EQ(Copies(kept), QStringList({"Temp01.CPU", "Temp02.CPU"}));
    window->Machine().Encoder().BefehlInSpeicher(65, 3);
    Laden(dir.filePath("a.CPU"));
    EXPECT_EQ(Copies(kept), QStringList({"Temp01.CPU"}));
    EXPECT_TRUE(Copies().isEmpty());

    // The program ends with unsaved changes (killed, or "&Nein" when closing).
    window->Machine().Encoder().BefehlInSpeicher(65, 4);
    window->Machine().Encoder().BefehlInSpeicher(139, 0);
    Restart();
    EXPECT_EQ(Copies(kept), QStringList({"Temp01.CPU", "Temp02.CPU"}));
    boxes.boxes.clear();
    boxes.answer = true;
    ASSERT_TRUE(window->Document().OfferRecovery());
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, "Die letzte Sitzung wurde mit ungesicherten Änderungen "
                                   "beendet. Letzte Sicherungskopie öffnen?");
    EXPECT_EQ(window->Diagram().gridSpeicher->CellText(2, 3), "Inc Akku");
    EXPECT_EQ(window->Document().FileName(), "");
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8("Rechner-Simulation für Windows*"));
    EXPECT_FALSE(window->Document().OfferRecovery()); // once
    EXPECT_EQ(boxes.boxes.size(), 1u);

    // Saved before the end, or no copy since the save: nothing to offer.
    window->Backups().Write();
    ASSERT_TRUE(window->Document().SaveTo(dir.filePath("b.CPU")));
    Restart();
    EXPECT_FALSE(window->Document().OfferRecovery());
    window->Backups().Write();
    Restart();
    EXPECT_FALSE(window->Document().OfferRecovery());
    EXPECT_EQ(boxes.boxes.size(), 1u);
}

TEST_F(KeepWork, TwoInstancesKeepTheirCopiesApart) {
    const QString first = window->Backups().Dir();
    window->Machine().Encoder().BefehlInSpeicher(65, 1);
    auto second = std::make_unique<TFMain>(800);
    EXPECT_EQ(second->Backups().Dir(), first + QStringLiteral("Instanz 2/"));
    EXPECT_EQ(second->Backups().Instance(), 2);
    EXPECT_EQ(Copies(first), QStringList({"Temp01.CPU"})); // not moved away by the start
    second->Machine().Encoder().BefehlInSpeicher(65, 2);
    second->MnNeuClick();
    second->Machine().Encoder().BefehlInSpeicher(65, 3);
    EXPECT_EQ(Copies(first), QStringList({"Temp01.CPU"}));
    EXPECT_TRUE(Content(first + "Temp01.CPU").contains("1\t65\tMove Akku, Konstante\r\n2\t1\t"));

    // A third instance while both run, the first folder again once the first has ended.
    EXPECT_EQ(TFMain(800).Backups().Dir(), first + QStringLiteral("Instanz 3/"));
    window.reset();
    window = std::make_unique<TFMain>(800);
    EXPECT_EQ(window->Backups().Dir(), first);
    EXPECT_EQ(Copies(second->Backups().Dir()), QStringList({"Temp01.CPU"}));
    // The first instance's unsaved copy is offered to the one that follows it.
    boxes.boxes.clear();
    EXPECT_FALSE(window->Document().OfferRecovery());
    EXPECT_EQ(boxes.boxes.size(), 1u);
}

} // namespace
} // namespace tovak::test
