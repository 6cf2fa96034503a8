#include "machine/Befehlsreferenz.h"
#include "support/MachineFixture.h"

#include <gtest/gtest.h>

namespace tovak {
namespace {

using test::PlainMachine;

// The overview's flag column, checked against the machine itself: running each instruction
// from many states, no flag outside the column may change, and every flag in it must change
// in at least one of them.
TEST(Befehlsreferenz, FlagsColumnSaysWhatTheMachineChanges) {
    for (const Befehlsbeschreibung* b = AlleBefehleBegin(); b != AlleBefehleEnd(); ++b) {
        SCOPED_TRACE(b->nummer);
        const std::string spalte = GeaenderteFlags(*b);
        bool geaendert[4] = {};
        for (int w : {0, 1, 3, 16, 0x8000, 0xFFFF}) {
            const bool teilt =
                b->nummer == 133 || b->nummer == 134 || b->nummer == 137 || b->nummer == 138;
            if ((w == 0 && teilt) || (b->operand == OperandArt::Anzahl && w > 16)) {
                continue;
            }
            for (int akku : {0, 3, 0x0080, 0xFFFF}) {
                for (bool an : {false, true}) {
                    PlainMachine m;
                    m.eingaben = {w};
                    m.ea.SetValue(w);
                    const int operand = b->operand == OperandArt::Register  ? 1
                                        : b->operand == OperandArt::Adresse ? 10
                                                                            : w;
                    m.Programm(0,
                               b->operand == OperandArt::Keiner
                                   ? std::initializer_list<std::vector<int>>{{b->nummer}}
                                   : std::initializer_list<std::vector<int>>{{b->nummer, operand}});
                    m.reg.SetValue(1, w);
                    m.StartVon0();
                    // A stack frame for IRET: flags word, Akku, IP above the stack pointer.
                    const int sp = m.steuerwerk.GetSP();
                    m.speicher.SetCell(0, sp + 1, w & 3, false);
                    m.speicher.SetCell(0, sp + 2, w, false);
                    m.speicher.SetCell(0, sp + 3, 10, false);
                    m.rechenwerk.SetAkku(akku);
                    m.rechenwerk.SetZeroFlag(an);
                    m.rechenwerk.SetCarryFlag(an);
                    m.rechenwerk.SetParityFlag(an);
                    m.rechenwerk.SetSignFlag(an);
                    m.Befehl();
                    ASSERT_EQ(m.steuerwerk.GetFehler(), 0);
                    const bool nachher[4] = {
                        m.rechenwerk.GetZeroFlag(), m.rechenwerk.GetCarryFlag(),
                        m.rechenwerk.GetParityFlag(), m.rechenwerk.GetSignFlag()};
                    for (int f = 0; f < 4; ++f) {
                        geaendert[f] = geaendert[f] || nachher[f] != an;
                    }
                }
            }
        }
        std::string gemessen;
        for (int f = 0; f < 4; ++f) {
            if (geaendert[f]) {
                gemessen += std::string(gemessen.empty() ? "" : ", ") + "ZCPS"[f];
            }
        }
        EXPECT_EQ(spalte, gemessen.empty() ? "keine" : gemessen);
        EXPECT_FALSE(Wirkung(b->nummer).empty());
    }
}

} // namespace
} // namespace tovak
