// "Befehlsübersicht": every instruction with its names, effect, operand, cells, flags and
// micro-steps, built from the instruction table and searchable.
#pragma once

#include <QWidget>

class QLineEdit;
class QListWidget;
class QTextBrowser;

namespace tovak {

class TFBefehlsuebersicht final : public QWidget {
    Q_OBJECT

public:
    // Shows the one overview of this owner, created on first use, at the instruction's entry
    // (0: as it was, the introduction when new), placed when new beside the window it helps
    // with (the owner unless given).
    static TFBefehlsuebersicht* Zeigen(QWidget* besitzer, int befehl = 0,
                                       const QWidget* neben = nullptr);

    void BefehlZeigen(int befehl);

private:
    explicit TFBefehlsuebersicht(QWidget* parent);
    void Platzieren(const QWidget& neben);
    void Filtern(const QString& suche);
    void EintragZeigen();

    QLineEdit* suche_;
    QListWidget* liste_;
    QTextBrowser* text_;
};

// The entry of one instruction as HTML; the introduction for 0.
QString BefehlsEintrag(int befehl);

} // namespace tovak
