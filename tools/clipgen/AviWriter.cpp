#include "AviWriter.h"

#include <cstdint>
#include <fstream>

namespace clipgen {
namespace {

// Little-endian byte buffer with RIFF chunk helpers.
class Buffer {
public:
    void U16(std::uint16_t v) {
        Byte(v & 0xFF);
        Byte(v >> 8);
    }
    void U32(std::uint32_t v) {
        for (int i = 0; i < 4; ++i) {
            Byte((v >> (8 * i)) & 0xFF);
        }
    }
    void FourCC(const char* cc) {
        for (int i = 0; i < 4; ++i) {
            Byte(static_cast<std::uint8_t>(cc[i]));
        }
    }
    void Byte(unsigned v) { m_data.push_back(static_cast<char>(v)); }

    // Starts a chunk (or a LIST/RIFF with its form type) and returns where its size goes.
    std::size_t Open(const char* id, const char* form = nullptr) {
        FourCC(id);
        const std::size_t sizeAt = m_data.size();
        U32(0);
        if (form != nullptr) {
            FourCC(form);
        }
        return sizeAt;
    }
    void Close(std::size_t sizeAt) {
        const auto size = static_cast<std::uint32_t>(m_data.size() - sizeAt - 4);
        for (int i = 0; i < 4; ++i) {
            m_data[sizeAt + i] = static_cast<char>((size >> (8 * i)) & 0xFF);
        }
        if (size % 2 != 0) {
            Byte(0); // RIFF chunks are word aligned
        }
    }
    std::size_t Size() const { return m_data.size(); }
    const std::string& Data() const { return m_data; }

private:
    std::string m_data;
};

constexpr std::uint32_t kHasIndex = 0x10; // AVIF_HASINDEX
constexpr std::uint32_t kKeyFrame = 0x10; // AVIIF_KEYFRAME

std::uint32_t RowBytes(int width) {
    return static_cast<std::uint32_t>((width * 3 + 3) / 4 * 4);
}

} // namespace

bool WriteAvi(const std::string& path, const std::vector<Image>& frames, int framesPerSecond) {
    if (frames.empty() || framesPerSecond <= 0) {
        return false;
    }
    const int width = frames.front().Width();
    const int height = frames.front().Height();
    for (const Image& f : frames) {
        if (f.Width() != width || f.Height() != height) {
            return false;
        }
    }
    const std::uint32_t frameBytes = RowBytes(width) * static_cast<std::uint32_t>(height);
    const auto count = static_cast<std::uint32_t>(frames.size());

    Buffer b;
    const std::size_t riff = b.Open("RIFF", "AVI ");
    const std::size_t hdrl = b.Open("LIST", "hdrl");

    const std::size_t avih = b.Open("avih");
    b.U32(1000000u / static_cast<std::uint32_t>(framesPerSecond));   // dwMicroSecPerFrame
    b.U32(frameBytes * static_cast<std::uint32_t>(framesPerSecond)); // dwMaxBytesPerSec
    b.U32(0);                                                        // dwPaddingGranularity
    b.U32(kHasIndex);                                                // dwFlags
    b.U32(count);                                                    // dwTotalFrames
    b.U32(0);                                                        // dwInitialFrames
    b.U32(1);                                                        // dwStreams
    b.U32(frameBytes);                                               // dwSuggestedBufferSize
    b.U32(static_cast<std::uint32_t>(width));
    b.U32(static_cast<std::uint32_t>(height));
    for (int i = 0; i < 4; ++i) {
        b.U32(0); // dwReserved
    }
    b.Close(avih);

    const std::size_t strl = b.Open("LIST", "strl");
    const std::size_t strh = b.Open("strh");
    b.FourCC("vids");
    b.FourCC("DIB ");
    b.U32(0);                                           // dwFlags
    b.U16(0);                                           // wPriority
    b.U16(0);                                           // wLanguage
    b.U32(0);                                           // dwInitialFrames
    b.U32(1);                                           // dwScale
    b.U32(static_cast<std::uint32_t>(framesPerSecond)); // dwRate
    b.U32(0);                                           // dwStart
    b.U32(count);                                       // dwLength
    b.U32(frameBytes);                                  // dwSuggestedBufferSize
    b.U32(0xFFFFFFFFu);                                 // dwQuality: default
    b.U32(0);                                           // dwSampleSize: variable
    b.U16(0);                                           // rcFrame
    b.U16(0);
    b.U16(static_cast<std::uint16_t>(width));
    b.U16(static_cast<std::uint16_t>(height));
    b.Close(strh);

    const std::size_t strf = b.Open("strf");
    b.U32(40); // biSize
    b.U32(static_cast<std::uint32_t>(width));
    b.U32(static_cast<std::uint32_t>(height)); // positive: bottom-up rows
    b.U16(1);                                  // biPlanes
    b.U16(24);                                 // biBitCount
    b.U32(0);                                  // BI_RGB
    b.U32(frameBytes);                         // biSizeImage
    b.U32(0);
    b.U32(0);
    b.U32(0);
    b.U32(0);
    b.Close(strf);
    b.Close(strl);
    b.Close(hdrl);

    const std::size_t movi = b.Open("LIST", "movi");
    const std::size_t moviType = movi + 4; // idx1 offsets count from the 'movi' form type
    std::vector<std::uint32_t> offsets;
    for (const Image& f : frames) {
        offsets.push_back(static_cast<std::uint32_t>(b.Size() - moviType));
        const std::size_t chunk = b.Open("00db");
        for (int y = height - 1; y >= 0; --y) {
            for (int x = 0; x < width; ++x) {
                const Rgb c = f.At(x, y);
                b.Byte(c.b);
                b.Byte(c.g);
                b.Byte(c.r);
            }
            for (std::uint32_t pad = static_cast<std::uint32_t>(width) * 3; pad < RowBytes(width);
                 ++pad) {
                b.Byte(0);
            }
        }
        b.Close(chunk);
    }
    b.Close(movi);

    const std::size_t idx1 = b.Open("idx1");
    for (std::uint32_t offset : offsets) {
        b.FourCC("00db");
        b.U32(kKeyFrame);
        b.U32(offset);
        b.U32(frameBytes);
    }
    b.Close(idx1);
    b.Close(riff);

    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(b.Data().data(), static_cast<std::streamsize>(b.Data().size()));
    out.close();
    return static_cast<bool>(out);
}

} // namespace clipgen
