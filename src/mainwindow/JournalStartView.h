// What the window showed before the first micro-step that "Takt zurück" can undo. The window
// clears some panels itself (STOP, "Start von 0") and the clips and grid rows are its own, so
// the machine's undo alone would bring back what it last wrote before that step; stepping
// back to the start shows this picture again instead.
#pragma once

#include <QPointer>
#include <QString>

#include <vector>

class QLabel;
class QWidget;

namespace tovak {

class BusAnimation;
class TAnimate;
class TOroGrid;

class JournalStartView {
public:
    // taktzaehler: the control unit's count of micro-steps at this moment, which tells
    // whether an undo has arrived back here.
    void Capture(QWidget* client, TOroGrid* speicher, TOroGrid* reg, const BusAnimation& animation,
                 long long taktzaehler);
    void Forget() { valid_ = false; }
    bool Valid() const { return valid_; }
    // Shows the picture again when the count is the captured one; true when it did.
    bool RestoreAt(long long taktzaehler) const;

private:
    struct Panel {
        QPointer<QLabel> label;
        QString text;
        QString tip;
    };
    struct Clip {
        QPointer<TAnimate> control;
        QString file;
        int frame = 1;
    };

    std::vector<Panel> panels_;
    std::vector<Clip> clips_;
    QPointer<TOroGrid> speicher_;
    QPointer<TOroGrid> reg_;
    int speicherRow_ = 0;
    int regRow_ = 0;
    long long taktzaehler_ = 0;
    bool valid_ = false;
};

} // namespace tovak
