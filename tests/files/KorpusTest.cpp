// Every file of the fuzzing corpus goes through the reader again: a regression run of what the
// fuzzer found, without the fuzzer.
#include "DateiTestHilfen.h"
#include "LeserPruefung.h"

#include "files/ProgramFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace tovak::test {
namespace {

namespace fs = std::filesystem;

std::vector<fs::path> KorpusDateien() {
    std::vector<fs::path> dateien;
    for (const auto& eintrag : fs::directory_iterator(TOVAK_CORPUS_DIR)) {
        if (eintrag.is_regular_file()) {
            dateien.push_back(eintrag.path());
        }
    }
    std::sort(dateien.begin(), dateien.end());
    return dateien;
}

TEST(Korpus, JedeDateiWirdGeladenOderGemeldet) {
    const std::vector<fs::path> dateien = KorpusDateien();
    ASSERT_GE(dateien.size(), 20u);
    for (const fs::path& datei : dateien) {
        std::ifstream in(datei, std::ios::binary);
        const std::string daten{std::istreambuf_iterator<char>(in),
                                std::istreambuf_iterator<char>()};
        EXPECT_EQ(PruefeLeser(daten), "") << datei;

        // The file reader gives the same as the reader of bytes in memory.
        Programmspeicher ausDatei;
        Programmspeicher ausText;
        std::string fehlerDatei;
        std::string fehlerText;
        try {
            ReadDatei(datei.string(), ausDatei.remarks, ausDatei.speicher, ausDatei.reg);
        } catch (const TovakFehler& e) {
            fehlerDatei = e.what();
        }
        try {
            LeseProgrammText(daten, ausText.remarks, ausText.speicher, ausText.reg);
        } catch (const TovakFehler& e) {
            fehlerText = e.what();
        }
        EXPECT_EQ(fehlerDatei, fehlerText) << datei;
        EXPECT_EQ(ProgrammText(ausDatei.remarks, ausDatei.speicher, ausDatei.reg),
                  ProgrammText(ausText.remarks, ausText.speicher, ausText.reg))
            << datei;
    }
}

} // namespace
} // namespace tovak::test
