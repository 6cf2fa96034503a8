#include "mainwindow/ToolbarGlyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

namespace tovak {

namespace {

// Draws on a 16 x 16 canvas (the toolbar's glyph size), in two resolutions for sharp glyphs
// on dense screens.
QIcon Painted(const std::function<void(QPainter&)>& draw) {
    QIcon icon;
    for (int scale : {1, 2}) {
        QPixmap pixmap(16 * scale, 16 * scale);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(scale, scale);
        draw(painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

void DrawPage(QPainter& p) {
    QPainterPath page;
    page.moveTo(3.5, 1.5);
    page.lineTo(9.5, 1.5);
    page.lineTo(13.5, 5.5);
    page.lineTo(13.5, 14.5);
    page.lineTo(3.5, 14.5);
    page.closeSubpath();
    p.setPen(QPen(QColor(70, 70, 70), 1));
    p.setBrush(Qt::white);
    p.drawPath(page);
    p.setBrush(QColor(220, 220, 220));
    p.drawPolygon(QPolygonF({QPointF(9.5, 1.5), QPointF(9.5, 5.5), QPointF(13.5, 5.5)}));
}

} // namespace

QIcon NewProgramGlyph() {
    return QIcon::fromTheme(QStringLiteral("document-new"), Painted(DrawPage));
}

QIcon ResetGlyph(QChar letter) {
    return Painted([letter](QPainter& p) {
        p.setPen(QPen(QColor(0, 0, 128), 1));
        p.setBrush(QColor(215, 228, 255));
        p.drawRoundedRect(QRectF(0.5, 0.5, 12, 12), 2, 2);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(11);
        font.setBold(true);
        p.setFont(font);
        p.drawText(QRectF(0.5, 0.5, 12, 12), Qt::AlignCenter, QString(letter));
        // The red cross, on a white halo so it stands off the letter.
        for (const auto& [colour, width] :
             {std::pair{QColor(Qt::white), 3.6}, std::pair{QColor(210, 0, 0), 2.0}}) {
            p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(9.5, 9.5), QPointF(14.5, 14.5));
            p.drawLine(QPointF(14.5, 9.5), QPointF(9.5, 14.5));
        }
    });
}

} // namespace tovak
