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
                          Fall{79, 1036, 0, 1280, 1104}, Fall{2000, 600, 1920, 1920, 2600}}) {
        EXPECT_EQ(
            TFBefehlsBottons::BesideLeft(f.mainLeft, f.mainWidth, 166, f.screenLeft, f.screenWidth),
            f.left)
            << f.mainLeft;
    }
}

TEST_F(CommandWindow, OpensOnceAndAfreshAfterClosing) {
    Control<QPushButton>("BnBefehlsfenster")->click();
    TFBefehlsBottons* first = window->Actions().BefehlsBottons();
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->isVisible());
    EXPECT_TRUE(first->windowFlags() & Qt::WindowStaysOnTopHint);
    // The offscreen screen is narrower than the main window: the bar ends 10 before its edge.
    EXPECT_EQ(first->frameGeometry().right(), first->screen()->geometry().right() - 10);
    EXPECT_EQ(first->frameGeometry().top(), window->frameGeometry().top());

    first->move(5, 5);
    Control<QAction>("MnShowBefehlsfenster")->trigger();
    EXPECT_EQ(window->findChildren<TFBefehlsBottons*>(), QList<TFBefehlsBottons*>{first});
    EXPECT_EQ(first->pos(), QPoint(5, 5));

    first->close();
    EXPECT_EQ(window->Actions().BefehlsBottons(), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    window->MnShowBefehlsfensterClick();
    ASSERT_NE(window->Actions().BefehlsBottons(), nullptr);
    EXPECT_EQ(window->findChildren<TFBefehlsBottons*>().size(), 1);
    EXPECT_EQ(window->Actions().BefehlsBottons()->frameGeometry().top(),
              window->frameGeometry().top());
}

TEST_F(CommandWindow, EachButtonTriggersItsGroupsMenuItem) {
    const char* const items[] = {"MnTransportbefehle", "MnArithmetikbefehle", "MnLogikbefehle",
                                 "MnSchiebebefehle",   "MnSprungbefehle",     "MnEABefehler",
                                 "MnSteuerbefehle"};
    std::vector<std::string> triggered;
    for (const char* name : items) {
        auto* item = Control<QAction>(name);
        ASSERT_NE(item, nullptr) << name;
        // The request is under test, not the dialog the item opens.
        QObject::disconnect(item, &QAction::triggered, nullptr, nullptr);
        QObject::connect(item, &QAction::triggered,
                         [&triggered, name] { triggered.push_back(name); });
    }
    window->MnShowBefehlsfensterClick();
    TFBefehlsBottons* bar = window->Actions().BefehlsBottons();
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
