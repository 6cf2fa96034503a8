// Default cell painter of TOroGrid: the style's background and selection, the text 2 pixels
// from the left edge and never elided. Column fitting adds 5 pixels to the widest text, which
// leaves no room for the wider padding and the ellipsis of the stock delegate.
#pragma once

#include <QStyledItemDelegate>

namespace tovak {

class OroGridDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    static constexpr int kTextLeft = 2;

    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};

} // namespace tovak
