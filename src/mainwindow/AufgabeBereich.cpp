#include "mainwindow/AufgabeBereich.h"

#include "mainwindow/DataFolder.h"
#include "mainwindow/ErrorDisplay.h"
#include "util/MessageBoxes.h"

#include <QAction>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTextBrowser>
#include <QThread>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <exception>

namespace tovak {

namespace {

enum Spalte { SpalteTest, SpalteBefehle, SpalteTakte, SpalteMeldung };

QString Text(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

AufgabeBereich::AufgabeBereich(std::function<Programminhalt()> programm, QWidget* parent)
    : QDockWidget(QStringLiteral("Aufgabe"), parent), programm_(std::move(programm)) {
    setObjectName(QStringLiteral("AufgabeBereich"));
    setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
    auto* inhalt = new QWidget(this);
    auto* layout = new QVBoxLayout(inhalt);
    titel_ = new QLabel(inhalt);
    titel_->setObjectName(QStringLiteral("AufgabeTitel"));
    titel_->setWordWrap(true);
    QFont gross = titel_->font();
    gross.setBold(true);
    gross.setPointSizeF(gross.pointSizeF() * 1.25);
    titel_->setFont(gross);
    text_ = new QTextBrowser(inhalt);
    text_->setObjectName(QStringLiteral("AufgabeText"));
    stand_ = new QLabel(inhalt);
    stand_->setObjectName(QStringLiteral("AufgabeStand"));
    stand_->setWordWrap(true);
    ergebnisse_ = new QTreeWidget(inhalt);
    ergebnisse_->setObjectName(QStringLiteral("AufgabeErgebnisse"));
    ergebnisse_->setRootIsDecorated(false);
    ergebnisse_->setHeaderLabels({QStringLiteral("Test"), QStringLiteral("Befehle"),
                                  QStringLiteral("Takte"), QStringLiteral("Meldung")});
    ergebnisse_->setToolTip(
        QStringLiteral("Ein Klick auf einen gescheiterten Test übernimmt seine Eingaben"));
    hinweis_ = new QLabel(inhalt);
    hinweis_->setObjectName(QStringLiteral("AufgabeHinweis"));
    hinweis_->setWordWrap(true);
    layout->addWidget(titel_);
    layout->addWidget(text_, 2);
    layout->addWidget(stand_);
    layout->addWidget(ergebnisse_, 3);
    layout->addWidget(hinweis_);
    setWidget(inhalt);
    connect(ergebnisse_, &QTreeWidget::itemClicked, this, &AufgabeBereich::TestGewaehlt);
    connect(ergebnisse_, &QTreeWidget::itemActivated, this, &AufgabeBereich::TestGewaehlt);
    hide();
}

AufgabeBereich::~AufgabeBereich() {
    // The check works on its own copies; it only has to end before they go.
    if (lauf_ != nullptr) {
        lauf_->wait();
    }
}

void AufgabeBereich::CreateMenu(QMenuBar* bar) {
    QMenu* menu = bar->addMenu(QStringLiteral("A&ufgabe"));
    menu->setObjectName(QStringLiteral("MnAufgabe"));
    QAction* oeffnen = menu->addAction(QStringLiteral("Aufgabe ö&ffnen..."));
    oeffnen->setObjectName(QStringLiteral("MnAufgabeOeffnen"));
    oeffnen->setStatusTip(QStringLiteral("Eine Aufgabe mit Tests (.aufgabe) öffnen"));
    connect(oeffnen, &QAction::triggered, this, [this] {
        QString start = DialogFolder();
        if (QFileInfo(start + QStringLiteral("/aufgaben")).isDir()) {
            start += QStringLiteral("/aufgaben");
        }
        const QString datei =
            QFileDialog::getOpenFileName(parentWidget(), QStringLiteral("Aufgabe öffnen"), start,
                                         QStringLiteral("Aufgaben (*.aufgabe);;Alle Dateien (*)"));
        if (!datei.isEmpty()) {
            Oeffnen(datei);
        }
    });
    mnPruefen_ = menu->addAction(QStringLiteral("&Prüfen"));
    mnPruefen_->setObjectName(QStringLiteral("MnAufgabePruefen"));
    mnPruefen_->setShortcut(QKeySequence(Qt::Key_F6));
    mnPruefen_->setShortcutContext(Qt::ApplicationShortcut);
    mnPruefen_->setStatusTip(QStringLiteral("Alle Tests der Aufgabe mit dem Programm im Speicher"));
    connect(mnPruefen_, &QAction::triggered, this, &AufgabeBereich::Pruefen);
    mnSchliessen_ = menu->addAction(QStringLiteral("Aufgabe &schließen"));
    mnSchliessen_->setObjectName(QStringLiteral("MnAufgabeSchliessen"));
    connect(mnSchliessen_, &QAction::triggered, this, &AufgabeBereich::Schliessen);
    menu->addSeparator();
    abgabenItem_ = menu->addAction(QStringLiteral("&Abgaben prüfen..."));
    abgabenItem_->setObjectName(QStringLiteral("MnAbgabenPruefen"));
    abgabenItem_->setStatusTip(
        QStringLiteral("Alle Abgaben einer Klasse mit einer Aufgabe prüfen"));
    MenueAnpassen();
}

bool AufgabeBereich::Oeffnen(const QString& datei) {
    try {
        aufgabe_ = AufgabeLaden(datei.toStdString());
    } catch (const std::exception& e) {
        ShowErrorBox("Fehler", QFileInfo(datei).fileName().toStdString() + ": " + e.what());
        return false;
    }
    datei_ = QFileInfo(datei).absoluteFilePath();
    eingaben_.clear();
    titel_->setText(aufgabe_->titel.empty() ? QFileInfo(datei).completeBaseName()
                                            : Text(aufgabe_->titel));
    text_->setPlainText(Text(aufgabe_->text));
    stand_->setText(QStringLiteral("%1 Tests. Prüfen mit F6.").arg(aufgabe_->tests.size()));
    ergebnisse_->clear();
    hinweis_->clear();
    if (isHidden()) {
        // The pane takes its room beside the machine, not from it, where the screen allows.
        constexpr int kBreite = 460;
        auto* fenster = qobject_cast<QMainWindow*>(parentWidget());
        if (fenster != nullptr && !fenster->isMaximized() && fenster->screen() != nullptr) {
            const int frei =
                fenster->screen()->availableGeometry().right() - fenster->frameGeometry().right();
            fenster->resize(fenster->width() + std::clamp(frei, 0, kBreite), fenster->height());
        }
        show();
        if (fenster != nullptr) {
            fenster->resizeDocks({this}, {kBreite}, Qt::Horizontal);
        }
    }
    MenueAnpassen();
    return true;
}

void AufgabeBereich::Pruefen() {
    if (!aufgabe_ || lauf_ != nullptr) {
        return;
    }
    // The check runs on copies: the program as it is now, the exercise as it was opened.
    auto ergebnisse = std::make_shared<std::vector<TestErgebnis>>();
    auto fehler = std::make_shared<std::string>();
    lauf_ = QThread::create([aufgabe = *aufgabe_, programm = programm_(), ergebnisse, fehler] {
        try {
            *ergebnisse = TestsAusfuehren(aufgabe, programm);
        } catch (const std::exception& e) {
            *fehler = e.what();
        }
    });
    connect(lauf_, &QThread::finished, this, [this, ergebnisse, fehler] {
        lauf_->deleteLater();
        lauf_ = nullptr;
        MenueAnpassen();
        if (!fehler->empty()) {
            ShowErrorBox("Fehler", *fehler);
            return;
        }
        Zeigen(*ergebnisse);
        emit Geprueft();
    });
    stand_->setText(QStringLiteral("Prüfe …"));
    MenueAnpassen();
    lauf_->start();
}

void AufgabeBereich::Zeigen(const std::vector<TestErgebnis>& ergebnisse) {
    ergebnisse_->clear();
    eingaben_.clear();
    hinweis_->clear();
    int bestanden = 0;
    for (std::size_t i = 0; i < ergebnisse.size() && i < aufgabe_->tests.size(); ++i) {
        const TestErgebnis& e = ergebnisse[i];
        bestanden += e.bestanden ? 1 : 0;
        auto* item = new QTreeWidgetItem(ergebnisse_);
        item->setText(SpalteTest, (e.bestanden ? QStringLiteral("✔ ") : QStringLiteral("✘ ")) +
                                      Text(aufgabe_->tests[i].name));
        item->setForeground(SpalteTest, e.bestanden ? QColor(0, 128, 0) : QColor(192, 0, 0));
        item->setText(SpalteMeldung, e.bestanden ? QStringLiteral("bestanden") : Text(e.meldung));
        item->setToolTip(SpalteMeldung, item->text(SpalteMeldung));
        item->setText(SpalteBefehle, QString::number(e.befehle));
        item->setText(SpalteTakte, QString::number(e.takte));
        item->setTextAlignment(SpalteBefehle, Qt::AlignRight | Qt::AlignVCenter);
        item->setTextAlignment(SpalteTakte, Qt::AlignRight | Qt::AlignVCenter);
        item->setData(SpalteTest, Qt::UserRole, static_cast<int>(i));
        item->setData(SpalteMeldung, Qt::UserRole, e.bestanden);
    }
    for (int s : {SpalteTest, SpalteBefehle, SpalteTakte, SpalteMeldung}) {
        ergebnisse_->resizeColumnToContents(s);
    }
    const int alle = static_cast<int>(ergebnisse.size());
    stand_->setText(bestanden == alle
                        ? QStringLiteral("Alle %1 Tests bestanden.").arg(alle)
                        : QStringLiteral("%1 von %2 Tests bestanden. Ein Klick auf einen "
                                         "gescheiterten Test übernimmt seine Eingaben.")
                              .arg(bestanden)
                              .arg(alle));
}

void AufgabeBereich::TestGewaehlt(QTreeWidgetItem* item) {
    if (item == nullptr || item->data(SpalteMeldung, Qt::UserRole).toBool() || !aufgabe_) {
        return;
    }
    const auto i = static_cast<std::size_t>(item->data(SpalteTest, Qt::UserRole).toInt());
    if (i >= aufgabe_->tests.size()) {
        return;
    }
    const AufgabenTest& test = aufgabe_->tests[i];
    eingaben_.assign(test.eingabe.begin(), test.eingabe.end());
    QStringList werte;
    for (int w : test.eingabe) {
        werte << QString::number(w);
    }
    QString text =
        QStringLiteral("Test „%1“: %2. ").arg(Text(test.name), item->text(SpalteMeldung));
    text += werte.isEmpty() ? QStringLiteral("Ohne Eingaben. ")
                            : QStringLiteral("Die Zahleneingabe schlägt der Reihe nach %1 vor. ")
                                  .arg(werte.join(QStringLiteral(", ")));
    if (!test.interrupts.empty()) {
        QStringList takte;
        for (std::uint64_t t : test.interrupts) {
            takte << QString::number(t);
        }
        text += QStringLiteral("Interrupt vor Takt %1 (Schaltfläche „Interrupt“). ")
                    .arg(takte.join(QStringLiteral(", ")));
    }
    text += QStringLiteral("Start von 0 (F9) oder Takt für Takt (F8).");
    hinweis_->setText(text);
}

int AufgabeBereich::NaechsteEingabe() {
    if (eingaben_.empty()) {
        return -1;
    }
    const int wert = eingaben_.front();
    eingaben_.pop_front();
    return wert;
}

void AufgabeBereich::Schliessen() {
    aufgabe_.reset();
    datei_.clear();
    eingaben_.clear();
    ergebnisse_->clear();
    hide();
    MenueAnpassen();
}

void AufgabeBereich::MenueAnpassen() {
    if (mnPruefen_ != nullptr) {
        mnPruefen_->setEnabled(aufgabe_.has_value() && lauf_ == nullptr);
        mnSchliessen_->setEnabled(aufgabe_.has_value());
    }
}

} // namespace tovak
