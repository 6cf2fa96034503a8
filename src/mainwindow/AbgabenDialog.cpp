#include "mainwindow/AbgabenDialog.h"

#include "aufgaben/Bericht.h"
#include "files/ProgrammText.h"
#include "mainwindow/DataFolder.h"
#include "util/MessageBoxes.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QThread>
#include <QVBoxLayout>

#include <exception>
#include <memory>

namespace tovak {

namespace {

QStandardItem* Zelle(const QString& text) {
    auto* item = new QStandardItem(text);
    item->setEditable(false);
    return item;
}

// Numbers sort as numbers.
QStandardItem* Zahl(std::uint64_t wert) {
    auto* item = new QStandardItem;
    item->setData(static_cast<qulonglong>(wert), Qt::DisplayRole);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    item->setEditable(false);
    return item;
}

} // namespace

AbgabenDialog::AbgabenDialog(const QString& aufgabe, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AbgabenDialog"));
    setWindowTitle(QStringLiteral("Abgaben prüfen"));
    auto* layout = new QVBoxLayout(this);
    auto* felder = new QGridLayout;
    aufgabe_ = new QLineEdit(aufgabe, this);
    aufgabe_->setObjectName(QStringLiteral("EAufgabe"));
    ordner_ = new QLineEdit(this);
    ordner_->setObjectName(QStringLiteral("EOrdner"));
    auto* aufgabeWaehlen = new QPushButton(QStringLiteral("..."), this);
    aufgabeWaehlen->setToolTip(QStringLiteral("Aufgabe wählen"));
    auto* ordnerWaehlen = new QPushButton(QStringLiteral("..."), this);
    ordnerWaehlen->setToolTip(QStringLiteral("Ordner mit den Abgaben wählen"));
    for (QPushButton* knopf : {aufgabeWaehlen, ordnerWaehlen}) {
        knopf->setFixedWidth(knopf->fontMetrics().horizontalAdvance(QStringLiteral("...")) + 24);
    }
    auto* aufgabeLabel = new QLabel(QStringLiteral("&Aufgabe:"), this);
    aufgabeLabel->setBuddy(aufgabe_);
    auto* ordnerLabel = new QLabel(QStringLiteral("&Ordner mit Abgaben:"), this);
    ordnerLabel->setBuddy(ordner_);
    felder->addWidget(aufgabeLabel, 0, 0);
    felder->addWidget(aufgabe_, 0, 1);
    felder->addWidget(aufgabeWaehlen, 0, 2);
    felder->addWidget(ordnerLabel, 1, 0);
    felder->addWidget(ordner_, 1, 1);
    felder->addWidget(ordnerWaehlen, 1, 2);
    layout->addLayout(felder);

    modell_ = new QStandardItemModel(0, 6, this);
    modell_->setHorizontalHeaderLabels({QStringLiteral("Datei"), QStringLiteral("Bestanden"),
                                        QStringLiteral("Tests"), QStringLiteral("Befehle"),
                                        QStringLiteral("Takte"), QStringLiteral("Meldung")});
    tabelle_ = new QTableView(this);
    tabelle_->setObjectName(QStringLiteral("TabelleAbgaben"));
    tabelle_->setModel(modell_);
    tabelle_->setSortingEnabled(true);
    tabelle_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabelle_->verticalHeader()->hide();
    tabelle_->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(tabelle_, 1);

    fortschritt_ = new QProgressBar(this);
    fortschritt_->setObjectName(QStringLiteral("Fortschritt"));
    fortschritt_->setValue(0);
    layout->addWidget(fortschritt_);

    auto* knoepfe = new QDialogButtonBox(this);
    pruefen_ = knoepfe->addButton(QStringLiteral("&Prüfen"), QDialogButtonBox::ActionRole);
    pruefen_->setObjectName(QStringLiteral("BnPruefen"));
    pruefen_->setDefault(true);
    export_ = knoepfe->addButton(QStringLiteral("&Exportieren..."), QDialogButtonBox::ActionRole);
    export_->setObjectName(QStringLiteral("BnExport"));
    QPushButton* schliessen = knoepfe->addButton(QDialogButtonBox::Close);
    schliessen->setText(QStringLiteral("&Schließen"));
    layout->addWidget(knoepfe);

    connect(aufgabeWaehlen, &QPushButton::clicked, this, [this] {
        const QString start = aufgabe_->text().isEmpty() ? DialogFolder() : aufgabe_->text();
        const QString datei =
            QFileDialog::getOpenFileName(this, QStringLiteral("Aufgabe wählen"), start,
                                         QStringLiteral("Aufgaben (*.aufgabe);;Alle Dateien (*)"));
        if (!datei.isEmpty()) {
            aufgabe_->setText(datei);
        }
    });
    connect(ordnerWaehlen, &QPushButton::clicked, this, [this] {
        const QString start = ordner_->text().isEmpty() ? DialogFolder() : ordner_->text();
        const QString ordner = QFileDialog::getExistingDirectory(
            this, QStringLiteral("Ordner mit den Abgaben wählen"), start);
        if (!ordner.isEmpty()) {
            ordner_->setText(ordner);
        }
    });
    connect(pruefen_, &QPushButton::clicked, this, &AbgabenDialog::Pruefen);
    connect(export_, &QPushButton::clicked, this, [this] {
        QString filter = QStringLiteral("CSV-Datei (*.csv)");
        const QString datei = QFileDialog::getSaveFileName(
            this, QStringLiteral("Ergebnis exportieren"),
            QFileInfo(ordner_->text()).absolutePath() + QStringLiteral("/ergebnis.csv"),
            QStringLiteral("CSV-Datei (*.csv);;Excel-Arbeitsmappe (*.xlsx)"), &filter);
        if (datei.isEmpty()) {
            return;
        }
        QString ziel = datei;
        if (QFileInfo(ziel).suffix().isEmpty()) {
            ziel += filter.contains(QStringLiteral("xlsx")) ? QStringLiteral(".xlsx")
                                                            : QStringLiteral(".csv");
        }
        Exportieren(ziel);
    });
    connect(knoepfe, &QDialogButtonBox::rejected, this, &AbgabenDialog::reject);
    resize(820, 480);
    KnoepfeAnpassen();
}

AbgabenDialog::~AbgabenDialog() {
    abbrechen_ = true;
    if (lauf_ != nullptr) {
        lauf_->wait();
    }
}

void AbgabenDialog::reject() {
    // Closing stops the files not yet begun; the window waits for none of them.
    abbrechen_ = true;
    QDialog::reject();
}

void AbgabenDialog::Pruefen() {
    if (lauf_ != nullptr) {
        return;
    }
    auto aufgabe = std::make_shared<Aufgabe>();
    try {
        *aufgabe = AufgabeLaden(aufgabe_->text().toStdString());
    } catch (const std::exception& e) {
        ShowErrorBox("Fehler",
                     QFileInfo(aufgabe_->text()).fileName().toStdString() + ": " + e.what());
        return;
    }
    const std::vector<std::string> dateien = AbgabenSuchen({ordner_->text().toStdString()});
    if (dateien.empty() || !QFileInfo(ordner_->text()).isDir()) {
        ShowErrorBox("Fehler", "Im Ordner liegen keine Abgaben (.CPU- oder .txt-Dateien).");
        return;
    }
    abbrechen_ = false;
    fortschritt_->setRange(0, static_cast<int>(dateien.size()));
    fortschritt_->setValue(0);
    auto ergebnisse = std::make_shared<std::vector<AbgabeErgebnis>>();
    lauf_ = QThread::create([this, aufgabe, dateien, ergebnisse] {
        *ergebnisse = AbgabenPruefen(
            *aufgabe, dateien, 0,
            [this](std::size_t fertig) {
                QMetaObject::invokeMethod(
                    fortschritt_,
                    [this, fertig] { fortschritt_->setValue(static_cast<int>(fertig)); },
                    Qt::QueuedConnection);
            },
            &abbrechen_);
    });
    connect(lauf_, &QThread::finished, this, [this, ergebnisse] {
        lauf_->deleteLater();
        lauf_ = nullptr;
        ergebnisse_ = std::move(*ergebnisse);
        // Within the chosen folder its name says enough.
        const QDir ordner(ordner_->text());
        for (AbgabeErgebnis& e : ergebnisse_) {
            e.datei = ordner.relativeFilePath(QString::fromStdString(e.datei)).toStdString();
        }
        Zeigen();
        KnoepfeAnpassen();
        emit Fertig();
    });
    KnoepfeAnpassen();
    lauf_->start();
}

void AbgabenDialog::Zeigen() {
    tabelle_->setSortingEnabled(false);
    modell_->removeRows(0, modell_->rowCount());
    for (const AbgabeErgebnis& e : ergebnisse_) {
        QList<QStandardItem*> zeile = {
            Zelle(QDir::toNativeSeparators(QString::fromStdString(e.datei))),
            Zahl(static_cast<std::uint64_t>(e.bestanden)),
            Zahl(static_cast<std::uint64_t>(e.tests)),
            Zahl(e.befehle),
            Zahl(e.takte),
            Zelle(QString::fromStdString(e.meldung))};
        const QColor farbe =
            e.AlleBestanden() ? QColor(0xC6, 0xEF, 0xCE) : QColor(0xFF, 0xC7, 0xCE);
        for (QStandardItem* item : zeile) {
            item->setBackground(farbe);
            item->setForeground(Qt::black);
        }
        zeile.back()->setToolTip(zeile.back()->text());
        modell_->appendRow(zeile);
    }
    tabelle_->setSortingEnabled(true);
    tabelle_->sortByColumn(0, Qt::AscendingOrder);
    tabelle_->resizeColumnsToContents();
}

bool AbgabenDialog::Exportieren(const QString& datei) {
    try {
        if (datei.endsWith(QStringLiteral(".xlsx"), Qt::CaseInsensitive)) {
            BerichtXlsx(ergebnisse_, datei.toStdString());
        } else {
            DateiErsetzen(datei.toStdString(), BerichtCsv(ergebnisse_));
        }
    } catch (const std::exception& e) {
        ShowErrorBox("Fehler", e.what());
        return false;
    }
    return true;
}

void AbgabenDialog::KnoepfeAnpassen() {
    pruefen_->setEnabled(lauf_ == nullptr);
    export_->setEnabled(lauf_ == nullptr && !ergebnisse_.empty());
}

} // namespace tovak
