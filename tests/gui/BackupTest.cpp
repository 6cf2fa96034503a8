// The backup copies as the window writes them: after instructions, on the timer, deleted by
// opening, kept aside by a restart, and in the user's folder when the program's takes none.
#include "GuiFixture.h"

#include "mainwindow/Ini.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace tovak::test {
namespace {

class Backups : public GuiTest {
protected:
    QStringList Copies(const QString& folder) const {
        return QDir(folder).entryList({QStringLiteral("Temp*.CPU")}, QDir::Files, QDir::Name);
    }
    QStringList Copies() const { return Copies(window->BackupDir()); }
    QString Copy(int n) const {
        return window->BackupDir() + QStringLiteral("Temp%1.CPU").arg(n, 2, 10, QLatin1Char('0'));
    }
    QByteArray Content(const QString& file) const {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void Restart() {
        window.reset();
        window = std::make_unique<TFMain>(800);
    }
};

TEST_F(Backups, EveryEncodedInstructionWritesACopyAtOnceAJumpNone) {
    EXPECT_EQ(window->BackupDir(), dir.path() + QStringLiteral("/Temp/"));
    EXPECT_TRUE(Copies().isEmpty());
    window->Encoder().BefehlInSpeicher(65, 5);
    window->Encoder().BefehlInSpeicher(67, 3);
    window->Encoder().BefehlInSpeicher(451, 0);
    EXPECT_EQ(Copies(), QStringList({"Temp01.CPU", "Temp02.CPU", "Temp03.CPU"}));
    EXPECT_TRUE(Content(Copy(2)).startsWith("5  Version\r\n0\r\n4 Anzahl RAM\r\n1\t65\tMove"));
    EXPECT_TRUE(Content(Copy(3)).contains("5\t451\tNOP\r\n"));

    window->Encoder().BefehlInSpeicher2(321, 10);
    EXPECT_EQ(Copies().size(), 3);
    window->Encoder().BefehlInSpeicher(7, 0); // refused, copied all the same
    EXPECT_EQ(window->BackupCounter(), 4);
    EXPECT_EQ(boxes.boxes.size(), 1u);

    window->TimerBackupTimer();
    EXPECT_TRUE(QFile::exists(Copy(5)));
    while (window->BackupCounter() < 99) {
        window->WriteBackup();
    }
    EXPECT_EQ(Copies().size(), 99);
    QFile::remove(Copy(1));
    window->WriteBackup();
    EXPECT_EQ(window->BackupCounter(), 1);
    EXPECT_TRUE(QFile::exists(Copy(1)));
    EXPECT_EQ(Copies().size(), 99);
}

TEST_F(Backups, OpeningDeletesReadOnlyCopiesARestartKeepsThemAside) {
    window->Encoder().BefehlInSpeicher(65, 5);
    window->Encoder().BefehlInSpeicher(451, 0);
    QFile::setPermissions(Copy(2), QFileDevice::ReadOwner);
    Laden(Programm("p.CPU", kSchleife));
    EXPECT_TRUE(Copies().isEmpty());
    EXPECT_EQ(window->BackupCounter(), 0);

    window->Encoder().BefehlInSpeicher(65, 7);
    window->Encoder().BefehlInSpeicher(451, 0);
    const QByteArray second = Content(Copy(2));
    Restart();
    EXPECT_TRUE(Copies().isEmpty());
    const QString kept = window->BackupDir() + QStringLiteral("Vorherige Sitzung/");
    EXPECT_EQ(Copies(kept), QStringList({"Temp01.CPU", "Temp02.CPU"}));
    EXPECT_EQ(Content(kept + "Temp02.CPU"), second);
    // The new session counts from 1 again.
    window->WriteBackup();
    EXPECT_EQ(Copies(), QStringList({"Temp01.CPU"}));
}

TEST_F(Backups, ProgramFolderThatTakesNoFilesFallsBackToTheUsersFolder) {
    const QString blocked = dir.filePath(QStringLiteral("blockiert"));
    QFile file(blocked);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)); // a file: no folder can be made below it
    file.close();
    TFMain::SetBackupBase(blocked);
    Restart();
    const QString user = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    EXPECT_EQ(window->BackupDir(), user + QStringLiteral("/Temp/"));
    window->WriteBackup();
    EXPECT_TRUE(QFile::exists(Copy(1)));
    window->DeleteBackupFiles();
    EXPECT_TRUE(Copies().isEmpty());
}

TEST_F(Backups, TimerStartsWithOpenSaveAsNewAndTheCommandWindow) {
    const QString program = Programm("p.CPU", kSchleife);
    const std::vector<std::pair<const char*, std::function<void()>>> commands = {
        {"Öffnen", [&] { window->OpenProgramFile(program); }},
        {"Laden beim Start", [&] { Laden(program); }},
        {"Speichern unter", [&] { window->SaveProgramFile(dir.filePath("neu.CPU")); }},
        {"Neu", [&] { window->MnNeuClick(); }},
        {"Befehlsfenster", [&] { window->MnShowBefehlsfensterClick(); }},
        {"Speicher Reset", [&] { window->MnSpeicherResetClick(); }},
        {"Register Reset", [&] { window->MnRegisterResetClick(); }},
        {"Befehl löschen", [&] { window->LkBefehlLoeschenClick(); }},
    };
    for (const auto& [name, command] : commands) {
        Restart();
        EXPECT_FALSE(window->TimerBackup()->isActive()) << name;
        command();
        const bool on = std::string(name).find("Reset") == std::string::npos &&
                        std::string(name) != "Befehl löschen";
        EXPECT_EQ(window->TimerBackup()->isActive(), on) << name;
        EXPECT_EQ(window->TimerBackup()->interval(), Ini::BackupTime()) << name;
    }
}

} // namespace
} // namespace tovak::test
