// A small RGB raster; enough for 32 x 32 clip frames.
#pragma once

#include <cstdint>
#include <vector>

namespace clipgen {

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
};

class Image {
public:
    Image(int width, int height, Rgb fill)
        : m_width(width), m_height(height),
          m_pixels(static_cast<std::size_t>(width * height), fill) {}

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    Rgb At(int x, int y) const { return m_pixels[Index(x, y)]; }
    void Set(int x, int y, Rgb c) { m_pixels[Index(x, y)] = c; }

private:
    std::size_t Index(int x, int y) const { return static_cast<std::size_t>(y * m_width + x); }

    int m_width;
    int m_height;
    std::vector<Rgb> m_pixels;
};

} // namespace clipgen
