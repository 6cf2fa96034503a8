#include "mainwindow/ToolbarGlyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

namespace tovak {

namespace {

// Draws on a 20 x 20 canvas, in two resolutions for sharp glyphs on dense screens.
QIcon Painted(const std::function<void(QPainter&)>& draw) {
    QIcon icon;
    for (int scale : {1, 2}) {
        QPixmap pixmap(20 * scale, 20 * scale);
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
    page.moveTo(4.5, 2.5);
    page.lineTo(12.5, 2.5);
    page.lineTo(16.5, 6.5);
    page.lineTo(16.5, 17.5);
    page.lineTo(4.5, 17.5);
    page.closeSubpath();
    p.setPen(QPen(QColor(70, 70, 70), 1));
    p.setBrush(Qt::white);
    p.drawPath(page);
    p.setBrush(QColor(220, 220, 220));
    p.drawPolygon(QPolygonF({QPointF(12.5, 2.5), QPointF(12.5, 6.5), QPointF(16.5, 6.5)}));
}

} // namespace

QIcon NewProgramGlyph() {
    return QIcon::fromTheme(QStringLiteral("document-new"), Painted(DrawPage));
}

QIcon ResetGlyph(QChar letter) {
    return Painted([letter](QPainter& p) {
        p.setPen(QPen(QColor(0, 0, 128), 1));
        p.setBrush(QColor(225, 235, 255));
        p.drawRoundedRect(QRectF(2.5, 2.5, 13, 13), 2, 2);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(11);
        font.setBold(true);
        p.setFont(font);
        p.drawText(QRectF(2.5, 2.5, 13, 13), Qt::AlignCenter, QString(letter));
        p.setPen(QPen(QColor(200, 0, 0), 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(11.5, 11.5), QPointF(17.5, 17.5));
        p.drawLine(QPointF(17.5, 11.5), QPointF(11.5, 17.5));
    });
}

} // namespace tovak
