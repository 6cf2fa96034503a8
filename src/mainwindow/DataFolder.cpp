#include "mainwindow/DataFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace tovak {

namespace {

// The clips are written all at once, so one of them stands for all.
constexpr const char* kMarkerClip = "read.avi";

bool HoldsClips(const QString& folder) {
    return QFileInfo(QDir(folder).filePath(QString::fromLatin1(kMarkerClip))).isFile();
}

} // namespace

QString FindDataFolder(const QString& programFolder) {
    const QString installed = QDir::cleanPath(programFolder + QStringLiteral("/../share/tovak"));
    for (const QString& folder : {programFolder, installed}) {
        if (HoldsClips(folder)) {
            return folder;
        }
    }
    return programFolder;
}

QString DataFolder() {
    return FindDataFolder(QCoreApplication::applicationDirPath());
}

QString DialogFolder() {
    const QString programFolder = DataFolder();
    if (QFileInfo(programFolder).isWritable()) {
        return programFolder;
    }
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

} // namespace tovak
