// Starting other programs without starting any: PATH points into an empty folder and the
// program starter records what would have started.
#include "util/Launcher.h"
#include "dialogs/Move.h"
#include "support/RecordingMessageBoxes.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tovak {
namespace {

struct Start {
    QString program;
    QString folder;
};

class Launcher : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(bin.isValid());
        path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(bin.path()));
        SetProgramStarter([this](const QString& program, const QStringList&, const QString& dir) {
            starts.push_back({program, dir});
            return starts_succeed;
        });
    }
    void TearDown() override {
        SetProgramStarter({});
        qputenv("PATH", path);
    }
    // An executable file of that name in the PATH folder.
    QString Install(const QString& name) {
        QFile file(bin.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\n");
        file.close();
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return file.fileName();
    }
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const auto& box : boxes.boxes) {
            EXPECT_EQ(box.kind, "error");
            EXPECT_EQ(box.caption, "Fehler");
            texts.push_back(box.text);
        }
        return texts;
    }

    QTemporaryDir bin;
    QByteArray path;
    test::RecordingMessageBoxes boxes;
    std::vector<Start> starts;
    bool starts_succeed = true;
};

TEST_F(Launcher, MissingProgramIsReportedMissingDocumentIsNot) {
    EXPECT_EQ(ExecuteFile("fehlt.exe"), kLaunchFileNotFound);
    EXPECT_EQ(ExecuteFile("FEHLT.EXE"), kLaunchFileNotFound);
    EXPECT_EQ(ExecuteFile("fehlt.Com"), kLaunchFileNotFound);
    EXPECT_EQ(ExecuteFile(bin.filePath("fehlt.txt")), kLaunchFileNotFound);
    EXPECT_EQ(ExecuteFile(bin.filePath("kein/Ordner/fehlt.txt")), kLaunchPathNotFound);
    const std::string missing = "Fehler beim Aufruf der Datei/des Programms\r\n";
    EXPECT_EQ(Texts(), (std::vector<std::string>{
                           missing + "fehlt.exe\r\nDas Programm existiert nicht",
                           missing + "FEHLT.EXE\r\nDas Programm existiert nicht",
                           missing + "fehlt.Com\r\nDas Programm existiert nicht",
                           missing + bin.filePath("kein/Ordner/fehlt.txt").toStdString() +
                               "\r\nDer Pfad wurde nicht gefunden",
                       }));
    EXPECT_TRUE(starts.empty());
}

TEST_F(Launcher, CalculatorFromTheDialogMenuWhenNoneIsInstalled) {
    TFMove dialog;
    dialog.LkRechner()->trigger();
    EXPECT_EQ(Texts(), (std::vector<std::string>{
                           "Fehler beim Aufruf der Datei/des Programms\r\ncalc.exe\r\n"
                           "Das Programm existiert nicht",
                           "Fehler beim Aufruf von Calc.exe",
                       }));
    EXPECT_TRUE(starts.empty());
}

TEST_F(Launcher, FirstInstalledCalculatorStartsInTheProgramFolder) {
    Install("xcalc");
    const QString kcalc = Install("kcalc");
    EXPECT_GE(StartCalculator(), 33);
    ASSERT_EQ(starts.size(), 1u);
    EXPECT_EQ(starts[0].program, kcalc);
    EXPECT_EQ(starts[0].folder, QCoreApplication::applicationDirPath());
    EXPECT_TRUE(boxes.boxes.empty());

    starts_succeed = false;
    EXPECT_LT(StartCalculator(), 33);
    ASSERT_EQ(boxes.boxes.size(), 2u);
    EXPECT_EQ(boxes.boxes[1].text, "Fehler beim Aufruf von Calc.exe");
}

TEST_F(Launcher, NewInstanceFailureNamesTheExecutable) {
    starts_succeed = false;
    EXPECT_LT(StartNewInstance(), 33);
    ASSERT_EQ(boxes.boxes.size(), 2u);
    EXPECT_EQ(boxes.boxes[1].text, "Fehler beim Aufruf von \r\n" +
                                       QCoreApplication::applicationFilePath().toStdString());
    ASSERT_EQ(starts.size(), 1u);
    EXPECT_EQ(starts[0].program, QCoreApplication::applicationFilePath());
}

} // namespace
} // namespace tovak
