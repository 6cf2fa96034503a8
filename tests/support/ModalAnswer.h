// Answers the next modal dialog the code under test opens: once its modal loop runs, the
// answer gets the real dialog and works it with keys or clicks. A dialog the answer leaves
// open is cancelled, so a faulty dialog cannot hang the test.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <utility>

namespace tovak::test {

class ModalAnswer {
public:
    explicit ModalAnswer(std::function<void(QDialog&)> answer) : answer_(std::move(answer)) {
        timer_.setSingleShot(true);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Answer(); });
        timer_.start(0);
    }

    // The dialog that was answered (its object name), empty when none opened.
    QString Seen() const { return seen_; }
    bool LeftOpen() const { return leftOpen_; }

private:
    void Answer() {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            return;
        }
        seen_ = dialog->objectName();
        answer_(*dialog);
        if (dialog->isVisible()) {
            leftOpen_ = true;
            dialog->reject();
        }
    }

    std::function<void(QDialog&)> answer_;
    QTimer timer_;
    QString seen_;
    bool leftOpen_ = false;
};

} // namespace tovak::test
