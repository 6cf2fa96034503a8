// The files in examples/ are exactly what the encoder and the writer make of the example
// programs, and each loads.
#include "Beispiele.h"
#include "DateiTestHilfen.h"

#include "files/ProgramFile.h"
#include "files/ProgrammText.h"

#include <gtest/gtest.h>

#include <set>

namespace tovak::test {
namespace {

TEST(Beispiele, DateienSindAktuellUndLaden) {
    const std::vector<Beispiel> beispiele = BeispielProgramme();
    ASSERT_GE(beispiele.size(), 10u);
    // Together the lessons use every instruction group, the number input and an interrupt
    // service routine.
    std::set<int> gruppen;
    bool zahlEingabe = false;
    bool serviceRoutine = false;
    for (const Beispiel& beispiel : beispiele) {
        const std::filesystem::path pfad =
            std::filesystem::path(TOVAK_EXAMPLES_DIR) / beispiel.name;
        EXPECT_EQ(DateiInhalt(pfad), beispiel.inhalt)
            << pfad << " is out of date: run tovak_beispiele " << TOVAK_EXAMPLES_DIR;
        Programmspeicher p;
        EXPECT_EQ(ReadDatei(pfad.string(), p.remarks, p.speicher, p.reg), LeseErgebnis::Geladen);
        EXPECT_FALSE(p.remarks.empty());
        EXPECT_EQ(ProgrammText(p.remarks, p.speicher, p.reg), beispiel.inhalt);
        for (int a = 0; a < TRAM::kZellen; ++a) {
            if (p.speicher.IstBefehl(a)) {
                gruppen.insert(p.speicher.GetValue(a) / 64);
                zahlEingabe |= p.speicher.GetValue(a) == 390;
            }
        }
        serviceRoutine |= p.speicher.IstBefehl(3000);
    }
    EXPECT_EQ(gruppen, (std::set<int>{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_TRUE(zahlEingabe);
    EXPECT_TRUE(serviceRoutine);
}

} // namespace
} // namespace tovak::test
