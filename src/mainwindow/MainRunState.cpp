// The run state in words at the right of the status bar, and the run commands of the
// "&Start" menu that have no item of their own otherwise: a learner can see whether the
// machine runs, waits or was stopped, and go on from a breakpoint with the keyboard.
#include "mainwindow/Main.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>

namespace tovak {

void TFMain::CreateRunStateDisplay() {
    // A permanent widget: the menu hints use the rest of the bar and never cover it.
    runStateLabel_ = new QLabel(this);
    runStateLabel_->setObjectName(QStringLiteral("LabelLaufzustand"));
    runStateLabel_->setToolTip(QStringLiteral("Zustand des Rechners"));
    runStateLabel_->setMinimumWidth(
        runStateLabel_->fontMetrics().horizontalAdvance(QStringLiteral("Bearbeiten (CPU Stop)")) +
        16);
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar"));
    bar->addPermanentWidget(runStateLabel_);

    // The state is shown once the command that changed it has finished, so the many
    // intermediate steps of a command do not each redraw the label.
    runStateTimer_ = new QTimer(this);
    runStateTimer_->setSingleShot(true);
    runStateTimer_->setInterval(0);
    connect(runStateTimer_, &QTimer::timeout, this, [this] {
        const QString text = RunStateText();
        if (runStateLabel_->text() != text) {
            runStateLabel_->setText(text);
        }
    });
    runStateLabel_->setText(RunStateText());
}

void TFMain::ShowRunStateInMenuBar() {
    // The compact window has no height to spare for a status bar.
    statusBar()->removeWidget(runStateLabel_);
    statusBar()->hide();
    runStateLabel_->setContentsMargins(0, 0, 8, 0);
    menuBar()->setCornerWidget(runStateLabel_, Qt::TopRightCorner);
    runStateLabel_->show();
}

void TFMain::AddRunMenuItems(QMenu* start) {
    // Both stay enabled in every state, like "&Programmstart": a run paused at a breakpoint
    // or stalled after a message goes on from the keyboard.
    mnProgrammReStart_ = new QAction(QStringLiteral("Start von &IP"), start);
    mnProgrammReStart_->setObjectName(QStringLiteral("MnProgrammReStart"));
    mnProgrammReStart_->setShortcut(QKeySequence(Qt::Key_F5));
    mnProgrammReStart_->setStatusTip(
        QStringLiteral("Starten wieder im automatischen Modus ab der aktuellen Position"));
    connect(mnProgrammReStart_, &QAction::triggered, this, &TFMain::BnProgrammReStartClick);

    mnSchnelllauf_ = new QAction(QStringLiteral("&Schnelllauf"), start);
    mnSchnelllauf_->setObjectName(QStringLiteral("MnSchnelllauf"));
    mnSchnelllauf_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F5));
    mnSchnelllauf_->setStatusTip(
        QStringLiteral("Programmlauf ab der aktuellen Position so schnell wie möglich, "
                       "ohne Takt und ohne Animation"));
    connect(mnSchnelllauf_, &QAction::triggered, this, &TFMain::MnSchnelllaufClick);

    // Right after "&Programmstart", the other way of starting a run.
    const QList<QAction*> items = start->actions();
    QAction* before = items.size() > 1 ? items.at(1) : nullptr;
    start->insertAction(before, mnProgrammReStart_);
    start->insertAction(before, mnSchnelllauf_);
    for (QAction* item : {mnProgrammReStart_, mnSchnelllauf_}) {
        item->setShortcutContext(Qt::ApplicationShortcut);
    }
}

void TFMain::ScheduleRunStateUpdate() {
    if (runStateTimer_ != nullptr && !runStateTimer_->isActive()) {
        runStateTimer_->start();
    }
}

QString TFMain::RunStateText() const {
    if (inputOpen_) {
        return QStringLiteral("Eingabe");
    }
    if (FastRunActive()) {
        return QStringLiteral("Schnelllauf");
    }
    if (editMode_) {
        // A halted machine halts again at once on "Start von IP"; say why the run ended.
        return steuerwerk_ && steuerwerk_->GetFehler() == CPUStop
                   ? QStringLiteral("Bearbeiten (CPU Stop)")
                   : QStringLiteral("Bearbeiten");
    }
    // A message inside a micro-step left it unfinished: the next Takt only switches the
    // clock off, and the run waits for "Start von IP", "Takt" or "Stop".
    if (decision_ && decision_->StartedStep() == steuerwerk_->GetSchritt()) {
        return QStringLiteral("Angehalten");
    }
    if (timer1_->isActive()) {
        return QStringLiteral("Programmlauf");
    }
    if (breakAt_ >= 0) {
        return QStringLiteral("Haltepunkt bei %1").arg(breakAt_);
    }
    // A continuous run whose clock went off without a breakpoint.
    if (decision_ && decision_->Continuous()) {
        return QStringLiteral("Angehalten");
    }
    return QStringLiteral("Einzelschritt");
}

int TFMain::AskNumberInput() {
    inputOpen_ = true;
    // The dialog runs its own event loop, which shows the label before the user answers.
    ScheduleRunStateUpdate();
    const int value = numberInput_ ? numberInput_() : -1;
    inputOpen_ = false;
    ScheduleRunStateUpdate();
    return value;
}

} // namespace tovak
