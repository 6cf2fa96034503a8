// Every input of the machine fuzzer's corpus runs through the machine check again: a
// regression run of what the fuzzer found, without the fuzzer.
#include "MaschinenPruefung.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace tovak::test {
namespace {

namespace fs = std::filesystem;

TEST(MaschinenKorpus, JedesProgrammLaeuftOhneUngeordnetenFehler) {
    std::vector<fs::path> dateien;
    for (const auto& eintrag : fs::directory_iterator(TOVAK_MASCHINEN_KORPUS)) {
        if (eintrag.is_regular_file()) {
            dateien.push_back(eintrag.path());
        }
    }
    std::sort(dateien.begin(), dateien.end());
    ASSERT_GE(dateien.size(), 20u);
    for (const fs::path& datei : dateien) {
        std::ifstream in(datei, std::ios::binary);
        const std::string daten{std::istreambuf_iterator<char>(in),
                                std::istreambuf_iterator<char>()};
        EXPECT_EQ(PruefeMaschine(daten), "") << datei;
    }
}

} // namespace
} // namespace tovak::test
