// Where the user's settings live: the registry of the current user on Windows, a file
// under the user's configuration folder elsewhere. Every part that stores a setting opens
// it here, so they all land in one place.
#pragma once

#include <QSettings>
#include <QString>

namespace tovak {

inline QSettings UserSettings() {
    return QSettings(QStringLiteral("KORVALD"), QStringLiteral("TOVAK"));
}

} // namespace tovak
