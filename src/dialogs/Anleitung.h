// "Hilfe › Anleitung": the guide for teachers and learners, HTML pages shipped inside the
// program, in a window of its own beside the simulator.
#pragma once

#include <QWidget>

class QTextBrowser;
class QToolButton;

namespace tovak {

class TFAnleitung final : public QWidget {
    Q_OBJECT

public:
    static constexpr const char* kStart = "qrc:/anleitung/index.html";

    explicit TFAnleitung(QWidget* parent = nullptr);

    // Makes the pages under ":/anleitung" available (done by the constructor).
    static void SeitenEinbinden();

    // The one guide window of parent: raised if open, else opened at the contents page.
    static TFAnleitung* Zeige(QWidget* parent);

    QTextBrowser* Browser() const { return browser_; }

private:
    QTextBrowser* browser_ = nullptr;
    QToolButton* zurueck_ = nullptr;
    QToolButton* vor_ = nullptr;
};

} // namespace tovak
