// The clips written by the build: readable by the decoder, right size and length, and
// showing what their names promise.
#include "ClipTestSupport.h"
#include "widgets/ClipDecoder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <limits>

namespace tovak::test {
namespace {

struct ClipExpectation {
    const char* name;
    int frames;
    int intervalMs;
};

constexpr ClipExpectation kClips[] = {
    {"Bus_links.avi", 19, 50}, {"Bus_rechts.avi", 19, 50}, {"Bus_oben.avi", 19, 50},
    {"Bus_unten.avi", 19, 50}, {"read.avi", 2, 200},       {"write.avi", 2, 200},
    {"Rg_read.avi", 2, 200},   {"Rg_write.avi", 2, 200},   {"IO_Read.avi", 2, 200},
    {"IO_Write.avi", 2, 200},  {"Pfeil_re.avi", 2, 200},   {"Pfeil_ho.avi", 2, 200},
    {"Pfeil_ru.avi", 2, 200},
};

TEST(ClipFiles, AllThirteenDecodeWithTheirSizeLengthAndRate) {
    for (const auto& expected : kClips) {
        SCOPED_TRACE(expected.name);
        auto clip = DecodeClip(ClipPath(expected.name));
        ASSERT_TRUE(clip);
        EXPECT_EQ(clip->frames.size(), expected.frames);
        EXPECT_EQ(clip->frameIntervalMs, expected.intervalMs);
        for (const QImage& frame : clip->frames) {
            // Twice the control's size, so a doubled desktop scale still draws them sharp.
            EXPECT_EQ(frame.size(), QSize(64, 64));
        }
        // The plain background is see-through; the drawing itself is not.
        const QImage& first = clip->frames.front();
        EXPECT_EQ(qAlpha(first.pixel(0, 0)), 0);
        EXPECT_EQ(qAlpha(first.pixel(32, 32)), 255);
        // Every clip changes between its first two frames (moves or blinks).
        EXPECT_NE(clip->frames.at(0), clip->frames.at(1));
    }
}

// A frame at the control's 32 pixels, where the checks below measure.
QImage AtControlSize(const QImage& frame) {
    return frame.scaled(32, 32, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// Brightness along the middle line of the bus band (a row or a column of the frame).
std::vector<int> MiddleLine(const QImage& original, bool horizontal) {
    const QImage frame = AtControlSize(original);
    std::vector<int> line;
    for (int i = 0; i < 32; ++i) {
        line.push_back(qGray(horizontal ? frame.pixel(i, 16) : frame.pixel(16, i)));
    }
    return line;
}

// The shift (in pixels, positive = towards larger x or y) that best maps a onto b.
int BestShift(const std::vector<int>& a, const std::vector<int>& b) {
    int best = 0;
    long bestError = std::numeric_limits<long>::max();
    for (int shift = -6; shift <= 6; ++shift) {
        long error = 0;
        for (int i = 6; i < 26; ++i) {
            error += std::labs(static_cast<long>(b[i]) - a[i - shift]);
        }
        if (error < bestError) {
            bestError = error;
            best = shift;
        }
    }
    return best;
}

TEST(ClipFiles, BusPatternsMoveInTheDirectionOfTheirName) {
    struct Case {
        const char* name;
        bool horizontal;
        int sign;
    };
    for (const Case& c : {Case{"Bus_links.avi", true, -1}, Case{"Bus_rechts.avi", true, +1},
                          Case{"Bus_oben.avi", false, -1}, Case{"Bus_unten.avi", false, +1}}) {
        SCOPED_TRACE(c.name);
        auto clip = DecodeClip(ClipPath(c.name));
        ASSERT_TRUE(clip);
        for (int f = 0; f < clip->frames.size(); ++f) {
            const QImage& next = clip->frames.at((f + 1) % clip->frames.size());
            const int shift = BestShift(MiddleLine(clip->frames.at(f), c.horizontal),
                                        MiddleLine(next, c.horizontal));
            EXPECT_TRUE(shift * c.sign >= 2 && shift * c.sign <= 3) << "frame " << f + 1;
        }
    }
}

// Opaque pixels in one row of a frame.
int OpaqueInRow(const QImage& original, int y) {
    const QImage frame = AtControlSize(original);
    int count = 0;
    for (int x = 0; x < frame.width(); ++x) {
        count += qAlpha(frame.pixel(x, y)) > 128 ? 1 : 0;
    }
    return count;
}

TEST(ClipFiles, ArrowsPointUpAndDownTheRightWay) {
    // The tip is a few pixels wide, the tail as wide as the shaft: a frame stored upside
    // down would swap them.
    auto up = DecodeClip(ClipPath("Pfeil_ho.avi"));
    auto down = DecodeClip(ClipPath("Pfeil_ru.avi"));
    ASSERT_TRUE(up && down);
    EXPECT_LT(OpaqueInRow(up->frames.at(1), 4), OpaqueInRow(up->frames.at(1), 27));
    EXPECT_GT(OpaqueInRow(down->frames.at(1), 4), OpaqueInRow(down->frames.at(1), 27));
}

} // namespace
} // namespace tovak::test
