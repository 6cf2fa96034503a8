// Exercises in the window: the pane with the check of the program in memory, a failed test's
// inputs for the number input, the check of a class's submissions, and the PDF listing.
#include "GuiFixture.h"

#include "aufgaben/Abgaben.h"
#include "files/DateiTestHilfen.h"
#include "mainwindow/AbgabenDialog.h"
#include "mainwindow/AufgabeBereich.h"
#include "mainwindow/ProgrammlistePdf.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTreeWidget>

namespace tovak::test {
namespace {

const QString kBeispiele = QStringLiteral(TOVAK_EXAMPLES_DIR);

class Aufgaben : public GuiTest {
protected:
    AufgabeBereich& Bereich() { return *window->Actions().Aufgabe(); }
    void Pruefen() {
        QSignalSpy fertig(&Bereich(), &AufgabeBereich::Geprueft);
        window->findChild<QAction*>(QStringLiteral("MnAufgabePruefen"))->trigger();
        ASSERT_TRUE(fertig.wait(60000));
    }
};

TEST_F(Aufgaben, PruefenLaesstDasProgrammUnberuehrtUndEinKlickLaedtDieEingaben) {
    window->LoadStartFile(
        {"tovak", kBeispiele + "/Summe.CPU", kBeispiele + "/aufgaben/SummeBisN.aufgabe"});
    ASSERT_TRUE(Bereich().GeladeneAufgabe().has_value());
    EXPECT_TRUE(Bereich().isVisible());
    EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("AufgabeTitel"))->text(),
              QStringLiteral("Summe von 1 bis n"));
    const Programminhalt vorher = window->ProgrammImSpeicher();
    const int ipVorher = window->Machine().Units().steuerwerk.GetIP();

    Pruefen();
    QTreeWidget* liste = Bereich().Ergebnisse();
    ASSERT_EQ(liste->topLevelItemCount(), 3);
    EXPECT_EQ(liste->topLevelItem(0)->text(0), QStringLiteral("✘ n = 5"));
    EXPECT_EQ(liste->topLevelItem(0)->text(3),
              QStringLiteral("Ausgabe 1: erwartet 15, erhalten 42"));
    EXPECT_EQ(window->ProgrammImSpeicher(), vorher);
    EXPECT_EQ(window->Machine().Units().steuerwerk.GetIP(), ipVorher);
    EXPECT_FALSE(window->Document().IsModified());

    // The failed test's inputs go to the number input, one each time it asks.
    liste->itemClicked(liste->topLevelItem(2), 0);
    EXPECT_EQ(Bereich().NaechsteEingabe(), 100);
    EXPECT_EQ(Bereich().NaechsteEingabe(), -1);

    // With the model solution in memory every test passes.
    window->ProgrammErsetzen(AbgabeLesen((kBeispiele + "/aufgaben/SummeBisN.txt").toStdString()));
    Pruefen();
    for (int i = 0; i < liste->topLevelItemCount(); ++i) {
        EXPECT_TRUE(liste->topLevelItem(i)->text(0).startsWith(QStringLiteral("✔"))) << i;
    }
    window->findChild<QAction*>(QStringLiteral("MnAufgabeSchliessen"))->trigger();
    EXPECT_FALSE(Bereich().isVisible());
    EXPECT_FALSE(window->findChild<QAction*>(QStringLiteral("MnAufgabePruefen"))->isEnabled());
}

TEST_F(Aufgaben, AbgabenPruefenZeigtSortierbarUndExportiert) {
    const QString klasse = dir.filePath(QStringLiteral("klasse"));
    QDir().mkpath(klasse);
    QFile::copy(kBeispiele + "/aufgaben/Quadrate.txt", klasse + "/anna.txt");
    QFile::copy(kBeispiele + "/Summe.CPU", klasse + "/ben.CPU");
    AbgabenDialog dialog(kBeispiele + "/aufgaben/Quadrate.aufgabe", window.get());
    dialog.OrdnerFeld()->setText(klasse);
    QSignalSpy fertig(&dialog, &AbgabenDialog::Fertig);
    dialog.BnPruefen()->click();
    ASSERT_TRUE(fertig.wait(60000));
    const QAbstractItemModel* m = dialog.Tabelle()->model();
    ASSERT_EQ(m->rowCount(), 2);
    EXPECT_EQ(m->index(0, 0).data().toString(), QStringLiteral("anna.txt"));
    EXPECT_EQ(m->index(0, 1).data().toInt(), 2);
    EXPECT_EQ(m->index(1, 5).data().toString(),
              QStringLiteral("3 und 12: Ausgabe 1: erwartet 9, erhalten 42"));
    EXPECT_EQ(dialog.Fortschritt()->value(), 2);
    dialog.Tabelle()->sortByColumn(1, Qt::AscendingOrder);
    EXPECT_EQ(m->index(0, 0).data().toString(), QStringLiteral("ben.CPU"));

    ASSERT_TRUE(dialog.Exportieren(dir.filePath(QStringLiteral("e.csv"))));
    EXPECT_TRUE(DateiInhalt(dir.filePath(QStringLiteral("e.csv")).toStdString())
                    .starts_with("\xEF\xBB\xBF"
                                 "Datei;Bestanden;Tests;Befehle;Takte;Meldung\r\nanna.txt;2;2;"));
    ASSERT_TRUE(dialog.Exportieren(dir.filePath(QStringLiteral("e.xlsx"))));
    EXPECT_TRUE(
        DateiInhalt(dir.filePath(QStringLiteral("e.xlsx")).toStdString()).starts_with("PK"));
}

TEST_F(Aufgaben, ProgrammlisteMitMarkenDatenUndRegistern) {
    const Programminhalt programm =
        AbgabeLesen((kBeispiele + "/aufgaben/Unterbrechungen.txt").toStdString());
    const QStringList zeilen = ProgrammlisteZeilen(programm);
    EXPECT_EQ(zeilen.first(), QStringLiteral("Adr.  Marke  Befehl"));
    EXPECT_TRUE(zeilen.contains(QStringLiteral("0006  M6:    Move Akku, Register Zähler")))
        << zeilen.join('\n').toStdString();
    EXPECT_TRUE(zeilen.contains(QStringLiteral("R2    Grenze = 100")));
    QString fehler;
    const QString pdf = dir.filePath(QStringLiteral("liste.pdf"));
    ASSERT_TRUE(ProgrammlisteAlsPdf(programm, QStringLiteral("Unterbrechungen.txt"), pdf, fehler));
    EXPECT_TRUE(DateiInhalt(pdf.toStdString()).starts_with("%PDF"));
    EXPECT_FALSE(ProgrammlisteAlsPdf(programm, QString(), dir.filePath("fehlt/liste.pdf"), fehler));
    EXPECT_FALSE(fehler.isEmpty());
}

} // namespace
} // namespace tovak::test
