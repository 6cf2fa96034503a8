// The clip player: refusing bad files, sharing decoded clips, playing, stopping, seeking.
#include "ClipTestSupport.h"
#include "widgets/ClipCache.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

namespace tovak::test {
namespace {

TEST(Animate, RefusesUnreadableFilesAndKeepsItsClip) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QByteArray good = ReadBytes(ClipPath("Bus_rechts.avi"));
    ASSERT_GT(good.size(), 1000);

    QByteArray garbage(4096, '\0');
    for (int i = 0; i < garbage.size(); ++i) {
        garbage[i] = static_cast<char>((i * 131 + 7) % 251);
    }
    // Cut cleanly after ten whole frames: every chunk left is intact, the rest is missing.
    qsizetype cut = -1;
    for (int chunk = 0; chunk < 11; ++chunk) {
        cut = good.indexOf("00db", cut + 1);
    }
    ASSERT_GT(cut, 0);
    QByteArray badHeader = good;
    badHeader.replace(0, 4, "RIFX");
    const struct {
        const char* name;
        QByteArray bytes;
    } badFiles[] = {
        {"empty.avi", QByteArray()},
        {"garbage.avi", garbage},
        {"truncated.avi", good.left(good.size() / 2)},
        {"header_only.avi", good.left(300)},
        {"cut_between_frames.avi", good.left(cut)},
        {"not_riff.avi", badHeader},
        {"text.avi", QByteArray("Dies ist kein Film.\r\n")},
    };

    TAnimate control;
    ASSERT_TRUE(control.SetFileName(ClipPath("read.avi")));
    control.Seek(2);
    for (const auto& bad : badFiles) {
        SCOPED_TRACE(bad.name);
        const QString path = dir.filePath(bad.name);
        ASSERT_TRUE(WriteBytes(path, bad.bytes));
        EXPECT_FALSE(control.SetFileName(path));
        EXPECT_EQ(control.FileName(), ClipPath("read.avi"));
        EXPECT_EQ(control.FrameCount(), 2);
        EXPECT_EQ(control.CurrentFrame(), 2);
    }
    EXPECT_FALSE(control.SetFileName(dir.filePath("missing.avi")));
    EXPECT_FALSE(control.SetFileName(QString()));
    EXPECT_FALSE(control.SetFileName(dir.path())); // a folder
    EXPECT_EQ(control.FileName(), ClipPath("read.avi"));

    TAnimate empty;
    EXPECT_FALSE(empty.SetFileName(dir.filePath("garbage.avi")));
    EXPECT_EQ(empty.FrameCount(), 0);
    EXPECT_EQ(empty.FileName(), QString());
}

TEST(Animate, DecodedClipsAreSharedButAChangedFileIsReadAgain) {
    EXPECT_EQ(LoadClip(ClipPath("write.avi")).get(), LoadClip(ClipPath("write.avi")).get());

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("clip.avi");
    ASSERT_TRUE(WriteBytes(path, ReadBytes(ClipPath("read.avi"))));
    TAnimate control;
    ASSERT_TRUE(control.SetFileName(path));
    EXPECT_EQ(control.FrameCount(), 2);

    ASSERT_TRUE(WriteBytes(path, ReadBytes(ClipPath("Bus_oben.avi"))));
    ASSERT_TRUE(control.SetFileName(path));
    EXPECT_EQ(control.FrameCount(), 19);
}

TEST(Animate, LoadingShowsTheFirstFrameAndStops) {
    TAnimate control;
    EXPECT_EQ(control.CurrentFrame(), 0);
    ASSERT_TRUE(control.SetFileName(ClipPath("Bus_oben.avi")));
    EXPECT_EQ(control.CurrentFrame(), 1);
    control.Play(1, 19);
    ASSERT_TRUE(control.Active());
    ASSERT_TRUE(control.SetFileName(ClipPath("Bus_unten.avi")));
    EXPECT_FALSE(control.Active());
    EXPECT_EQ(control.CurrentFrame(), 1);
}

TEST(Animate, PlayLoopsTheClampedRangeUntilStopped) {
    TAnimate control;
    ASSERT_TRUE(control.SetFileName(ClipPath("Bus_links.avi")));

    control.Play(17, 500); // beyond the clip: plays 17..19 and wraps back to 17
    EXPECT_TRUE(control.Active());
    EXPECT_EQ(control.CurrentFrame(), 17);
    const std::vector<int> seen = WatchFrames(control, 5);
    EXPECT_EQ(seen, (std::vector<int>{17, 18, 19, 17, 18, 19}));

    control.Stop();
    EXPECT_FALSE(control.Active());
    EXPECT_EQ(control.CurrentFrame(), 19); // stays on the frame it stopped at

    control.Play(-4, 2); // below the clip: plays 1..2
    const std::vector<int> low = WatchFrames(control, 3);
    EXPECT_EQ(low, (std::vector<int>{1, 2, 1, 2}));

    control.Play(6, 4); // reversed bounds play the same range
    const std::vector<int> reversed = WatchFrames(control, 3);
    EXPECT_EQ(reversed, (std::vector<int>{4, 5, 6, 4}));
}

TEST(Animate, SeekStopsAndShowsOneClampedFrame) {
    TAnimate control;
    ASSERT_TRUE(control.SetFileName(ClipPath("Bus_rechts.avi")));
    control.Play(1, 19);
    control.Seek(7);
    EXPECT_FALSE(control.Active());
    EXPECT_EQ(control.CurrentFrame(), 7);
    control.Seek(0);
    EXPECT_EQ(control.CurrentFrame(), 1);
    control.Seek(1000);
    EXPECT_EQ(control.CurrentFrame(), 19);
}

TEST(Animate, WithoutAClipEverythingIsQuietlyIgnored) {
    TAnimate control;
    control.Play(1, 19);
    EXPECT_FALSE(control.Active());
    control.Seek(3);
    control.Stop();
    EXPECT_EQ(control.CurrentFrame(), 0);
    EXPECT_EQ(control.FrameCount(), 0);
    const QImage shot = control.grab().toImage();
    EXPECT_FALSE(shot.isNull());
}

} // namespace
} // namespace tovak::test
