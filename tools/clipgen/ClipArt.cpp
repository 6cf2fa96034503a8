#include "ClipArt.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>

namespace clipgen {
namespace {

using Inside = std::function<bool(double x, double y)>;

constexpr Rgb kBusBand{25, 70, 200};
constexpr Rgb kBusEdge{10, 35, 120};
constexpr Rgb kBusChevron{160, 205, 255};
constexpr Rgb kWhite{255, 255, 255};

struct Palette {
    Rgb strong;
    Rgb dark;
    Rgb pale;
};
constexpr Palette kGreen{{24, 150, 40}, {10, 90, 20}, {214, 240, 214}};
constexpr Palette kRed{{210, 30, 30}, {130, 10, 10}, {250, 218, 218}};
constexpr Palette kOrange{{235, 120, 0}, {150, 70, 0}, {255, 228, 196}};

Rgb Blend(Rgb under, Rgb over, double coverage) {
    auto mix = [coverage](std::uint8_t a, std::uint8_t b) {
        return static_cast<std::uint8_t>(std::lround(a + (b - a) * coverage));
    };
    return {mix(under.r, over.r), mix(under.g, over.g), mix(under.b, over.b)};
}

// Paints a shape (given in drawing units) with 4 x 4 supersampling per pixel, so edges stay
// smooth.
void Paint(Image& image, Rgb colour, const Inside& inside) {
    constexpr int kSamples = 4;
    constexpr double kUnit = 1.0 / kPixelsPerUnit;
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) {
            int hits = 0;
            for (int sy = 0; sy < kSamples; ++sy) {
                for (int sx = 0; sx < kSamples; ++sx) {
                    if (inside((x + (sx + 0.5) / kSamples) * kUnit,
                               (y + (sy + 0.5) / kSamples) * kUnit)) {
                        ++hits;
                    }
                }
            }
            if (hits > 0) {
                image.Set(x, y, Blend(image.At(x, y), colour, hits / double(kSamples * kSamples)));
            }
        }
    }
}

// ---- bus ------------------------------------------------------------------

Image BusFrame(Direction direction, int frame) {
    constexpr double kCentre = kClipSize / 2.0;
    constexpr double kHalfBand = 8.0;
    constexpr double kPeriod = 16.0;
    constexpr double kStripe = 7.0;
    // Three periods per loop: a seamless cycle of 19 frames at about 2.5 pixels a step.
    const double offset = frame * 3.0 * kPeriod / kBusFrames;
    const bool horizontal = direction == Direction::Left || direction == Direction::Right;

    Image image(kClipPixels, kClipPixels, kBackground);
    auto across = [=](double x, double y) { return horizontal ? y - kCentre : x - kCentre; };
    auto along = [=](double x, double y) {
        switch (direction) {
        case Direction::Left:
            return -x;
        case Direction::Right:
            return x;
        case Direction::Up:
            return -y;
        case Direction::Down:
            break;
        }
        return y;
    };
    Paint(image, kBusEdge, [&](double x, double y) { return std::abs(across(x, y)) < kHalfBand; });
    Paint(image, kBusBand,
          [&](double x, double y) { return std::abs(across(x, y)) < kHalfBand - 1.0; });
    Paint(image, kBusChevron, [&](double x, double y) {
        const double v = std::abs(across(x, y));
        if (v >= kHalfBand - 2.0) {
            return false;
        }
        // Tips lead at the centre line, so each chevron points where the data goes.
        const double phase = std::fmod(along(x, y) + 0.8 * v - offset + 100.0 * kPeriod, kPeriod);
        return phase < kStripe;
    });
    return image;
}

// ---- markers --------------------------------------------------------------

using Glyph = std::array<const char*, 7>;
constexpr Glyph kR{"####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"};
constexpr Glyph kW{"#...#", "#...#", "#...#", "#.#.#", "#.#.#", "##.##", "#...#"};
constexpr Glyph kE{"#####", "#....", "#....", "####.", "#....", "#....", "#####"};
constexpr Glyph kA{".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"};

// Crisp pixel letter, three units a dot, centred in the clip.
void DrawGlyph(Image& image, const Glyph& glyph, Rgb colour) {
    constexpr int kScale = 3 * kPixelsPerUnit;
    constexpr int kLeft = (kClipPixels - 5 * kScale + 1) / 2;
    constexpr int kTop = (kClipPixels - 7 * kScale + 1) / 2;
    for (int row = 0; row < 7; ++row) {
        for (int col = 0; col < 5; ++col) {
            if (glyph[row][col] != '#') {
                continue;
            }
            for (int dy = 0; dy < kScale; ++dy) {
                for (int dx = 0; dx < kScale; ++dx) {
                    image.Set(kLeft + col * kScale + dx, kTop + row * kScale + dy, colour);
                }
            }
        }
    }
}

