// Starts the Qt application with the main window.
#pragma once

namespace tovak {

int RunGui(int argc, char** argv);

} // namespace tovak
