#include "mainwindow/JournalStartView.h"

#include "widgets/Animate.h"
#include "widgets/BusAnimation.h"
#include "widgets/OroGrid.h"

#include <QLabel>

namespace tovak {

void JournalStartView::Capture(QWidget* client, TOroGrid* speicher, TOroGrid* reg,
                               const BusAnimation& animation, long long taktzaehler) {
    panels_.clear();
    for (QLabel* label : client->findChildren<QLabel*>()) {
        if (!label->objectName().isEmpty()) {
            panels_.push_back({label, label->text(), label->toolTip()});
        }
    }
    clips_.clear();
    for (TAnimate* control : animation.Controls()) {
        clips_.push_back({control, control->FileName(), control->CurrentFrame()});
    }
    speicher_ = speicher;
    reg_ = reg;
    speicherRow_ = speicher->Row();
    regRow_ = reg->Row();
    taktzaehler_ = taktzaehler;
    valid_ = true;
}

bool JournalStartView::RestoreAt(long long taktzaehler) const {
    if (!valid_ || taktzaehler != taktzaehler_) {
        return false;
    }
    for (const Panel& panel : panels_) {
        if (panel.label != nullptr) {
            panel.label->setText(panel.text);
            panel.label->setToolTip(panel.tip);
        }
    }
    for (const Clip& clip : clips_) {
        if (clip.control != nullptr) {
            clip.control->Stop();
            if (clip.control->FileName() != clip.file) {
                clip.control->SetFileName(clip.file);
            }
            clip.control->Seek(clip.frame);
        }
    }
    if (speicher_ != nullptr) {
        speicher_->SetRow(speicherRow_);
    }
    if (reg_ != nullptr) {
        reg_->SetRow(regRow_);
    }
    return true;
}

} // namespace tovak