// Signed distances (negative inside) of the three badge outlines.
double RoundedSquare(double x, double y) {
    constexpr double kHalf = 14.5;
    constexpr double kRadius = 6.0;
    const double qx = std::abs(x - 16.0) - (kHalf - kRadius);
    const double qy = std::abs(y - 16.0) - (kHalf - kRadius);
    return std::hypot(std::max(qx, 0.0), std::max(qy, 0.0)) + std::min(std::max(qx, qy), 0.0) -
           kRadius;
}
double Circle(double x, double y) {
    return std::hypot(x - 16.0, y - 16.0) - 14.5;
}
double Octagon(double x, double y) {
    const double dx = std::abs(x - 16.0);
    const double dy = std::abs(y - 16.0);
    return std::max({dx - 14.5, dy - 14.5, (dx + dy - 19.5) / std::sqrt(2.0)});
}

Image Badge(double (*shape)(double, double), const Glyph& glyph, const Palette& p, bool lit) {
    constexpr double kBorder = 2.2;
    Image image(kClipPixels, kClipPixels, kBackground);
    Paint(image, lit ? p.dark : p.strong, [&](double x, double y) { return shape(x, y) <= 0.0; });
    Paint(image, lit ? p.strong : p.pale,
          [&](double x, double y) { return shape(x, y) <= -kBorder; });
    DrawGlyph(image, glyph, lit ? kWhite : p.strong);
    return image;
}

// ---- arrows ---------------------------------------------------------------

struct Point {
    double x;
    double y;
};

bool InPolygon(const std::vector<Point>& poly, double x, double y) {
    bool in = false;
    for (std::size_t i = 0, j = poly.size() - 1; i < poly.size(); j = i++) {
        const Point& a = poly[i];
        const Point& b = poly[j];
        if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x) {
            in = !in;
        }
    }
    return in;
}

Image ArrowFrame(Direction direction, bool lit) {
    // Drawn pointing right; other directions rotate the sample point into this frame.
    static const std::vector<Point> kOuter{{3, 11},  {17, 11}, {17, 4}, {29, 16},
                                           {17, 28}, {17, 21}, {3, 21}};
    static const std::vector<Point> kInner{{5, 13},     {19, 13}, {19, 8.83}, {26.17, 16},
                                           {19, 23.17}, {19, 19}, {5, 19}};
    auto canonical = [direction](double x, double y) -> Point {
        switch (direction) {
        case Direction::Up:
            return {kClipSize - y, x};
        case Direction::Down:
            return {y, kClipSize - x};
        case Direction::Left:
            return {kClipSize - x, y};
        case Direction::Right:
            break;
        }
        return {x, y};
    };
    const Palette& p = kOrange;
    Image image(kClipPixels, kClipPixels, kBackground);
    Paint(image, lit ? p.dark : p.strong, [&](double x, double y) {
        const Point c = canonical(x, y);
        return InPolygon(kOuter, c.x, c.y);
    });
    Paint(image, lit ? p.strong : p.pale, [&](double x, double y) {
        const Point c = canonical(x, y);
        return InPolygon(kInner, c.x, c.y);
    });
    return image;
}

} // namespace

std::vector<Image> BusClip(Direction direction) {
    std::vector<Image> frames;
    for (int f = 0; f < kBusFrames; ++f) {
        frames.push_back(BusFrame(direction, f));
    }
    return frames;
}

std::vector<Image> MarkerClip(Marker marker) {
    double (*shape)(double, double) = RoundedSquare;
    const Glyph* glyph = &kR;
    const Palette* palette = &kGreen;
    switch (marker) {
    case Marker::Read:
        break;
    case Marker::Write:
        glyph = &kW;
        palette = &kRed;
        break;
    case Marker::RegRead:
        shape = Circle;
        break;
    case Marker::RegWrite:
        shape = Circle;
        glyph = &kW;
        palette = &kRed;
        break;
    case Marker::IoRead: // E/A: input is "E", output "A"
        shape = Octagon;
        glyph = &kE;
        break;
    case Marker::IoWrite:
        shape = Octagon;
        glyph = &kA;
        palette = &kRed;
        break;
    }
    return {Badge(shape, *glyph, *palette, false), Badge(shape, *glyph, *palette, true)};
}

std::vector<Image> ArrowClip(Direction direction) {
    return {ArrowFrame(direction, false), ArrowFrame(direction, true)};
}

} // namespace clipgen
