// Where the window looks for its clips and examples: the build folder and the installed
// layout.
#include "mainwindow/DataFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tovak::test {
namespace {

TEST(DataFolder, BesideTheProgramOrInShareTovak) {
    struct Fall {
        const char* name;
        bool clipBeside;
        bool clipInShare;
        const char* expected; // relative to the temporary root
    };
    const Fall faelle[] = {
        {"build folder", true, false, "bin"},
        {"installed", false, true, "share/tovak"},
        {"build folder wins", true, true, "bin"},
        {"neither: the program folder", false, false, "bin"},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        QTemporaryDir root;
        ASSERT_TRUE(root.isValid());
        const QDir dir(root.path());
        ASSERT_TRUE(dir.mkpath(QStringLiteral("bin")) && dir.mkpath(QStringLiteral("share/tovak")));
        auto touch = [&dir](const char* name) {
            QFile file(dir.filePath(QString::fromLatin1(name)));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << name;
        };
        // Other files do not count: only a clip marks the folder.
        touch("share/tovak/Summe.CPU");
        if (fall.clipBeside) {
            touch("bin/read.avi");
        }
        if (fall.clipInShare) {
            touch("share/tovak/read.avi");
        }
        EXPECT_EQ(FindDataFolder(dir.filePath(QStringLiteral("bin"))),
                  dir.filePath(QString::fromLatin1(fall.expected)));
    }
}

} // namespace
} // namespace tovak::test
