// Building blocks shared by the small tool windows: the white top panel and the font helper.
#pragma once

#include <QFont>
#include <QStringList>

class QFrame;
class QWidget;

namespace tovak {

// A font by pixel size; the first installed family of the list wins.
QFont PixelFont(const QStringList& families, int pixelSize, bool bold = false);

// The white strip at the top of a tool window, 41 pixels high.
QFrame* MakeTopPanel(QWidget* parent);

} // namespace tovak
