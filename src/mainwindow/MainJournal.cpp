// "Takt zurück" in the window: the menu item and toolbar button, when they are available,
// what the window does around an undone micro-step, and the run counters of the control
// unit box.
#include "mainwindow/ErrorDisplay.h"
#include "mainwindow/Main.h"

#include <QAction>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QStyle>
#include <QTimer>

namespace tovak {

namespace {

const char* const kTaktZurueckName = "Takt zurück (F7)";
const char* const kTaktZurueckHinweis = "Macht den letzten Takt rückgängig (F7)";
// The counters show up to this many digits: a fast run passes ten million micro-steps in
// seconds.
constexpr int kZaehlerStellen = 10;

} // namespace

void TFMain::CreateTaktZurueckItem(QMenu* start) {
    mnTaktZurueck_ = AddItem(start, "MnTaktZurueck", QStringLiteral("Takt &zurück"),
                             QString::fromUtf8(kTaktZurueckHinweis));
    mnTaktZurueck_->setShortcut(QKeySequence(Qt::Key_F7));
    mnTaktZurueck_->setShortcutContext(Qt::ApplicationShortcut);
    mnTaktZurueck_->setEnabled(false);
    connect(mnTaktZurueck_, &QAction::triggered, this, &TFMain::MnTaktZurueckClick);
}

void TFMain::CreateTaktZurueckButton() {
    // A glyph button between "Takt" and "STOP": the mirror of "Einzelschritt"'s glyph.
    bnTaktZurueck_ = new QPushButton(bnTakt_->parentWidget());
    bnTaktZurueck_->setObjectName(QStringLiteral("BnTaktZurueck"));
    bnTaktZurueck_->setIcon(style()->standardIcon(QStyle::SP_MediaSkipBackward));
    bnTaktZurueck_->setGeometry(bnTakt_->geometry().right() + 4, bnTakt_->y(), 24,
                                bnTakt_->height());
    bnTaktZurueck_->setFocusPolicy(Qt::NoFocus);
    bnTaktZurueck_->setToolTip(QString::fromUtf8(kTaktZurueckName));
    bnTaktZurueck_->setStatusTip(QString::fromUtf8(kTaktZurueckHinweis));
    bnTaktZurueck_->setEnabled(false);
    connect(bnTaktZurueck_, &QPushButton::clicked, this, &TFMain::MnTaktZurueckClick);
}

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

void TFMain::ResetRunCounters() {
    steuerwerk_->ZaehlerZuruecksetzen();
    ShowRunCounters();
}

bool TFMain::CanStepBack() const {
    // Not while the clock runs: the run would go on from a state the learner did not see.
    return steuerwerk_ && steuerwerk_->KannZuruecknehmen() && !timer1_->isActive() &&
           !FastRunActive();
}

void TFMain::UpdateTaktZurueck() {
    if (mnTaktZurueck_ == nullptr || bnTaktZurueck_ == nullptr) {
        return;
    }
    const bool can = CanStepBack();
    mnTaktZurueck_->setEnabled(can);
    bnTaktZurueck_->setEnabled(can);
}

void TFMain::ClearJournal() {
    if (steuerwerk_) {
        steuerwerk_->JournalLeeren();
    }
    journalStart_.Forget();
    UpdateTaktZurueck();
}

void TFMain::NoteJournalStart() {
    if (!journalStart_.Valid() && !steuerwerk_->KannZuruecknehmen()) {
        journalStart_.Capture(client_, gridSpeicher_, gridRegister_, *animation_,
                              steuerwerk_->GetTaktzaehler());
    }
}

void TFMain::MnTaktZurueckClick() {
    if (!CanStepBack()) {
        return;
    }
    StopAnimation();
    RunGuarded([&] { steuerwerk_->TaktZurueck(); });
    // Stepping goes on from here, as after "Einzelschritt"; the next Takt performs the
    // undone micro-step again.
    decision_->Start(false);
    breakAt_ = -1;
    SetEditMode(false);
    ScheduleRunStateUpdate();
    // The grid rows follow the micro-step now performed last, without its clip; back at the
    // start the window looks exactly as before the first step.
    if (steuerwerk_->KannZuruecknehmen() ||
        !journalStart_.RestoreAt(steuerwerk_->GetTaktzaehler())) {
        OnUpdate();
        StopAnimation();
    }
    animPhase_ = 0;
    ShowRunCounters();
    UpdateTaktZurueck();
}

} // namespace tovak
