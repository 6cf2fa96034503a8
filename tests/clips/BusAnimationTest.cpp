// The bus animation: which controls play which clip after each micro-step.
#include "widgets/BusAnimation.h"
#include "ClipTestSupport.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace tovak::test {
namespace {

class BusAnimationTest : public ::testing::Test {
protected:
    BusAnimationTest() { panel.resize(1036, 734); }

    TAnimate* C(const char* name) const {
        TAnimate* control = anim.Control(QString::fromLatin1(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    QString Clip(const char* name) const { return QFileInfo(C(name)->FileName()).fileName(); }
    std::set<QString> Playing() const {
        std::set<QString> names;
        for (TAnimate* control : anim.Controls()) {
            if (control->Active()) {
                names.insert(control->objectName());
            }
        }
        return names;
    }
    // As run control does it: every step begins with the clips stopped.
    UpdateResult Step(int code) {
        anim.StopAnimation();
        return anim.OnUpdate(code);
    }

    QWidget panel;
    BusAnimation anim{&panel, ClipDir()};
};

TEST_F(BusAnimationTest, CreatesTheNineteenControlsInPlaceWithTheirStartClips) {
    const std::map<QString, QString> startClips{
        {"m_EA_Db", "Bus_oben.avi"},     {"m_Sp_Db", "Bus_oben.avi"},
        {"m_Akku_Db", "Bus_rechts.avi"}, {"m_Sw_Db", "Bus_rechts.avi"},
        {"m_Reg_Db", "Bus_oben.avi"},    {"m_Sp_Ab", "Bus_oben.avi"},
        {"m_Reg_Ab", "Bus_oben.avi"},    {"m_Sw_Ab", "Bus_unten.avi"},
        {"m_Sp_Read", "read.avi"},       {"m_Sp_Write", "write.avi"},
        {"m_Akku_Read", "read.avi"},     {"m_Akku_Write", "write.avi"},
        {"m_Reg_Read", "Rg_read.avi"},   {"m_Reg_Write", "Rg_write.avi"},
        {"m_EA_Read", "IO_Read.avi"},    {"m_EA_Write", "IO_Write.avi"},
        {"m_Pfeil_Rw", "Pfeil_re.avi"},  {"m_SW_RW", "Pfeil_ho.avi"},
        {"m_RW_SW", "Pfeil_ru.avi"},
    };
    ASSERT_EQ(anim.Controls().size(), 19u);
    for (TAnimate* control : anim.Controls()) {
        SCOPED_TRACE(control->objectName().toStdString());
        ASSERT_EQ(startClips.count(control->objectName()), 1u);
        EXPECT_EQ(QFileInfo(control->FileName()).fileName(), startClips.at(control->objectName()));
        EXPECT_EQ(control->parentWidget(), &panel);
        EXPECT_EQ(control->size(), QSize(32, 32));
        EXPECT_FALSE(control->Active());
        EXPECT_EQ(control->CurrentFrame(), 1);
    }
    EXPECT_EQ(C("m_Sp_Db")->pos(), QPoint(90, 172));
    EXPECT_EQ(C("m_Sw_Ab")->pos(), QPoint(664, 520));
    EXPECT_EQ(C("m_RW_SW")->pos(), QPoint(852, 196));
    EXPECT_EQ(anim.Control("m_Gibt_Es_Nicht"), nullptr);

    // What an installation must hold: every start clip and every bus direction, each once,
    // and all of them written by the clip generator.
    EXPECT_EQ(anim.ClipFiles().size(), 13);
    for (const QString& clip : anim.ClipFiles()) {
        EXPECT_TRUE(QFileInfo::exists(ClipPath(clip))) << clip.toStdString();
    }
}

TEST_F(BusAnimationTest, EachCodePlaysItsControls) {
    const std::map<int, std::set<QString>> expected{
        {1, {"m_Sw_Ab", "m_Sp_Ab"}},
        {2, {"m_Sw_Db", "m_Sp_Db", "m_Sp_Read"}},
        {4, {"m_Sw_Ab", "m_Sp_Ab"}},
        {5, {"m_Sw_Db", "m_Sp_Db", "m_Sp_Read"}},
        {6, {"m_Akku_Db", "m_Akku_Write", "m_Sw_Db"}},
        {7, {"m_Sw_Ab", "m_Sp_Ab"}},
        {8, {"m_Sw_Ab", "m_Reg_Ab"}},
        {9, {"m_Pfeil_Rw"}},
        {10, {"m_Sp_Db", "m_Sp_Read"}},
        {11, {"m_Reg_Db", "m_Reg_Read"}},
        {12, {"m_Akku_Db", "m_Akku_Read"}},
        {13, {"m_EA_Db", "m_EA_Read"}},
        {14, {"m_Sp_Db", "m_Sp_Write"}},
        {15, {"m_Reg_Db", "m_Reg_Write"}},
        {16, {"m_Akku_Db", "m_Akku_Write"}},
        {17, {"m_EA_Db", "m_EA_Write"}},
        {23, {"m_Sp_Db", "m_Sp_Write"}},
        {24, {"m_Sp_Db", "m_Sp_Write"}},
        {25, {"m_Sp_Db", "m_Sp_Write"}},
        {27, {"m_Sp_Db", "m_Sp_Read"}},
        {28, {"m_Sp_Db", "m_Sp_Read"}},
        {29, {"m_Sp_Db", "m_Sp_Read"}},
    };
    for (const auto& [code, controls] : expected) {
        SCOPED_TRACE(code);
        EXPECT_EQ(Step(code).AnimPhase, code);
        EXPECT_EQ(Playing(), controls);
    }
    anim.StopAnimation();
    EXPECT_TRUE(Playing().empty());
}

TEST_F(BusAnimationTest, DirectionsFollowTheDataAndStayUntilChanged) {
    Step(2); // "Befehl lesen": from memory up, into the control unit
    EXPECT_EQ(Clip("m_Sp_Db"), "Bus_oben.avi");
    EXPECT_EQ(Clip("m_Sw_Db"), "Bus_rechts.avi");

    Step(6); // "Konstante in Akku": out of the control unit, into the accumulator
    EXPECT_EQ(Clip("m_Sw_Db"), "Bus_links.avi");
    EXPECT_EQ(Clip("m_Akku_Db"), "Bus_rechts.avi");

    Step(12); // "Akku Lesezyklus" turns only the accumulator segment
    EXPECT_EQ(Clip("m_Akku_Db"), "Bus_links.avi");
    EXPECT_EQ(Clip("m_Sw_Db"), "Bus_links.avi");

    Step(2);
    EXPECT_EQ(Clip("m_Sw_Db"), "Bus_rechts.avi");

    Step(14);
    EXPECT_EQ(Clip("m_Sp_Db"), "Bus_unten.avi");
    Step(13);
    EXPECT_EQ(Clip("m_EA_Db"), "Bus_unten.avi");
    Step(17);
    EXPECT_EQ(Clip("m_EA_Db"), "Bus_oben.avi");
    Step(15);
    EXPECT_EQ(Clip("m_Reg_Db"), "Bus_unten.avi");
    Step(11);
    EXPECT_EQ(Clip("m_Reg_Db"), "Bus_oben.avi");
    Step(8);
    EXPECT_EQ(Clip("m_Reg_Ab"), "Bus_oben.avi");
    EXPECT_EQ(Clip("m_Sw_Ab"), "Bus_unten.avi");
}

TEST_F(BusAnimationTest, StopShowsTheFirstFrameOnTheUnitSegmentsAndTheMarkers) {
    Step(2);
    // Let the read marker reach its lit frame, then end the step there.
    EXPECT_EQ(WatchFrames(*C("m_Sp_Read"), 1), (std::vector<int>{1, 2}));
    anim.StopAnimation();
    EXPECT_EQ(C("m_Sp_Read")->CurrentFrame(), 1);

    Step(6);
    C("m_Akku_Db")->Seek(9);
    C("m_Sw_Db")->Seek(9);
    C("m_Sp_Db")->Seek(9);
    anim.StopAnimation();
    EXPECT_TRUE(Playing().empty());
    EXPECT_EQ(C("m_Akku_Db")->CurrentFrame(), 1);
    EXPECT_EQ(C("m_Sw_Db")->CurrentFrame(), 1);
    EXPECT_EQ(C("m_Sp_Db")->CurrentFrame(), 9); // the others stop where they are
}

TEST_F(BusAnimationTest, RegisterStepsMoveTheRegisterGridAndMemoryStepsTheMemoryGrid) {
    for (int code : {1, 2, 4, 5, 7, 10, 14, 23, 24, 25, 27, 28, 29}) {
        EXPECT_EQ(Step(code).Row, RowTarget::Memory) << code;
    }
    for (int code : {8, 11, 15}) {
        EXPECT_EQ(Step(code).Row, RowTarget::Register) << code;
    }
    for (int code : {6, 9, 12, 13, 16, 17, 18, 20, 0, 3}) {
        EXPECT_EQ(Step(code).Row, RowTarget::None) << code;
    }
}

TEST_F(BusAnimationTest, StackStepsResetTheAddressBusToItsFirstFrame) {
    for (int code : {23, 24, 25, 27, 28, 29}) {
        SCOPED_TRACE(code);
        Step(1);
        C("m_Sw_Ab")->Seek(7);
        C("m_Sp_Ab")->Seek(7);
        Step(code);
        EXPECT_EQ(C("m_Sw_Ab")->CurrentFrame(), 1);
        EXPECT_EQ(C("m_Sp_Ab")->CurrentFrame(), 1);
        EXPECT_FALSE(C("m_Sw_Ab")->Active());
        EXPECT_FALSE(C("m_Sp_Ab")->Active());
        // Pushing and restoring alike show the memory's data bus running down.
        EXPECT_EQ(Clip("m_Sp_Db"), "Bus_unten.avi");
    }
}

TEST_F(BusAnimationTest, PhaseResultForSilentAndUnknownCodes) {
    for (int code : {0, 3, 19, 21, 22, 26, 30, 31, 32, 33, 1000, -1}) {
        SCOPED_TRACE(code);
        const UpdateResult r = Step(code);
        EXPECT_EQ(r.AnimPhase, 0);
        EXPECT_EQ(r.Row, RowTarget::None);
        EXPECT_TRUE(Playing().empty());
    }
    for (int code : {18, 20}) {
        EXPECT_EQ(Step(code).AnimPhase, code);
        EXPECT_TRUE(Playing().empty());
    }
    // No micro-step yet: the phase stays "no value" and nothing changes.
    Step(6);
    const UpdateResult none = anim.OnUpdate(65536);
    EXPECT_EQ(none.AnimPhase, 65536);
    EXPECT_EQ(none.Row, RowTarget::None);
    EXPECT_EQ(Playing(), (std::set<QString>{"m_Akku_Db", "m_Akku_Write", "m_Sw_Db"}));
    EXPECT_EQ(Clip("m_Sw_Db"), "Bus_links.avi");
}

TEST_F(BusAnimationTest, SetAnimationIgnoresUnknownDirectionsAndNoControl) {
    TAnimate* sw = C("m_Sw_Db");
    for (int direction : {-1, 5, 99}) {
        anim.setAnimation(sw, direction);
        EXPECT_EQ(Clip("m_Sw_Db"), "Bus_rechts.avi");
    }
    anim.setAnimation(nullptr, 1);
    anim.setAnimation(sw, BusAnimation::PfeilRechts);
    EXPECT_EQ(Clip("m_Sw_Db"), "Pfeil_re.avi");
}

TEST_F(BusAnimationTest, HiddenControlsStillPlay) {
    anim.SetAddressBusVisible(false);
    for (const char* name : {"m_Sp_Ab", "m_Reg_Ab", "m_Sw_Ab"}) {
        EXPECT_TRUE(C(name)->isHidden()) << name;
    }
    anim.SetTopLeftDataBusVisible(false);
    EXPECT_TRUE(C("m_EA_Db")->isHidden());
    EXPECT_TRUE(C("m_Sp_Db")->isHidden());
    EXPECT_FALSE(C("m_Akku_Db")->isHidden());
    EXPECT_FALSE(C("m_Sw_Db")->isHidden());

    Step(1);
    EXPECT_TRUE(C("m_Sp_Ab")->Active());
    EXPECT_TRUE(C("m_Sw_Ab")->Active());

    anim.SetAddressBusVisible(true);
    anim.SetTopLeftDataBusVisible(true);
    EXPECT_FALSE(C("m_Sw_Ab")->isHidden());
    EXPECT_FALSE(C("m_Sp_Db")->isHidden());
}

// Every pixel of the panel has its own background colour.
bool Blank(QWidget& panel) {
    const QImage shot = panel.grab().toImage();
    const QRgb background = shot.pixel(0, 0);
    for (int y = 0; y < shot.height(); ++y) {
        for (int x = 0; x < shot.width(); ++x) {
            if (shot.pixel(x, y) != background) {
                return false;
            }
        }
    }
    return true;
}

QWidget* LightPanel() {
    auto* panel = new QWidget;
    panel->resize(1036, 734);
    panel->setAutoFillBackground(true);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, QColor(250, 250, 250));
    panel->setPalette(palette);
    return panel;
}

TEST(BusAnimationClips, WithoutClipFilesEverythingRunsAndNothingShows) {
    QTemporaryDir empty;
    ASSERT_TRUE(empty.isValid());
    std::unique_ptr<QWidget> panel(LightPanel());
    BusAnimation anim(panel.get(), empty.path());
    for (TAnimate* control : anim.Controls()) {
        EXPECT_EQ(control->FrameCount(), 0);
        EXPECT_TRUE(control->FileName().isEmpty());
    }
    for (int code = -1; code <= 33; ++code) {
        anim.StopAnimation();
        anim.OnUpdate(code);
        for (TAnimate* control : anim.Controls()) {
            EXPECT_FALSE(control->Active()) << code;
        }
    }
    anim.OnUpdate(65536);
    EXPECT_TRUE(Blank(*panel));
}

TEST(BusAnimationClips, AMissingDirectionClipKeepsTheOldOne) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const char* name : {"Bus_oben.avi", "read.avi"}) {
        ASSERT_TRUE(QFile::copy(ClipPath(name), dir.filePath(name)));
    }
    std::unique_ptr<QWidget> panel(LightPanel());
    BusAnimation anim(panel.get(), dir.path());
    TAnimate* spDb = anim.Control("m_Sp_Db");
    TAnimate* swDb = anim.Control("m_Sw_Db");
    EXPECT_EQ(swDb->FrameCount(), 0); // its start clip is missing

    anim.StopAnimation();
    anim.OnUpdate(14); // down: missing, stays up
    EXPECT_EQ(QFileInfo(spDb->FileName()).fileName(), "Bus_oben.avi");
    EXPECT_TRUE(spDb->Active());
    anim.StopAnimation();
    anim.OnUpdate(2);
    EXPECT_EQ(swDb->FrameCount(), 0);
    EXPECT_FALSE(swDb->Active());
    EXPECT_TRUE(anim.Control("m_Sp_Read")->Active());
}

TEST(BusAnimationClips, LoadedClipsShowOnThePanelAroundTransparentCorners) {
    std::unique_ptr<QWidget> panel(LightPanel());
    BusAnimation anim(panel.get(), ClipDir());
    const QImage shot = panel->grab().toImage();
    const QRgb background = qRgb(250, 250, 250);
    for (TAnimate* control : anim.Controls()) {
        SCOPED_TRACE(control->objectName().toStdString());
        const QPoint at = control->pos();
        EXPECT_EQ(shot.pixel(at), background);
        EXPECT_NE(shot.pixel(at + QPoint(16, 16)), background);
    }
}

} // namespace
} // namespace tovak::test
