// A tool window the main window keeps while it is open: forgotten when the learner closes it,
// and closed with the main window's members, quietly: nothing it reports reaches a window
// that is going.
#pragma once

#include <QPointer>

namespace tovak {

template <class T> class OwnedWindow : public QPointer<T> {
public:
    using QPointer<T>::QPointer;
    using QPointer<T>::operator=;
    OwnedWindow(const OwnedWindow&) = delete;
    OwnedWindow& operator=(const OwnedWindow&) = delete;
    ~OwnedWindow() {
        if (T* window = this->data()) {
            window->disconnect();
            delete window;
        }
    }
};

} // namespace tovak
