// Starts the Qt application with the main window.
#pragma once

#include <functional>

namespace tovak {

class TFMain;

// beforeShow lets a developer build hook into the window once its start file is loaded;
// the product passes none.
int RunGui(int argc, char** argv, const std::function<void(TFMain&)>& beforeShow = {});

} // namespace tovak
