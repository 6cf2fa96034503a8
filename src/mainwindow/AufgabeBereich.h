// The learner's exercise: its title and text in a pane of the main window, the check of the
// program in memory (on a copy, off the window's thread) with each test's outcome, and the
// inputs of a failed test kept for the number input so that the case can be run step by step.
#pragma once

#include "aufgaben/Aufgabe.h"
#include "aufgaben/TestLauf.h"
#include "files/Programminhalt.h"

#include <QDockWidget>

#include <deque>
#include <functional>
#include <memory>
#include <optional>

class QAction;
class QLabel;
class QMenuBar;
class QTextBrowser;
class QThread;
class QTreeWidget;
class QTreeWidgetItem;

namespace tovak {

class AufgabeBereich final : public QDockWidget {
    Q_OBJECT

public:
    // programm gives the program in memory at the moment of the check.
    AufgabeBereich(std::function<Programminhalt()> programm, QWidget* parent);
    ~AufgabeBereich() override;

    // "A&ufgabe" with its items, added at the end of the menu bar.
    void CreateMenu(QMenuBar* bar);

    // Reads the exercise and shows it; a refused file is reported and changes nothing.
    bool Oeffnen(const QString& datei);
    void Pruefen();
    void Schliessen();

    // The next value a loaded failed test gives the number input, -1 when there is none.
    int NaechsteEingabe();

    const std::optional<Aufgabe>& GeladeneAufgabe() const { return aufgabe_; }
    const QString& Datei() const { return datei_; }
    // "Abgaben prüfen...": the check of a class's submissions, which the window opens.
    QAction* AbgabenItem() const { return abgabenItem_; }
    QTreeWidget* Ergebnisse() const { return ergebnisse_; }
    bool PrueftGerade() const { return lauf_ != nullptr; }

signals:
    void Geprueft();

private:
    void Zeigen(const std::vector<TestErgebnis>& ergebnisse);
    void TestGewaehlt(QTreeWidgetItem* item);
    void MenueAnpassen();

    std::function<Programminhalt()> programm_;
    std::optional<Aufgabe> aufgabe_;
    QString datei_;
    std::deque<int> eingaben_;
    QLabel* titel_ = nullptr;
    QTextBrowser* text_ = nullptr;
    QLabel* stand_ = nullptr;
    QTreeWidget* ergebnisse_ = nullptr;
    QLabel* hinweis_ = nullptr;
    QAction* mnPruefen_ = nullptr;
    QAction* mnSchliessen_ = nullptr;
    QAction* abgabenItem_ = nullptr;
    QThread* lauf_ = nullptr;
};

} // namespace tovak
