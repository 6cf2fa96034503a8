// The projector zoom of the block diagram: a table of every widget of the diagram at 100 %
// (its rectangle, its font; the grids' row heights and column widths), applied times a
// factor. Layout changes are made at 100 % between Restore and Apply.
#pragma once

#include <QFont>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QWidget>

#include <vector>

namespace tovak {

class TOroGrid;

class DiagramZoom {
public:
    // A widget with this property set to true scales itself (it may leave the diagram).
    static constexpr const char* kZoomsItself = "zoomsItself";

    // Puts the diagram back to the table, if one is applied, and forgets it.
    void Restore();
    // Takes the table of the diagram under client as it is now (100 %), then shows it
    // times the factor; 1 takes no table.
    void Apply(QWidget* client, double factor);
    double Factor() const { return factor_; }

private:
    struct Entry {
        QPointer<QWidget> widget;
        QRect rect;
        bool placed = false; // its rectangle is its own, not a layout's
        QFont font;
        bool ownFont = false;
    };
    struct GridEntry {
        QPointer<TOroGrid> grid;
        int rowHeight = 0;
        std::vector<int> widths; // all but the last, stretched column
    };
    void Take(QWidget* w);

    std::vector<Entry> table_;
    std::vector<GridEntry> grids_;
    QPointer<QWidget> client_;
    QSize minimum_;
    double factor_ = 1.0;
};

} // namespace tovak
