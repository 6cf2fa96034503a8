#include "mainwindow/DiagramZoom.h"

#include "widgets/OroGrid.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLayout>

namespace tovak {

namespace {

QRect Scaled(const QRect& r, double f) {
    const int left = qRound(r.x() * f);
    const int top = qRound(r.y() * f);
    // Edges scaled, not sizes, so neighbours that touch keep touching.
    return QRect(QPoint(left, top),
                 QPoint(qRound((r.right() + 1) * f) - 1, qRound((r.bottom() + 1) * f) - 1));
}

bool PlacedByLayout(const QWidget* w) {
    const QWidget* parent = w->parentWidget();
    return parent != nullptr && parent->layout() != nullptr && parent->layout()->indexOf(w) >= 0;
}

} // namespace

void DiagramZoom::Take(QWidget* w) {
    if (w->property(kZoomsItself).toBool()) {
        return;
    }
    Entry e;
    e.widget = w;
    e.rect = w->geometry();
    e.placed = !w->isWindow() && !PlacedByLayout(w);
    e.ownFont = w->testAttribute(Qt::WA_SetFont) || w == client_;
    e.font = w->font();
    table_.push_back(e);
    if (auto* grid = qobject_cast<TOroGrid*>(w)) {
        GridEntry g;
        g.grid = grid;
        g.rowHeight = grid->verticalHeader()->defaultSectionSize();
        for (int c = 0; c + 1 < grid->ColCount(); ++c) {
            g.widths.push_back(grid->ColWidth(c));
        }
        grids_.push_back(g);
        // The headers keep a font of their own.
        for (QWidget* header : {static_cast<QWidget*>(grid->horizontalHeader()),
                                static_cast<QWidget*>(grid->verticalHeader())}) {
            table_.push_back({header, header->geometry(), false, header->font(), true});
        }
        return;
    }
    // The inner parts of composite controls follow their own layout.
    if (qobject_cast<QAbstractScrollArea*>(w) != nullptr ||
        qobject_cast<QComboBox*>(w) != nullptr || qobject_cast<QAbstractSpinBox*>(w) != nullptr) {
        return;
    }
    for (QWidget* child : w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!child->isWindow()) {
            Take(child);
        }
    }
}

void DiagramZoom::Apply(QWidget* client, double factor) {
    Restore();
    factor_ = factor;
    if (factor == 1.0 || client == nullptr) {
        return;
    }
    client_ = client;
    minimum_ = client->minimumSize();
    Take(client);
    // Fonts first: the grids' and labels' own size hints follow them.
    for (const Entry& e : table_) {
        if (e.widget != nullptr && e.ownFont) {
            QFont font = e.font;
            if (e.font.pointSizeF() > 0) {
                font.setPointSizeF(e.font.pointSizeF() * factor);
            } else {
                font.setPixelSize(qRound(e.font.pixelSize() * factor));
            }
            e.widget->setFont(font);
        }
    }
    for (const Entry& e : table_) {
        if (e.widget != nullptr && e.placed && e.widget != client) {
            e.widget->setGeometry(Scaled(e.rect, factor));
        }
    }
    for (const GridEntry& g : grids_) {
        if (g.grid == nullptr) {
            continue;
        }
        g.grid->SetDefaultRowHeight(qRound(g.rowHeight * factor));
        for (std::size_t c = 0; c < g.widths.size(); ++c) {
            g.grid->SetColWidth(static_cast<int>(c), qRound(g.widths[c] * factor));
        }
    }
    client->setMinimumSize((QSizeF(minimum_) * factor).toSize());
}

void DiagramZoom::Restore() {
    if (client_ == nullptr) {
        table_.clear();
        grids_.clear();
        factor_ = 1.0;
        return;
    }
    for (const Entry& e : table_) {
        if (e.widget == nullptr) {
            continue;
        }
        if (e.ownFont) {
            e.widget->setFont(e.font);
        }
        if (e.placed && e.widget != client_) {
            e.widget->setGeometry(e.rect);
        }
    }
    for (const GridEntry& g : grids_) {
        if (g.grid == nullptr) {
            continue;
        }
        g.grid->SetDefaultRowHeight(g.rowHeight);
        for (std::size_t c = 0; c < g.widths.size(); ++c) {
            g.grid->SetColWidth(static_cast<int>(c), g.widths[c]);
        }
    }
    client_->setMinimumSize(minimum_);
    client_ = nullptr;
    table_.clear();
    grids_.clear();
    factor_ = 1.0;
}

} // namespace tovak
