// The backup copies as the window writes them: after instructions and on the timer, deleted by
// opening, kept aside by a restart, in the user's folder when the program's takes none.
#include "GuiFixture.h"
#include "mainwindow/BackupKeeper.h"

#include "mainwindow/Ini.h"

#include <QFile>
#include <QStandardPaths>

namespace tovak::test {
namespace {

class Backups : public GuiTest {
protected:
    QString Copy(int n) const {
        return window->Backups().Dir() +
               QStringLiteral("Temp%1.CPU").arg(n, 2, 10, QLatin1Char('0'));
    }
    static QByteArray Content(const QString& file) {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void Restart() {
        window.reset();
        window = std::make_unique<TFMain>(800);
    }
};

TEST_F(Backups, EveryEncodedInstructionWritesACopyAtOnceAJumpNone) {
    EXPECT_EQ(window->Backups().Dir(), dir.path() + QStringLiteral("/Temp/"));
    window->Machine().Encoder().BefehlInSpeicher(65, 5);
    window->Machine().Encoder().BefehlInSpeicher(67, 3);
    window->Machine().Encoder().BefehlInSpeicher(451, 0);
    EXPECT_EQ(Copies(), QStringList({"Temp01.CPU", "Temp02.CPU", "Temp03.CPU"}));
    EXPECT_TRUE(Content(Copy(2)).startsWith("5  Version\r\n0\r\n4 Anzahl RAM\r\n1\t65\tMove"));
    window->Machine().Encoder().BefehlInSpeicher2(321, 10);
    EXPECT_EQ(Copies().size(), 3);
    window->Machine().Encoder().BefehlInSpeicher(7, 0); // refused, copied all the same
    window->TimerBackupTimer();
    EXPECT_TRUE(QFile::exists(Copy(5)));
    while (window->Backups().Counter() < 99) {
        window->Backups().Write();
    }
    QFile::remove(Copy(1));
    window->Backups().Write();
    EXPECT_EQ(window->Backups().Counter(), 1);
    EXPECT_EQ(Copies().size(), 99);
}

TEST_F(Backups, AFailedCopyShowsOneBoxEvenWhenTheTimerTicksMeanwhile) {
    // Folders where the copies should go.
    ASSERT_TRUE(QDir().mkpath(Copy(1)) && QDir().mkpath(Copy(2)));
    // A tick while the error box is open.
    struct TickingBoxes final : MessageBoxHandler {
        explicit TickingBoxes(TFMain& w) : window(w) {}
        void ShowError(const std::string&, const std::string&) override {
            ++errors;
            window.TimerBackupTimer();
        }
        void ShowWarning(const std::string&, const std::string&) override {}
        bool AskYesNo(const std::string&, const std::string&, int) override { return false; }
        Antwort AskYesNoCancel(const std::string&, const std::string&) override {
            return Antwort::Abbrechen;
        }
        TFMain& window;
        int errors = 0;
    } ticking(*window);
    SetMessageBoxHandler(&ticking);
    window->Backups().Write();
    SetMessageBoxHandler(&boxes);
    EXPECT_EQ(ticking.errors, 1);
    EXPECT_EQ(window->Backups().Counter(), 1); // the tick meanwhile wrote nothing
}

TEST_F(Backups, OpeningDeletesReadOnlyCopiesARestartKeepsThemAside) {
    window->Machine().Encoder().BefehlInSpeicher(451, 0);
    QFile::setPermissions(Copy(1), QFileDevice::ReadOwner);
    Laden(Programm("p.CPU", kSchleife));
    EXPECT_TRUE(Copies().isEmpty());
    EXPECT_EQ(window->Backups().Counter(), 0);

    window->Machine().Encoder().BefehlInSpeicher(65, 7);
    window->Machine().Encoder().BefehlInSpeicher(451, 0);
    const QByteArray second = Content(Copy(2));
    Restart();
    EXPECT_TRUE(Copies().isEmpty());
    const QString kept = window->Backups().Dir() + QStringLiteral("Vorherige Sitzung/");
    EXPECT_EQ(Copies(kept), QStringList({"Temp01.CPU", "Temp02.CPU"}));
    EXPECT_EQ(Content(kept + "Temp02.CPU"), second);
}

TEST_F(Backups, ProgramFolderThatTakesNoFilesFallsBackToTheUsersFolder) {
    const QString blocked = dir.filePath(QStringLiteral("blockiert"));
    ASSERT_TRUE(QFile(blocked).open(QIODevice::WriteOnly)); // no folder can be made below a file
    BackupKeeper::SetBase(blocked);
    Restart();
    const QString user = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    EXPECT_EQ(window->Backups().Dir(), user + QStringLiteral("/Temp/"));
    window->Backups().Write();
    EXPECT_TRUE(QFile::exists(Copy(1)));
    window->Backups().PutAway();
}

TEST_F(Backups, TimerStartsWithOpenSaveAsNewAndTheCommandWindowOnly) {
    const QString program = Programm("p.CPU", kSchleife);
    const std::vector<std::pair<std::function<void()>, bool>> commands = {
        {[&] { window->Document().Open(program); }, true},
        {[&] { Laden(program); }, true},
        {[&] { window->Document().SaveTo(dir.filePath("neu.CPU")); }, true},
        {[&] { window->MnNeuClick(); }, true},
        {[&] { window->MnShowBefehlsfensterClick(); }, true},
        {[&] { window->MnSpeicherResetClick(); }, false},
        {[&] { window->LkBefehlLoeschenClick(); }, false},
    };
    for (std::size_t i = 0; i < commands.size(); ++i) {
        Restart();
        commands[i].first();
        EXPECT_EQ(window->Backups().Timer().isActive(), commands[i].second) << i;
        EXPECT_EQ(window->Backups().Timer().interval(), Ini::BackupTime()) << i;
    }
}

} // namespace
} // namespace tovak::test
