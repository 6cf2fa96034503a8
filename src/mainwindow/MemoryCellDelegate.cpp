#include "mainwindow/MemoryCellDelegate.h"

#include "mainwindow/Ini.h"

#include <QPainter>

namespace tovak {

MemoryCellStyle StyleForMemoryCell(const QString& text, int column, bool selected,
                                   const QPalette& palette, int colorMovRegAkku,
                                   int colorMovAkkuReg) {
    MemoryCellStyle style;
    if (column == 0) {
        style = {false, true, palette.color(QPalette::Button), Qt::black};
    } else if (selected) {
        style = {false, true, palette.color(QPalette::Highlight), QColor(242, 255, 255)};
    } else if (text.contains(QLatin1String("Reg, Akku"))) {
        style = {false, true, Qt::white, ColorFromBgr(colorMovAkkuReg)};
    } else if (text.contains(QLatin1String("Akku, Register"))) {
        style = {false, true, Qt::white, ColorFromBgr(colorMovRegAkku)};
    }
    return style;
}

void MemoryCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
    const QString text = index.data(Qt::DisplayRole).toString();
    const bool selected = (option.state & (QStyle::State_Selected | QStyle::State_HasFocus)) != 0;
    const MemoryCellStyle style =
        StyleForMemoryCell(text, index.column(), selected, option.palette, Ini::ColorMovRegAkku(),
                           Ini::ColorMovAkkuReg());
    if (style.useDefault) {
        OroGridDelegate::paint(painter, option, index);
        return;
    }
    painter->save();
    painter->fillRect(option.rect, style.background);
    QFont font = option.font;
    font.setBold(style.bold);
    painter->setFont(font);
    painter->setPen(style.foreground);
    const QRect textRect = option.rect.adjusted(2, 2, 0, 0);
    painter->setClipRect(option.rect);
    painter->drawText(textRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
    painter->restore();
}

} // namespace tovak
