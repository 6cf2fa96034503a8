// The window's side of the diagram's arrangements: the compact window on small screens,
// maximal memory, memory fitted to the window height and the enlarged view, each made at
// 100 % between the zoom's restore and apply.
#include "mainwindow/Ini.h"
#include "mainwindow/Main.h"
#include "mainwindow/TempoControl.h"

#include <QEvent>
#include <QFrame>
#include <QLayout>

namespace tovak {

namespace {

constexpr int kCompactWindowHeight = 580;

int ClientHeight(QWidget& window, const QWidget& client) {
    // Before the window is first shown its layout has not placed the client area yet.
    if (window.layout() != nullptr) {
        window.layout()->activate();
    }
    return client.height();
}

} // namespace

bool TFMain::eventFilter(QObject* watched, QEvent* event) {
    if (diagram_ != nullptr && watched == diagram_->client && event->type() == QEvent::Resize &&
        !zooming_ && actions_ != nullptr && actions_->ResizeRamChecked()) {
        Unzoomed([this] { PlaceSpeicherBox(); });
    }
    return QMainWindow::eventFilter(watched, event);
}

void TFMain::PlaceSpeicherBox() {
    if (diagram_->IsEnlarged()) {
        return;
    }
    // Fitted at 100 %: the height the zoomed window has, at that size.
    diagram_->PlaceSpeicherBox(
        actions_->ResizeRamChecked()
            ? qRound(ClientHeight(*this, *diagram_->client) / (Ini::Zoom() / 100.0))
            : -1);
}

void TFMain::ApplyCompactLayout() {
    diagram_->ApplyCompact();
    actions_->Toolbar()->resize(actions_->Toolbar()->width(), 30);
    ShowRunStateInMenuBar();
    const int frame = frameGeometry().height() - geometry().height();
    resize(width(), kCompactWindowHeight - (frame > 0 ? frame : 28));
    PlaceSpeicherBox();
}

void TFMain::ApplySpeicherMaximal(bool on) {
    if (on == diagram_->IsSpeicherMaximal()) {
        return;
    }
    Unzoomed([this, on] {
        diagram_->SetSpeicherMaximal(on);
        PlaceSpeicherBox();
    });
}

void TFMain::LkResizeRamClick() {
    Unzoomed([this] { PlaceSpeicherBox(); });
}

void TFMain::MnShowNormaldarstellungClick() {
    if (actions_->NormaldarstellungChecked()) {
        if (diagram_->IsEnlarged()) {
            diagram_->ShowNormal();
            PlaceSpeicherBox();
        }
        ApplyZoom();
    } else {
        // The enlarged view keeps its own sizes, at any zoom.
        zooming_ = true;
        zoom_.Restore();
        actions_->Tempo()->SetZoom(1.0);
        diagram_->ShowEnlarged(actions_->Toolbar()->isVisible() ? actions_->Toolbar()->height()
                                                                : 0);
        zooming_ = false;
    }
}

} // namespace tovak
