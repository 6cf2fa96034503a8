// A tool window the main window keeps while it is open: forgotten when the learner closes it,
// and closed with the main window's members, while the machine it shows is still there.
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
            // Nothing it reports reaches a window that is going.
            window->disconnect();
            delete window;
        }
    }
};

} // namespace tovak
