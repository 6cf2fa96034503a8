// "Takt zurück" in the window: the menu item and toolbar button, when they are available,
// what the window does around an undone micro-step, and the run counters of the control
// unit box.
#include "mainwindow/Main.h"

#include <QAction>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QStyle>

namespace tovak {

namespace {

// The counters show up to this many digits: a fast run passes ten million micro-steps in
// seconds.
constexpr int kZaehlerStellen = 10;

} // namespace

void TFMain::CreateRunCounters() {
    // One line between the micro-step box and the IP row, from the left edge of the panels
    // above it to the right edge of the box.
    QWidget* box = groupBoxSteuerwerk_;
    QFont labelFont = pBefehl_->font();
    labelFont.setPointSize(8);
    const QFontMetrics metrics(labelFont);
    auto label = [&](const QString& text, int x) {
        auto* l = new QLabel(text, box);
        l->setFont(labelFont);
        l->setGeometry(x, 166, metrics.horizontalAdvance(text) + 2, 17);
        return l;
    };
    auto panel = [&](const char* name, int x, const QString& tip) {
        QLabel* p = MakePanel(box, name, QRect(x, 165, 0, 19));
        p->setFont(labelFont);
        // Ten digits and the blank the counters end with, inside the panel's frame.
        const QString widest = QString(kZaehlerStellen, QLatin1Char('8')) + QLatin1Char(' ');
        p->resize(QFontMetrics(p->font()).horizontalAdvance(widest) + 2 * p->frameWidth() + 4, 19);
        p->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        p->setToolTip(tip);
        return p;
    };
    QLabel* befehle = label(QStringLiteral("Befehle"), 24);
    pBefehlszaehler_ = panel("PBefehlszaehler", befehle->geometry().right() + 4,
                             QStringLiteral("Ausgeführte Befehle seit dem Start des Laufs"));
    QLabel* takte = label(QStringLiteral("Takte"), pBefehlszaehler_->geometry().right() + 8);
    pTaktzaehler_ = panel("PTaktzaehler", takte->geometry().right() + 4,
                          QStringLiteral("Ausgeführte Takte (Mikroschritte) seit dem Start des "
                                         "Laufs"));
    ShowRunCounters();
}

void TFMain::ShowRunCounters() {
    if (pTaktzaehler_ == nullptr || !steuerwerk_) {
        return;
    }
    const QString befehle = QString::number(steuerwerk_->GetBefehlszaehler()) + QLatin1Char(' ');
    const QString takte = QString::number(steuerwerk_->GetTaktzaehler()) + QLatin1Char(' ');
    if (pBefehlszaehler_->text() != befehle) {
        pBefehlszaehler_->setText(befehle);
    }
    if (pTaktzaehler_->text() != takte) {
        pTaktzaehler_->setText(takte);
    }
}

void TFMain::CaptureJournalStart(long long taktzaehler) {
    journalStart_.Capture(client_, gridSpeicher_, gridRegister_, *animation_, taktzaehler);
}

bool TFMain::RestoreJournalStart(long long taktzaehler) const {
    return journalStart_.RestoreAt(taktzaehler);
}

} // namespace tovak
