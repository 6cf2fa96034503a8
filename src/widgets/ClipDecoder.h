// Reads every frame of a short AVI clip into memory.
#pragma once

#include <QImage>
#include <QString>
#include <QVector>

#include <memory>

namespace tovak {

struct DecodedClip {
    QVector<QImage> frames; // all the same size, ARGB32 premultiplied
    int frameIntervalMs = 50;
};

// Returns nullptr for a missing, damaged, truncated or implausibly large file.
// The colour of the first frame's top-left pixel becomes transparent in all frames,
// so a clip's plain background lets the window behind it show through.
std::shared_ptr<const DecodedClip> DecodeClip(const QString& path);

} // namespace tovak
