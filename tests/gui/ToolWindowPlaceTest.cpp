// The output, remarks and debug windows come back where the user put them: after closing,
// after a load and after a restart, but never off every screen.
#include "GuiFixture.h"

#include "dialogs/Ausgabe.h"
#include "dialogs/Debug.h"
#include "dialogs/TovakRemark.h"

#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSettings>
#include <QTextBlock>
#include <QTextLayout>

namespace tovak::test {
namespace {

class ToolWindowPlace : public GuiTest {
protected:
    void SetUp() override {
        QSettings("KORVALD", "TOVAK").remove("Fenster");
        GuiTest::SetUp();
    }

    // The window as a restart would make it.
    void Neustart() {
        window.reset();
        window = std::make_unique<TFMain>(800);
        window->Hooks().numberInput = [this] { return zahl; };
        window->show();
    }

    // Each window opened as its menu item opens it.
    QWidget* Oeffne(const char* name) {
        if (QByteArray(name) == "FAusgabe") {
            window->MnShowAusgabefensterClick();
            return window->Ausgabe();
        }
        if (QByteArray(name) == "FDebug") {
            window->MnDebugfensterClick();
            return window->Debug();
        }
        window->MnTovakRemarkClick();
        return window->TovakRemark();
    }
};

TEST_F(ToolWindowPlace, MovedOrResizedComesBackThereAfterCloseLoadAndRestart) {
    const QString program = Programm("schleife.CPU", kSchleife);
    for (const char* name : {"FAusgabe", "FDebug", "FTovakRemark"}) {
        SCOPED_TRACE(name);
        QWidget* w = Oeffne(name);
        ASSERT_NE(w, nullptr);
        const QPoint first = w->pos();
        // Opening again without a move stores nothing: it stays with the main window.
        w->close();
        w = Oeffne(name);
        EXPECT_EQ(w->pos(), first);
        EXPECT_FALSE(QSettings("KORVALD", "TOVAK").contains(QString("Fenster/%1/Links").arg(name)));

        const QRect moved(QPoint(137, 90), w->size() + QSize(41, 17));
        w->move(moved.topLeft());
        w->resize(moved.size());
        w->close();
        w = Oeffne(name);
        EXPECT_EQ(QRect(w->pos(), w->size()), moved);

        Laden(program); // the remarks window opens itself at a load
        w = Oeffne(name);
        EXPECT_EQ(QRect(w->pos(), w->size()), moved);

        Neustart();
        w = Oeffne(name);
        EXPECT_EQ(QRect(w->pos(), w->size()), moved);
        w->close();
    }
}

TEST_F(ToolWindowPlace, AStoredPlaceOffEveryScreenFallsBackToTheFirstPlace) {
    QWidget* w = Oeffne("FAusgabe");
    const QRect first(w->pos(), w->size());
    w->close();
    QRect screens;
    for (const QScreen* s : QGuiApplication::screens()) {
        screens = screens.united(s->geometry());
    }
    QSettings store("KORVALD", "TOVAK");
    store.setValue("Fenster/FAusgabe/Links", screens.right() + 50);
    store.setValue("Fenster/FAusgabe/Oben", 10);
    store.setValue("Fenster/FAusgabe/Breite", 300);
    store.setValue("Fenster/FAusgabe/Hoehe", 200);
    store.sync();
    w = Oeffne("FAusgabe");
    EXPECT_EQ(QRect(w->pos(), w->size()), first);
    // Unreadable values are no place either.
    w->close();
    store.setValue("Fenster/FAusgabe/Links", "links");
    store.sync();
    w = Oeffne("FAusgabe");
    EXPECT_EQ(QRect(w->pos(), w->size()), first);
}

TEST_F(ToolWindowPlace, RemarksWrapLongLinesWithoutChangingTheText) {
    auto* w = static_cast<TFTovakRemark*>(Oeffne("FTovakRemark"));
    const QString lang = QString("Ein langer Satz ohne Zeilenumbruch ").repeated(8);
    w->Memo1()->setPlainText(lang);
    EXPECT_EQ(w->Memo1()->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    EXPECT_EQ(w->Memo1()->document()->blockCount(), 1);
    EXPECT_GT(w->Memo1()->document()->firstBlock().layout()->lineCount(), 1);
    EXPECT_EQ(window->Diagram().memoRemark->toPlainText(), lang);
}

} // namespace
} // namespace tovak::test
