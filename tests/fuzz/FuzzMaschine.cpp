// libFuzzer target for the machine: any memory image, registers, start, inputs and interrupt
// moments must run without a crash, a hang, a leak or an untyped failure, with every display
// showing what the machine holds (see MaschinenPruefung.h).
#include "../machine/MaschinenPruefung.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string fehler =
        tovak::test::PruefeMaschine(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!fehler.empty()) {
        std::fprintf(stderr, "machine check failed: %s\n", fehler.c_str());
        std::abort();
    }
    return 0;
}
