#include "dialogs/Befehlsuebersicht.h"

#include "machine/Befehle.h"
#include "machine/Befehlsreferenz.h"
#include "util/NumberTexts.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QSplitter>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <algorithm>

namespace tovak {

namespace {

constexpr const char* kObjektname = "FBefehlsuebersicht";

QString Html(const std::string& text) {
    return QString::fromStdString(text).toHtmlEscaped();
}

QString Schrittzeile(Mikroschritt s) {
    const int code = static_cast<int>(s);
    return QStringLiteral("<li>%1 <span style='color:gray'>(%2)</span></li>")
        .arg(Html(Mikroschrittname(code)))
        .arg(code);
}

// What the search looks through: names, number, description and effect.
QString Suchtext(const Befehlsbeschreibung& b) {
    return QStringLiteral("%1 %2 %3 %4 %5")
        .arg(QString::fromUtf8(b.kurzname), QString::fromUtf8(b.ausfuehrungsname),
             QString::fromUtf8(b.beschreibung), QString::fromStdString(Wirkung(b.nummer)))
        .arg(b.nummer);
}

const char* kEinleitung =
    "<h2>Befehlsübersicht</h2>"
    "<p>Links stehen alle Befehle; das Suchfeld findet sie nach Name, Nummer oder Stichwort. "
    "Im Programmtext öffnet <b>F1</b> den Eintrag des Befehls in der Zeile des Cursors.</p>"
    "<p><b>W</b> ist der Wert des Operanden: die Konstante, die Anzahl oder der Inhalt des "
    "Registers.</p>"
    "<p><b>Flags:</b> Z (Null), C (Übertrag), P (Parität: gerade Anzahl gesetzter Bits) und "
    "S (Vorzeichen). Jedes Schreiben des Akkus setzt Z und P nach dem neuen Wert und löscht S; "
    "nur Compare setzt S.</p>"
    "<p><b>Mikroschritte:</b> Jeder Befehl beginnt mit „Befehl adressieren“, „Befehl lesen“ "
    "und „Befehl decodieren“; danach folgen seine eigenen Schritte, ein Takt je Schritt. "
    "„Test auf Interrupt“ beendet jeden Befehl.</p>"
    "<p>Eine Zelle mit dem Wert 0 als Befehl hält das Programm an (<b>CPU Stop</b>).</p>";

} // namespace

QString BefehlsEintrag(int befehl) {
    const Befehlsbeschreibung* b = BefehlMitNummer(befehl);
    if (b == nullptr) {
        return QString::fromUtf8(kEinleitung);
    }
    QString html = QStringLiteral("<h2>%1</h2>").arg(Html(b->kurzname));
    if (*b->beschreibung != '\0') {
        html += QStringLiteral("<p><i>%1</i></p>").arg(Html(b->beschreibung));
    }
    html += QStringLiteral("<p>%1</p>").arg(Html(Wirkung(befehl)));
    const auto zeile = [](const QString& name, const QString& wert) {
        return QStringLiteral("<tr><td style='padding-right:12px'><b>%1</b></td><td>%2</td></tr>")
            .arg(name, wert);
    };
    const int zellen = BefehlsLaenge(befehl);
    html += QStringLiteral("<table>");
    html += zeile(QStringLiteral("Nummer"), QStringLiteral("%1 (%2)").arg(befehl).arg(
                                                QString::fromStdString(IntToHex0x(befehl))));
    html += zeile(QStringLiteral("Name bei der Ausführung"),
                  *b->ausfuehrungsname != '\0' ? Html(b->ausfuehrungsname) : QStringLiteral("–"));
    html += zeile(QStringLiteral("Operand"), Html(Operandenbereich(b->operand)));
    html += zeile(QStringLiteral("Zellen"), QString::number(zellen));
    html += zeile(QStringLiteral("Flags"), Html(GeaenderteFlags(*b)));
    html += zeile(QStringLiteral("Takte"), QString::number(3 + b->schritte.laenge));
    html += QStringLiteral("</table><h3>Mikroschritte</h3><ol>");
    for (Mikroschritt s : {Mikroschritt::BefehlAdressieren, Mikroschritt::BefehlLesen,
                           Mikroschritt::BefehlDecodieren}) {
        html += Schrittzeile(s);
    }
    for (Mikroschritt s : b->schritte) {
        html += Schrittzeile(s);
    }
    html += QStringLiteral("</ol>");
    if (befehl == 450) {
        html += QStringLiteral("<p>Endet IRET eine Interrupt-Routine, folgt vor dem Test auf "
                               "Interrupt noch „%1“.</p>")
                    .arg(Html(Mikroschrittname(static_cast<int>(Mikroschritt::ISRBeendet))));
    }
    return html;
}

TFBefehlsuebersicht* TFBefehlsuebersicht::Zeigen(QWidget* besitzer, int befehl,
                                                 const QWidget* neben) {
    auto* fenster = besitzer->findChild<TFBefehlsuebersicht*>(QString::fromLatin1(kObjektname),
                                                              Qt::FindDirectChildrenOnly);
    if (fenster == nullptr) {
        fenster = new TFBefehlsuebersicht(besitzer);
        fenster->Platzieren(neben != nullptr ? *neben : *besitzer);
        fenster->BefehlZeigen(0);
    }
    if (befehl != 0) {
        fenster->BefehlZeigen(befehl);
    }
    fenster->show();
    fenster->raise();
    fenster->activateWindow();
    return fenster;
}

TFBefehlsuebersicht::TFBefehlsuebersicht(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QString::fromLatin1(kObjektname));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Befehlsübersicht"));

