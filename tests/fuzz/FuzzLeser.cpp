// libFuzzer target for the program-file reader: any bytes must load or be reported, and what
// loads must write and read back to the same file (see LeserPruefung.h).
#include "../files/LeserPruefung.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string fehler =
        tovak::test::PruefeLeser(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!fehler.empty()) {
        std::fprintf(stderr, "reader check failed: %s\n", fehler.c_str());
        std::abort();
    }
    return 0;
}
