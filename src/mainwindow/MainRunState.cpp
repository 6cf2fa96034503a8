// The run state in words at the right of the status bar, and the run commands of the
// "&Start" menu that have no item of their own otherwise: a learner can see whether the
// machine runs, waits or was stopped, and go on from a breakpoint with the keyboard.
#include "mainwindow/Main.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>

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
}

void TFMain::ShowRunStateInMenuBar() {
    // The compact window has no height to spare for a status bar.
    statusBar()->removeWidget(runStateLabel_);
    statusBar()->hide();
    // A row at the right of the menu bar, where the tempo goes too when the toolbar is cut.
    auto* corner = new QWidget(menuBar());
    corner->setObjectName(QStringLiteral("MenuBarCorner"));
    auto* row = new QHBoxLayout(corner);
    row->setContentsMargins(0, 0, 8, 0);
    row->setSpacing(12);
    row->addWidget(runStateLabel_);
    menuBar()->setCornerWidget(corner, Qt::TopRightCorner);
    runStateLabel_->show();
}

} // namespace tovak
