// tovak-dev --check-data: a check of an installation (tovak-dev copied beside its tovak)
// that opens no window. It asks the window's own lookup for the data folder, builds the bus
// animation offscreen and reports whether every clip loaded and which example programs are
// there.
#pragma once

namespace tovak {

bool IsDataCheck(int argc, char** argv);

// Exit status 0 when every clip loaded and at least one example program is there, else 1.
int RunDataCheck(int argc, char** argv);

} // namespace tovak
