// The remarks window of the main window: at most one, editing the hidden remarks memo.
#include "dialogs/TovakRemark.h"
#include "mainwindow/Main.h"

namespace tovak {

void TFMain::MnTovakRemarkClick() {
    if (tovakRemark_ != nullptr) {
        return;
    }
    tovakRemark_ = new TFTovakRemark(this);
    connect(tovakRemark_, &TFTovakRemark::closed, this, [this] { tovakRemark_ = nullptr; });
    tovakRemark_->ShowBeside(frameGeometry().top(), frameGeometry().left(), frameGeometry().width(),
                             diagram_->memoRemark);
}

void TFMain::CloseRemarkWindow() {
    if (tovakRemark_ != nullptr) {
        // Closing writes its text back and reports it; the window frees itself.
        tovakRemark_->close();
    }
}

} // namespace tovak
