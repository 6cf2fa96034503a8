// The IP spin edit takes any integer; the highest one has no memory row to select and must
// not overflow while the window looks for one (the sanitizer build stops on that).
#include "GuiFixture.h"

#include "widgets/OroGrid.h"

#include <QSpinBox>

#include <limits>

namespace tovak::test {
namespace {

using HighestIP = GuiTest;

TEST_F(HighestIP, SelectsNoRowAndKeepsTheValue) {
    auto* spin = Control<QSpinBox>("EInstructionPointer");
    spin->setValue(5);
    spin->setValue(std::numeric_limits<int>::max());
    EXPECT_EQ(window->Machine().Units().steuerwerk.GetIP(), std::numeric_limits<int>::max());
    EXPECT_EQ(window->Diagram().gridSpeicher->Row(), 6);
    EXPECT_EQ(Panel("PInstructionPointer"), "0x7FFFFFFF");
}

} // namespace
} // namespace tovak::test
