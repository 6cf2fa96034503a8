// A main window on the offscreen platform with its message boxes recorded and its number
// input and file dialogs answered by the test.
#pragma once

#include "mainwindow/BackupKeeper.h"
#include "mainwindow/Main.h"
#include "support/RecordingMessageBoxes.h"

#include <QDir>
#include <QLabel>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <memory>

#include <gtest/gtest.h>

namespace tovak::test {

// One memory line of a program file: value and, for an instruction, its short name.
struct Zeile {
    int wert;
    const char* name = nullptr;
};

class GuiTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        // The backup copies stay in the test's own folder.
        BackupKeeper::SetBase(dir.path());
        window = std::make_unique<TFMain>(800);
        window->Hooks().numberInput = [this] { return zahl; };
        window->show();
    }

    // Writes a program file and returns its path.
    QString Programm(const QString& name, std::initializer_list<Zeile> zeilen, int version = 5) {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        QTextStream out(&file);
        out << version << "  Version\r\n0\r\n" << zeilen.size() << " Anzahl RAM\r\n";
        int i = 1;
        for (const Zeile& z : zeilen) {
            out << i++ << '\t' << z.wert << '\t' << (z.name ? z.name : "") << "\r\n";
        }
        out << "-1 Anzahl Register\r\n";
        return path;
    }

    // Loads through the command-line path.
    void Laden(const QString& path) { window->LoadStartFile({"tovak", path}); }

    QString Panel(const char* name) const {
        auto* label = window->findChild<QLabel*>(QString::fromLatin1(name));
        return label != nullptr ? label->text() : QStringLiteral("<fehlt>");
    }

    template <class T = QWidget> T* Control(const char* name) const {
        return window->findChild<T*>(QString::fromLatin1(name));
    }

    bool ClockOn() const { return window->Run().Clock()->isActive(); }

    // The backup copies in a folder (default: the window's backup folder), by name.
    QStringList Copies(QString folder = {}) const {
        return QDir(folder.isEmpty() ? window->Backups().Dir() : folder)
            .entryList({QStringLiteral("Temp*.CPU")}, QDir::Files, QDir::Name);
    }

    // Ticks the clock by hand until it stops (or the limit is reached).
    int TicksUntilStop(int limit = 500) {
        int n = 0;
        while (ClockOn() && n < limit) {
            window->MnTaktClick();
            ++n;
        }
        return n;
    }

    QTemporaryDir dir;
    RecordingMessageBoxes boxes;
    std::unique_ptr<TFMain> window;
    int zahl = 42;
};

// Counts down from 3, writing each value to the I/O unit, then halts.
inline constexpr std::initializer_list<Zeile> kSchleife = {{65, "Move Akku, Konstante"},
                                                           {3},
                                                           {387, "OUT Akku"},
                                                           {140, "Dec Akku"},
                                                           {325, "JNZ zu Adresse"},
                                                           {2},
                                                           {0}};

} // namespace tovak::test
