#include "ClipCache.h"

#include <QDateTime>
#include <QFileInfo>
#include <QHash>

namespace tovak {

std::shared_ptr<const DecodedClip> LoadClip(const QString& path) {
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isFile()) {
        return nullptr;
    }
    const QString key = info.absoluteFilePath() + QLatin1Char('|') + QString::number(info.size()) +
                        QLatin1Char('|') + QString::number(info.lastModified().toMSecsSinceEpoch());
    // Only the user-interface thread loads clips.
    static QHash<QString, std::shared_ptr<const DecodedClip>> cache;
    if (auto it = cache.constFind(key); it != cache.constEnd()) {
        return it.value();
    }
    auto clip = DecodeClip(path);
    if (clip) {
        cache.insert(key, clip);
    }
    return clip;
}

} // namespace tovak
