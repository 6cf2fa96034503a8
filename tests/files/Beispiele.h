// The example programs of examples/, built with the instruction encoder as a learner would
// enter them. The tool tovak_beispiele writes them; a test checks the files against them.
#pragma once

#include <string>
#include <vector>

namespace tovak::test {

struct Beispiel {
    std::string name;   // file name in examples/
    std::string inhalt; // the file's bytes
};

std::vector<Beispiel> BeispielProgramme();

} // namespace tovak::test
