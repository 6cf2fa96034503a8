// Pictures of the window, its views and the tool windows for checking them at every
// desktop scale: TOVAK_SCALE_SHOTS=<folder>/<prefix> saves <prefix>-<view>.png for each
// view in the list of ScaleShots.cpp and quits. scripts/scales.sh runs it per screen size
// and QT_SCALE_FACTOR.
#pragma once

#include <QString>

namespace tovak {

class TFMain;

void TakeScaleShots(TFMain& window, const QString& prefix);

} // namespace tovak
