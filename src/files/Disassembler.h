// A program image written as program text: the remark, the named or non-zero registers, then
// the cells from address 0 as instructions and data, with labels made up for the jump and
// Go Sub targets. Read back, the text gives the same image.
#pragma once

#include "files/Programminhalt.h"

#include <string>

namespace tovak {

// UTF-8 text with LF line ends.
std::string Disassembliere(const Programminhalt& inhalt);

} // namespace tovak
