// Writes uncompressed RIFF AVI files (24-bit BI_RGB frames, bottom-up, with an idx1 index).
#pragma once

#include "Image.h"

#include <string>
#include <vector>

namespace clipgen {

// All frames must have the same size. Returns false if the file cannot be written.
bool WriteAvi(const std::string& path, const std::vector<Image>& frames, int framesPerSecond);

} // namespace clipgen
