#include "mainwindow/ListingPrinter.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <algorithm>

namespace tovak {

namespace {

QFont ListingFont() {
    QFont font(QStringLiteral("DejaVu Sans Mono"), 10);
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    return font;
}

} // namespace

int PrintListing(QPrinter& printer, const ProgramListing& listing, const QString& docName) {
    printer.setDocName(docName);
    QPainter painter;
    if (!painter.begin(&printer)) {
        return 0;
    }
    painter.setFont(ListingFont());
    const QFontMetricsF metrics(painter.font(), &printer);
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    const double step = metrics.lineSpacing();
    const int linesPerPage = std::max(3, static_cast<int>(page.height() / step));

    int pages = 1;
    int line = 0;
    auto draw = [&](const std::string& text) {
        // A long title (a deep path) loses its middle, not its end.
        const QString shown =
            metrics.elidedText(QString::fromStdString(text), Qt::ElideMiddle, page.width());
        painter.drawText(QPointF(0, line * step + metrics.ascent()), shown);
        ++line;
    };
    for (const std::string& text : listing.heading) {
        draw(text);
    }
    for (const auto& entry : listing.entries) {
        if (line + static_cast<int>(entry.size()) > linesPerPage) {
            printer.newPage();
            ++pages;
            line = 0;
        }
        for (const std::string& text : entry) {
            draw(text);
        }
    }
    painter.end();
    return pages;
}

} // namespace tovak
