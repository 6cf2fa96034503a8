// The projector zoom: the whole diagram grows by the factor, at once, is stored with the
// settings, and layout changes made while zoomed end where they end at 100 %.
#include "GuiFixture.h"

#include "mainwindow/Ini.h"
#include "mainwindow/TempoControl.h"
#include "widgets/Animate.h"
#include "widgets/OroGrid.h"

#include <QAction>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>

namespace tovak::test {
namespace {

class Zoom : public GuiTest {
protected:
    void TearDown() override { Ini::SetZoom(100); }

    QRect Box(const char* name) const { return Control(name)->geometry(); }
    int RowHeight() const {
        return window->Diagram().gridSpeicher->verticalHeader()->defaultSectionSize();
    }
    double Points(const char* name) const { return Control(name)->font().pointSizeF(); }
    bool Checked(const char* item) const {
        return window->findChild<QAction*>(QString::fromLatin1(item))->isChecked();
    }
};

TEST_F(Zoom, EverythingGrowsTogetherAndComesBackExactly) {
    const QRect speicher = Box("GroupBoxSpeicher");
    const QRect akku = Box("PanelAkku");
    const QRect bus = Box("ImageAdressbus");
    const QRect clip = Box("m_Sp_Db");
    const int row = RowHeight();
    const int adr = window->Diagram().gridSpeicher->ColWidth(0);
    const double panel = Points("PanelAkku");
    EXPECT_TRUE(Checked("MnZoom100"));

    window->findChild<QAction*>(QStringLiteral("MnZoom200"))->trigger();
    EXPECT_EQ(Ini::Zoom(), 200);
    EXPECT_EQ(Ini::ReadInteger(QStringLiteral("Zoom"), 0), 200);
    EXPECT_TRUE(Checked("MnZoom200"));
    EXPECT_FALSE(Checked("MnZoom100"));
    EXPECT_EQ(Box("GroupBoxSpeicher").topLeft(), speicher.topLeft() * 2);
    EXPECT_EQ(Box("GroupBoxSpeicher").size(), speicher.size() * 2);
    EXPECT_EQ(Box("PanelAkku").size(), akku.size() * 2);
    EXPECT_EQ(Box("ImageAdressbus").size(), bus.size() * 2);
    EXPECT_EQ(Box("m_Sp_Db").size(), clip.size() * 2);
    EXPECT_EQ(RowHeight(), row * 2);
    EXPECT_EQ(window->Diagram().gridSpeicher->ColWidth(0), adr * 2);
    EXPECT_DOUBLE_EQ(Points("PanelAkku"), panel * 2);
    EXPECT_DOUBLE_EQ(window->Diagram().gridSpeicher->horizontalHeader()->font().pointSizeF(),
                     window->Diagram().gridSpeicher->font().pointSizeF());

    // The keys step through the list and stop at its ends.
    window->ZoomStep(-1);
    EXPECT_EQ(Ini::Zoom(), 150);
    EXPECT_EQ(Box("GroupBoxSpeicher").size(), speicher.size() * 1.5);
    window->ZoomStep(1);
    window->ZoomStep(1);
    EXPECT_EQ(Ini::Zoom(), 200);
    window->findChild<QAction*>(QStringLiteral("MnZoomNormal"))->trigger();
    EXPECT_EQ(Ini::Zoom(), 100);
    window->ZoomStep(-1);
    EXPECT_EQ(Ini::Zoom(), 100);
    EXPECT_EQ(Box("GroupBoxSpeicher"), speicher);
    EXPECT_EQ(Box("PanelAkku"), akku);
    EXPECT_EQ(Box("m_Sp_Db"), clip);
    EXPECT_EQ(RowHeight(), row);
    EXPECT_EQ(window->Diagram().gridSpeicher->ColWidth(0), adr);
    EXPECT_DOUBLE_EQ(Points("PanelAkku"), panel);
}

// The tempo is not part of the diagram's table: it grows with the toolbar itself and, where
// the zoomed toolbar is wider than the window, shows in the status bar.
TEST_F(Zoom, TempoGrowsWithTheToolbarAndStaysInView) {
    auto* tempo = window->findChild<TempoControl*>("Tempo");
    ASSERT_NE(tempo, nullptr);
    const auto settle = [] {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    };
    window->resize(1600, window->height());
    settle();
    ASSERT_FALSE(tempo->OutsideToolbar());
    const QRect home = tempo->geometry();
    const double points = tempo->Label()->font().pointSizeF();

    for (const int breite : {4000, 900}) {
        window->findChild<QAction*>(QStringLiteral("MnZoom200"))->trigger();
        window->resize(breite, window->height());
        settle();
        EXPECT_DOUBLE_EQ(tempo->Label()->font().pointSizeF(), points * 2);
        ASSERT_TRUE(tempo->isVisible());
        if (tempo->OutsideToolbar()) {
            const QRect shown(tempo->mapTo(window.get(), QPoint(0, 0)), tempo->size());
            EXPECT_TRUE(window->rect().contains(shown)) << breite;
        } else {
            EXPECT_EQ(tempo->geometry().topLeft(), home.topLeft() * 2) << breite;
            EXPECT_EQ(tempo->width(), home.width() * 2) << breite;
        }
        EXPECT_LE(tempo->Label()->fontMetrics().horizontalAdvance(tempo->Label()->text()),
                  tempo->Label()->width());
        window->findChild<QAction*>(QStringLiteral("MnZoomNormal"))->trigger();
        window->resize(1600, window->height());
        settle();
        EXPECT_FALSE(tempo->OutsideToolbar());
        EXPECT_EQ(tempo->geometry(), home);
        EXPECT_DOUBLE_EQ(tempo->Label()->font().pointSizeF(), points);
    }
}

TEST_F(Zoom, LayoutsChangedWhileZoomedMatchThoseAt100) {
    window->ApplySpeicherMaximal(true);
    const QRect maximal = Box("GroupBoxSpeicher");
    window->ApplySpeicherMaximal(false);
    const QRect normal = Box("GroupBoxSpeicher");

    window->SetZoom(125);
    window->ApplySpeicherMaximal(true);
    // Edges are scaled, so a size may differ from the scaled size by the rounding.
    EXPECT_NEAR(Box("GroupBoxSpeicher").height(), maximal.height() * 1.25, 1);
    EXPECT_NEAR(Box("GroupBoxSpeicher").width(), maximal.width() * 1.25, 1);
    EXPECT_FALSE(Control("PDatenBus")->isVisible());
    window->ApplySpeicherMaximal(false);
    window->SetZoom(100);
    EXPECT_EQ(Box("GroupBoxSpeicher"), normal);

    // The enlarged view keeps its own sizes; the zoom comes back with the normal view.
    window->SetZoom(150);
    QAction* normalView = window->findChild<QAction*>(QStringLiteral("MnShowNormaldarstellung"));
    normalView->trigger();
    ASSERT_TRUE(window->Diagram().IsEnlarged());
    EXPECT_DOUBLE_EQ(Control("GroupBoxSpeicher")->font().pointSizeF(), 18);
    window->SetZoom(200);
    EXPECT_DOUBLE_EQ(Control("GroupBoxSpeicher")->font().pointSizeF(), 18);
    normalView->trigger();
    EXPECT_FALSE(window->Diagram().IsEnlarged());
    EXPECT_EQ(Box("GroupBoxSpeicher").size(), normal.size() * 2);
}

TEST_F(Zoom, StoredZoomIsRestoredAtStartAndNonsenseFallsBack) {
    Ini::SetZoom(150);
    Ini::Load();
    TFMain zoomed(800);
    EXPECT_DOUBLE_EQ(zoomed.ZoomFactor(), 1.5);
    EXPECT_TRUE(zoomed.findChild<QAction*>(QStringLiteral("MnZoom150"))->isChecked());

    Ini::WriteInteger(QStringLiteral("Zoom"), 170);
    Ini::Load();
    EXPECT_EQ(Ini::Zoom(), 100);
}

} // namespace
} // namespace tovak::test
