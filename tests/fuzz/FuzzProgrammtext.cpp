// libFuzzer target for the program text reader: any bytes are read or refused with
// line-numbered errors, and what is read goes to text and back unchanged (see TextPruefung.h).
#include "../files/TextPruefung.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string fehler =
        tovak::test::PruefeTextLeser(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!fehler.empty()) {
        std::fprintf(stderr, "text reader check failed: %s\n", fehler.c_str());
        std::abort();
    }
    return 0;
}
