// Writes the animation clips of the program into the folder given as the only argument.
#include "AviWriter.h"
#include "ClipArt.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

using namespace clipgen;

namespace {

struct ClipFile {
    const char* name;
    std::vector<Image> frames;
    int fps;
};

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);

    const ClipFile clips[] = {
        {"Bus_links.avi", BusClip(Direction::Left), kBusFps},
        {"Bus_rechts.avi", BusClip(Direction::Right), kBusFps},
        {"Bus_oben.avi", BusClip(Direction::Up), kBusFps},
        {"Bus_unten.avi", BusClip(Direction::Down), kBusFps},
        {"read.avi", MarkerClip(Marker::Read), kBlinkFps},
        {"write.avi", MarkerClip(Marker::Write), kBlinkFps},
        {"Rg_read.avi", MarkerClip(Marker::RegRead), kBlinkFps},
        {"Rg_write.avi", MarkerClip(Marker::RegWrite), kBlinkFps},
        {"IO_Read.avi", MarkerClip(Marker::IoRead), kBlinkFps},
        {"IO_Write.avi", MarkerClip(Marker::IoWrite), kBlinkFps},
        {"Pfeil_re.avi", ArrowClip(Direction::Right), kBlinkFps},
        {"Pfeil_ho.avi", ArrowClip(Direction::Up), kBlinkFps},
        {"Pfeil_ru.avi", ArrowClip(Direction::Down), kBlinkFps},
    };
    for (const ClipFile& clip : clips) {
        const std::filesystem::path path = folder / clip.name;
        if (!WriteAvi(path.string(), clip.frames, clip.fps)) {
            std::fprintf(stderr, "cannot write %s\n", path.string().c_str());
            return 1;
        }
    }
    return 0;
}
