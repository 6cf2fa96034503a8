// The two texts made of the memory for other programs: the printed listing and the
// tab-separated copy of the memory grid for the clipboard.
#pragma once

#include "machine/RAM.h"

#include <array>
#include <string>
#include <vector>

namespace tovak {

// The printed listing: a heading, then three lines for every cell from address 0 to the
// last non-zero one (all cells when every value is zero).
struct ProgramListing {
    std::array<std::string, 2> heading; // four blanks and the title, an empty line
    std::vector<std::array<std::string, 3>> entries;

    std::vector<std::string> Lines() const;
};

ProgramListing MakeProgramListing(const TRAM& speicher, const std::string& title);

// The memory grid's rows from the header to the last whose column 2 is not "0" (all rows
// when every one is), columns joined by TAB, lines by CR LF.
std::string ExportCommandsText(const TRAM& speicher);

} // namespace tovak
