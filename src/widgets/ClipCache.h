// Decoded clips shared by all players, so a file used by many controls is decoded once.
#pragma once

#include "ClipDecoder.h"

namespace tovak {

// Keyed by absolute path, size and modification time; failures are not remembered,
// so a file that appears or is repaired later loads on the next request.
std::shared_ptr<const DecodedClip> LoadClip(const QString& path);

} // namespace tovak
