// Draws the memory grid's cells: the address column on button face, selected rows in the
// highlight colour, and the two register transfer directions in their own colours.
#pragma once

#include "widgets/OroGridDelegate.h"

#include <QColor>

namespace tovak {

// What one cell looks like; useDefault keeps the grid's own font colour and background.
struct MemoryCellStyle {
    bool useDefault = true;
    bool bold = false;
    QColor background;
    QColor foreground;
};

// Decides the look of a cell of the memory grid. The colours are 0x00BBGGRR settings.
MemoryCellStyle StyleForMemoryCell(const QString& text, int column, bool selected,
                                   const QPalette& palette, int colorMovRegAkku,
                                   int colorMovAkkuReg);

class MemoryCellDelegate final : public OroGridDelegate {
public:
    using OroGridDelegate::OroGridDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};

} // namespace tovak
