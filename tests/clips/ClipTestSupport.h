// Shared helpers of the clip tests: where the generated clips are, and waiting for frames.
#pragma once

#include "widgets/Animate.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QString>

#include <vector>

namespace tovak::test {

inline QString ClipDir() {
    return QStringLiteral(TOVAK_CLIP_DIR);
}
inline QString ClipPath(const QString& name) {
    return QDir(ClipDir()).filePath(name);
}

// Runs the event loop until the control has moved on `steps` times; returns the frames seen.
// The generous deadline only guards against a hang; it asserts nothing about speed.
inline std::vector<int> WatchFrames(const TAnimate& control, int steps) {
    std::vector<int> seen{control.CurrentFrame()};
    QDeadlineTimer deadline(10000);
    while (static_cast<int>(seen.size()) <= steps && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        if (control.CurrentFrame() != seen.back()) {
            seen.push_back(control.CurrentFrame());
        }
    }
    return seen;
}

inline bool WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

inline QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace tovak::test
