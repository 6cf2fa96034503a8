// The command window "Befehlsauswahl": one at a time, beside the main window, and its
// requests answered by the instruction groups' menu items.
#include "GuiFixture.h"

#include "dialogs/BefehlsBottons.h"

#include <QAction>
#include <QCoreApplication>
#include <QPushButton>
#include <QScreen>

namespace tovak::test {
namespace {

using CommandWindow = GuiTest;

TEST(CommandWindowPlacement, BesideTheMainWindowOrTenPixelsBeforeTheScreenEdge) {
    struct Fall {
        int mainLeft, mainWidth, screenLeft, screenWidth, left;
    };
    for (const Fall& f : {Fall{0, 600, 0, 1920, 600}, Fall{78, 1036, 0, 1280, 1114},
                          Fall{79, 1036, 0, 1280, 1104}, Fall{300, 1036, 0, 1280, 1104},
                          Fall{2000, 600, 1920, 1920, 2600}, Fall{3000, 800, 1920, 1920, 3664}}) {
        EXPECT_EQ(
            TFBefehlsBottons::BesideLeft(f.mainLeft, f.mainWidth, 166, f.screenLeft, f.screenWidth),
            f.left)
            << f.mainLeft << " " << f.mainWidth;
    }
}

TEST_F(CommandWindow, OpensOnceAndAfreshAfterClosing) {
    window->move(40, 30);
    window->MnShowBefehlsfensterClick();
    TFBefehlsBottons* first = window->BefehlsBottons();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->windowTitle(), "Befehlsauswahl");
    EXPECT_TRUE(first->isVisible());
    EXPECT_TRUE(first->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(first->size(), QSize(166, 270));
    // The offscreen screen is narrower than the main window: the window ends 10 before its edge.
    const QRect screen = first->screen()->geometry();
    EXPECT_EQ(first->frameGeometry().right() + 1, screen.right() + 1 - 10);
    EXPECT_EQ(first->frameGeometry().top(), window->frameGeometry().top());

    first->move(5, 5);
    Control<QPushButton>("BnBefehlsfenster")->click();
    EXPECT_EQ(window->BefehlsBottons(), first);
    EXPECT_EQ(window->findChildren<TFBefehlsBottons*>().size(), 1);
    EXPECT_EQ(first->pos(), QPoint(5, 5));

    first->close();
    EXPECT_EQ(window->BefehlsBottons(), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window->findChildren<TFBefehlsBottons*>().isEmpty());
    Control<QAction>("MnShowBefehlsfenster")->trigger();
    ASSERT_NE(window->BefehlsBottons(), nullptr);
    EXPECT_EQ(window->BefehlsBottons()->frameGeometry().top(), window->frameGeometry().top());
    EXPECT_NE(window->BefehlsBottons()->pos(), QPoint(5, 5));
}

TEST_F(CommandWindow, EachButtonTriggersItsGroupsMenuItem) {
    const char* const items[] = {"MnTransportbefehle", "MnArithmetikbefehle", "MnLogikbefehle",
                                 "MnSchiebebefehle",   "MnSprungbefehle",     "MnEABefehler",
                                 "MnSteuerbefehle"};
    std::vector<std::string> triggered;
    for (const char* name : items) {
        auto* item = Control<QAction>(name);
        ASSERT_NE(item, nullptr) << name;
        // Only the request is under test here, not the dialog the item opens.
        QObject::disconnect(item, &QAction::triggered, nullptr, nullptr);
        QObject::connect(item, &QAction::triggered,
                         [&triggered, name] { triggered.push_back(name); });
    }
    window->MnShowBefehlsfensterClick();
    TFBefehlsBottons* bar = window->BefehlsBottons();
    ASSERT_NE(bar, nullptr);
    for (int group = 1; group <= 7; ++group) {
        triggered.clear();
        bar->Button(group)->click();
        EXPECT_EQ(triggered, std::vector<std::string>{items[group - 1]}) << group;
    }
    // During a run only the jump group answers, as in the menu.
    window->SetEditMode(false);
    triggered.clear();
    for (int group = 1; group <= 7; ++group) {
        bar->Button(group)->click();
    }
    EXPECT_EQ(triggered, std::vector<std::string>{"MnSprungbefehle"});
}

} // namespace
} // namespace tovak::test
