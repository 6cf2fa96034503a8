// A program image written as program text: the remark, the named or non-zero registers, then
// the cells from address 0 as instructions and data, with labels made up for the jump and
// Go Sub targets. Read back, the text gives the same image.
#pragma once

#include "files/Programminhalt.h"

#include <string>
#include <vector>

namespace tovak {

// UTF-8 text with LF line ends.
std::string Disassembliere(const Programminhalt& inhalt);

// The lines of that text that write cells, for a printed listing: the first cell's address,
// the label the text gives it (empty for none), and the statement ("Jump zu Adresse M12",
// ".DATEN 5, 7").
struct ListenEintrag {
    int adresse = 0;
    std::string marke;
    std::string anweisung;
};
std::vector<ListenEintrag> Programmliste(const Programminhalt& inhalt);

} // namespace tovak
