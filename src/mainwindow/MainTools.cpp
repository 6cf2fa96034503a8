// The tool windows of the main window: at most one output and one debug window, forgotten
// when the user closes them.
#include "dialogs/Ausgabe.h"
#include "dialogs/Debug.h"
#include "mainwindow/BackupKeeper.h"
#include "mainwindow/Main.h"

#include <QAction>
#include <QFrame>
#include <QMenuBar>

namespace tovak {

void TFMain::MnShowAusgabefensterClick() {
    if (ausgabe_ == nullptr) {
        ausgabe_ = new TFAusgabe(this);
        connect(ausgabe_, &TFAusgabe::closed, this, [this] {
            ausgabe_ = nullptr;
            machine_->ShowOutputIn(nullptr);
        });
        ausgabe_->ShowBeside(frameGeometry().top(), frameGeometry().left(),
                             frameGeometry().width());
        machine_->ShowOutputIn(ausgabe_);
    }
}

void TFMain::MnDebugfensterClick() {
    if (debug_ == nullptr) {
        debug_ = new TFDebug(this);
        connect(debug_, &TFDebug::closed, this, [this] { debug_ = nullptr; });
        // The bottom edge of what a window at the screen's left edge must not cover.
        QWidget* top = actions_->Toolbar()->isVisible() ? static_cast<QWidget*>(actions_->Toolbar())
                                                        : static_cast<QWidget*>(menuBar());
        const int belowTop = top->mapToGlobal(QPoint(0, top->height())).y() + 2;
        debug_->ShowBeside(frameGeometry().top(), frameGeometry().left(), belowTop);
    }
}

void TFMain::MnSymbolleisteClick() {
    actions_->Toolbar()->setVisible(actions_->ToolbarChecked());
}

void TFMain::MnShowBefehlsfensterClick() {
    actions_->ShowBefehlsfenster();
    backups_->SwitchOn();
}

void TFMain::BefehlsBottonsNotify(int code) {
    actions_->BefehlsBottonsNotify(code);
}

} // namespace tovak
