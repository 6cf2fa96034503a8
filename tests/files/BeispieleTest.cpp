// The files in examples/ are exactly what the encoder and the writer make of the example
// programs, and each loads.
#include "Beispiele.h"
#include "DateiTestHilfen.h"

#include "files/ProgramFile.h"
#include "files/ProgrammText.h"

#include <gtest/gtest.h>

namespace tovak::test {
namespace {

TEST(Beispiele, DateienSindAktuellUndLaden) {
    const std::vector<Beispiel> beispiele = BeispielProgramme();
    ASSERT_GE(beispiele.size(), 6u);
    for (const Beispiel& beispiel : beispiele) {
        const std::filesystem::path pfad =
            std::filesystem::path(TOVAK_EXAMPLES_DIR) / beispiel.name;
        EXPECT_EQ(DateiInhalt(pfad), beispiel.inhalt)
            << pfad << " is out of date: run tovak_beispiele " << TOVAK_EXAMPLES_DIR;
        Programmspeicher p;
        EXPECT_EQ(ReadDatei(pfad.string(), p.remarks, p.speicher, p.reg), LeseErgebnis::Geladen);
        EXPECT_FALSE(p.remarks.empty());
        EXPECT_EQ(ProgrammText(p.remarks, p.speicher, p.reg), beispiel.inhalt);
    }
}

} // namespace
} // namespace tovak::test
