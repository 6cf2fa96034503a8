// The projector zoom of the window: the block diagram times 125 %, 150 % or 200 %, at once
// and kept with the settings. Layout changes happen at 100 % in between.
#include "mainwindow/Ini.h"
#include "mainwindow/Main.h"
#include "mainwindow/MainActions.h"
#include "mainwindow/TempoControl.h"

#include <algorithm>
#include <iterator>

namespace tovak {

void TFMain::SetZoom(int percent) {
    Ini::SetZoom(percent);
    actions_->ShowZoom(Ini::Zoom());
    ApplyZoom();
}

void TFMain::ZoomStep(int direction) {
    const auto* begin = std::begin(Ini::kZoomStufen);
    const auto* end = std::end(Ini::kZoomStufen);
    const auto index = std::find(begin, end, Ini::Zoom()) - begin;
    const auto next = std::clamp<std::ptrdiff_t>(index + direction, 0, (end - begin) - 1);
    if (Ini::kZoomStufen[next] != Ini::Zoom()) {
        SetZoom(Ini::kZoomStufen[next]);
    }
}

void TFMain::ApplyZoom() {
    // The enlarged view has its own sizes; the zoom returns with the normal view.
    if (diagram_->IsEnlarged()) {
        actions_->Tempo()->SetZoom(1.0);
        return;
    }
    zooming_ = true;
    zoom_.Apply(diagram_->client, Ini::Zoom() / 100.0);
    actions_->Tempo()->SetZoom(zoom_.Factor());
    zooming_ = false;
    FitZoomedWindow();
}

void TFMain::Unzoomed(const std::function<void()>& change) {
    zooming_ = true;
    zoom_.Restore();
    actions_->Tempo()->SetZoom(1.0);
    change();
    zooming_ = false;
    ApplyZoom();
}

} // namespace tovak
