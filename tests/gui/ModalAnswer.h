// Answers a modal dialog from inside its own event loop: `open` shows the dialog, `answer`
// acts on it once it is up. Whatever is still open afterwards is closed, so a test never
// hangs in a dialog; the caption of the dialog that appeared is returned.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <functional>

namespace tovak::test {

template <class D = QDialog>
QString AnswerModal(const std::function<void()>& open, const std::function<void(D&)>& answer = {}) {
    QString caption = QStringLiteral("<kein Dialog>");
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) {
            return;
        }
        caption = modal->windowTitle();
        auto* dialog = qobject_cast<D*>(modal);
        if (dialog != nullptr && answer) {
            answer(*dialog);
        }
        if (modal->isVisible()) {
            modal->close();
        }
    });
    open();
    return caption;
}

} // namespace tovak::test