    suche_ = new QLineEdit(this);
    suche_->setObjectName(QStringLiteral("ESuche"));
    suche_->setPlaceholderText(QStringLiteral("Suchen: Name, Nummer oder Stichwort"));
    suche_->setClearButtonEnabled(true);
    liste_ = new QListWidget(this);
    liste_->setObjectName(QStringLiteral("LbBefehle"));
    text_ = new QTextBrowser(this);
    text_->setObjectName(QStringLiteral("TbEintrag"));

    BefehlstabellenFuellen();
    auto* einleitung = new QListWidgetItem(QStringLiteral("Einleitung"), liste_);
    einleitung->setData(Qt::UserRole, 0);
    for (const Befehlsbeschreibung* b = AlleBefehleBegin(); b != AlleBefehleEnd(); ++b) {
        auto* item = new QListWidgetItem(QString::fromUtf8(b->kurzname), liste_);
        item->setData(Qt::UserRole, b->nummer);
        item->setData(Qt::UserRole + 1, Suchtext(*b));
    }
    liste_->setMinimumWidth(liste_->sizeHintForColumn(0) + 24);

    auto* teiler = new QSplitter(Qt::Horizontal, this);
    teiler->addWidget(liste_);
    teiler->addWidget(text_);
    teiler->setStretchFactor(1, 1);
    teiler->setChildrenCollapsible(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(suche_);
    layout->addWidget(teiler, 1);

    connect(suche_, &QLineEdit::textChanged, this, &TFBefehlsuebersicht::Filtern);
    connect(liste_, &QListWidget::currentItemChanged, this, &TFBefehlsuebersicht::EintragZeigen);
    resize(760, 560);
}

void TFBefehlsuebersicht::Platzieren(const QWidget& neben) {
    // Right of the window it helps with, else left of it, else at the screen's right edge:
    // as much of that window as possible stays in view.
    const QRect frei = neben.screen()->availableGeometry();
    const QRect daneben = neben.frameGeometry();
    int links = daneben.right() + 8;
    if (links + width() > frei.right()) {
        links = daneben.left() - width() - 8;
    }
    if (links < frei.left()) {
        links = std::max(frei.left(), frei.right() - width());
    }
    move(links,
         std::clamp(daneben.top(), frei.top(), std::max(frei.top(), frei.bottom() - height())));
}

void TFBefehlsuebersicht::BefehlZeigen(int befehl) {
    if (befehl != 0 && !suche_->text().isEmpty()) {
        suche_->clear(); // the entry asked for must be in the list
    }
    for (int i = 0; i < liste_->count(); ++i) {
        if (liste_->item(i)->data(Qt::UserRole).toInt() == befehl) {
            liste_->setCurrentRow(i);
            liste_->scrollToItem(liste_->item(i));
            return;
        }
    }
}

void TFBefehlsuebersicht::Filtern(const QString& suche) {
    const QString wort = suche.simplified();
    QListWidgetItem* erster = nullptr;
    for (int i = 0; i < liste_->count(); ++i) {
        QListWidgetItem* item = liste_->item(i);
        const bool passt =
            wort.isEmpty()
                ? true
                : item->data(Qt::UserRole + 1).toString().contains(wort, Qt::CaseInsensitive);
        item->setHidden(!passt);
        if (passt && erster == nullptr && (!wort.isEmpty() || i == 0)) {
            erster = item;
        }
    }
    if (liste_->currentItem() == nullptr || liste_->currentItem()->isHidden()) {
        liste_->setCurrentItem(erster);
    }
    if (erster == nullptr) {
        text_->setHtml(
            QStringLiteral("<p>Kein Befehl passt zu „%1“.</p>").arg(wort.toHtmlEscaped()));
    }
}

void TFBefehlsuebersicht::EintragZeigen() {
    if (const QListWidgetItem* item = liste_->currentItem()) {
        text_->setHtml(BefehlsEintrag(item->data(Qt::UserRole).toInt()));
    }
}

} // namespace tovak
