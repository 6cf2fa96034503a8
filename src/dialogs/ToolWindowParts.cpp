#include "dialogs/ToolWindowParts.h"

#include <QFrame>

namespace tovak {

QFont PixelFont(const QStringList& families, int pixelSize, bool bold) {
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QFrame* MakeTopPanel(QWidget* parent) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFixedHeight(41);
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFrameShadow(QFrame::Raised);
    return panel;
}

} // namespace tovak
