#include "devwindow/ScaleShots.h"

#include "dialogs/Ausgabe.h"
#include "dialogs/Debug.h"
#include "dialogs/InputValue.h"
#include "mainwindow/Main.h"

#include <QAction>
#include <QApplication>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScreen>
#include <QTimer>

#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace tovak {

namespace {

// One picture: Prepare sets the window up and names the widget to picture; nullptr means
// the whole screen, as the user sees it. A further dialog is one more entry in Views().
struct View {
    const char* name;
    std::function<QWidget*(TFMain&)> prepare;
};

std::vector<View> Views() {
    return {
        {"fenster",
         [](TFMain& w) -> QWidget* {
             // Mid-run with the output and debug windows open, as in a lesson.
             w.Hooks().numberInput = [] { return 42; };
             w.MnShowAusgabefensterClick();
             w.MnDebugfensterClick();
             w.Debug()->Memo1()->setPlainText(QStringLiteral("12"));
             w.MnProgrammstartClick();
             w.Run().Clock()->stop();
             for (int i = 1; i < 46; ++i) {
                 w.MnTaktClick();
             }
             // Running, but no tick comes before the picture.
             w.Run().SetTempo(60000, false);
             w.BnProgrammReStartClick();
             return nullptr;
         }},
        // The main window alone: the tool windows cover parts of it on the screen.
        {"hauptfenster", [](TFMain& w) -> QWidget* { return &w; }},
        {"ausgabe", [](TFMain& w) -> QWidget* { return w.Ausgabe(); }},
        {"debug", [](TFMain& w) -> QWidget* { return w.Debug(); }},
        {"programmtext",
         [](TFMain& w) -> QWidget* {
             // The running program as text, the line of the IP highlighted.
             w.MnProgrammtextClick();
             w.Programmtext()->BnAusDemSpeicherClick();
             return w.Programmtext();
         }},
        {"eingabe",
         [](TFMain& w) -> QWidget* {
             auto* dialog = new TFInputValue(&w);
             dialog->setAttribute(Qt::WA_DeleteOnClose);
             dialog->show();
             return nullptr; // where it lands on the screen matters too
         }},
        {"eingabe-dialog",
         [](TFMain& w) -> QWidget* {
             for (QWidget* top : QApplication::topLevelWidgets()) {
                 if (qobject_cast<TFInputValue*>(top) != nullptr) {
                     return top;
                 }
             }
             return &w;
         }},
        {"gross",
         [](TFMain& w) -> QWidget* {
             for (QWidget* top : QApplication::topLevelWidgets()) {
                 if (qobject_cast<TFInputValue*>(top) != nullptr) {
                     top->close();
                 }
             }
             if (QAction* normal =
                     w.findChild<QAction*>(QStringLiteral("MnShowNormaldarstellung"))) {
                 normal->trigger();
             }
             return &w;
         }},
    };
}

class ShotRunner final : public QObject {
public:
    ShotRunner(TFMain& window, QString prefix)
        : QObject(&window), window_(window), prefix_(std::move(prefix)), views_(Views()) {}

    void Next() {
        if (index_ >= views_.size()) {
            QApplication::exit(failed_ ? 1 : 0);
            return;
        }
        QPointer<QWidget> target = views_[index_].prepare(window_);
        const bool whole = target == nullptr;
        // Time for layouts, the first paint and the clips to load.
        QTimer::singleShot(400, this, [this, target, whole] {
            Save(target, whole);
            ++index_;
            Next();
        });
    }

private:
    void Save(const QPointer<QWidget>& target, bool whole) {
        const QString file = prefix_ + QLatin1Char('-') + QString::fromLatin1(views_[index_].name) +
                             QStringLiteral(".png");
        QPixmap picture;
        if (whole) {
            if (QScreen* screen = window_.screen()) {
                picture = screen->grabWindow(0);
            }
        } else if (target != nullptr) {
            picture = target->grab();
        }
        const bool saved = !picture.isNull() && picture.save(file);
        failed_ = failed_ || !saved;
        std::fprintf(stderr, "%s %s\n", saved ? "saved" : "could not save", qPrintable(file));
    }

    TFMain& window_;
    QString prefix_;
    std::vector<View> views_;
    std::size_t index_ = 0;
    bool failed_ = false;
};

} // namespace

void TakeScaleShots(TFMain& window, const QString& prefix) {
    auto* runner = new ShotRunner(window, prefix);
    runner->Next();
}

} // namespace tovak
