// The window tests share one application object; settings live in the test home.
#include "machine/Befehle.h"
#include "mainwindow/Ini.h"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Runs only when tests run (not when they are merely listed), with the test environment.
class FreshSettings final : public ::testing::Environment {
public:
    void SetUp() override {
        QSettings("KORVALD", "TOVAK").clear();
        tovak::Ini::Load();
    }
};

} // namespace

int main(int argc, char** argv) {
    // Listing the tests happens without the test environment; no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    // Each test runs in a process of its own, in parallel with others: a store per process
    // keeps one test from clearing the settings another is checking.
    QTemporaryDir settingsHome;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsHome.path());
    tovak::BefehlstabellenFuellen();
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new FreshSettings);
    return RUN_ALL_TESTS();
}
