// "Abgaben prüfen": an exercise and a folder of a class's submissions, checked on every core
// off the window's thread, shown in a sortable table with a progress bar, and exported as
// CSV or .xlsx.
#pragma once

#include "aufgaben/Abgaben.h"

#include <QDialog>

#include <atomic>
#include <vector>

class QLineEdit;
class QProgressBar;
class QPushButton;
class QStandardItemModel;
class QTableView;
class QThread;

namespace tovak {

class AbgabenDialog final : public QDialog {
    Q_OBJECT

public:
    explicit AbgabenDialog(const QString& aufgabe, QWidget* parent = nullptr);
    ~AbgabenDialog() override;

    QLineEdit* AufgabeFeld() const { return aufgabe_; }
    QLineEdit* OrdnerFeld() const { return ordner_; }
    QPushButton* BnPruefen() const { return pruefen_; }
    QPushButton* BnExport() const { return export_; }
    QTableView* Tabelle() const { return tabelle_; }
    QProgressBar* Fortschritt() const { return fortschritt_; }
    bool PrueftGerade() const { return lauf_ != nullptr; }

    void Pruefen();
    // Writes the table as CSV or, by the name's extension, as .xlsx; false after a message.
    bool Exportieren(const QString& datei);

signals:
    void Fertig();

protected:
    void reject() override;

private:
    void Zeigen();
    void KnoepfeAnpassen();

    QLineEdit* aufgabe_ = nullptr;
    QLineEdit* ordner_ = nullptr;
    QPushButton* pruefen_ = nullptr;
    QPushButton* export_ = nullptr;
    QTableView* tabelle_ = nullptr;
    QStandardItemModel* modell_ = nullptr;
    QProgressBar* fortschritt_ = nullptr;
    QThread* lauf_ = nullptr;
    std::atomic<bool> abbrechen_{false};
    std::vector<AbgabeErgebnis> ergebnisse_;
};

} // namespace tovak
