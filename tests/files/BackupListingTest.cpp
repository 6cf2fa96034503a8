// The folder helpers, the backup copies' names and folder, and the two listings of memory.
#include "files/Backup.h"
#include "files/Listing.h"
#include "support/MachineFixture.h"
#include "util/Paths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace tovak::test {
namespace {

namespace fs = std::filesystem;

// A fresh folder below the system's temporary folder, removed afterwards.
class TempFolder {
public:
    TempFolder() {
        path_ = fs::temp_directory_path() /
                ("tovak-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                 "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(path_);
        fs::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code error;
        fs::remove_all(path_, error);
    }
    std::string Path() const { return AddBackslash(path_.string()); }

private:
    fs::path path_;
};

void Touch(const std::string& file, const char* text = "x") {
    std::ofstream(file) << text;
}

std::string Read(const std::string& file) {
    std::ifstream in(file);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(Paths, FolderHelpers) {
    const std::string sep(1, PathSeparator());
    for (const auto& [in, out] : std::vector<std::pair<std::string, std::string>>{
             {"", sep}, {"a", "a" + sep}, {"a" + sep, "a" + sep}}) {
        EXPECT_EQ(AddBackslash(in), out) << in;
    }
    TempFolder tmp;
    EXPECT_TRUE(DirExists(sep));
    EXPECT_FALSE(DirExists(""));
    EXPECT_TRUE(DirExists(tmp.Path()));
    EXPECT_FALSE(DirExists(tmp.Path() + "fehlt"));
    EXPECT_TRUE(ForceDir(tmp.Path() + "a" + sep + "b"));
    EXPECT_TRUE(DirExists(tmp.Path() + "a" + sep + "b" + sep));
    Touch(tmp.Path() + "datei");
    EXPECT_FALSE(DirExists(tmp.Path() + "datei"));
    EXPECT_FALSE(ForceDir(tmp.Path() + "datei" + sep + "unter"));

    const std::string readOnly = tmp.Path() + "nurlesen.CPU";
    Touch(readOnly);
    fs::permissions(readOnly, fs::perms::owner_read, fs::perm_options::replace);
    EXPECT_TRUE(DeleteFileForced(readOnly));
    EXPECT_FALSE(fs::exists(readOnly));
    EXPECT_FALSE(DeleteFileForced(readOnly));

    EXPECT_TRUE(DirExists(ProgrammPfad()));
    EXPECT_EQ(ProgrammPfad().back(), PathSeparator());
}

TEST(Backup, NamesRunFrom01To99AndAgain) {
    TempFolder tmp;
    BackupCopies copies;
    copies.Prepare(tmp.Path(), "");
    EXPECT_EQ(copies.Dir(), tmp.Path() + "Temp" + PathSeparator());
    EXPECT_EQ(copies.Counter(), 0);
    EXPECT_EQ(copies.Next(), copies.Dir() + "Temp01.CPU");
    for (int i = 2; i < 99; ++i) {
        copies.Next();
    }
    EXPECT_EQ(copies.Next(), copies.Dir() + "Temp99.CPU");
    EXPECT_EQ(copies.Next(), copies.Dir() + "Temp01.CPU");
    EXPECT_EQ(copies.Counter(), 1);

    for (const char* name : {"Temp01.CPU", "temp7.cpu", "Temperatur.CPU"}) {
        EXPECT_TRUE(BackupCopies::IsBackupName(name)) << name;
    }
    for (const char* name : {"Temp.txt", "MeinTemp01.CPU", "Tem.CPU"}) {
        EXPECT_FALSE(BackupCopies::IsBackupName(name)) << name;
    }
}

TEST(Backup, FolderThatTakesNoFilesFallsBackToTheUsersFolder) {
    TempFolder tmp;
    // A file where the program's folder should be: nothing can be created below it.
    Touch(tmp.Path() + "programm");
    BackupCopies copies;
    copies.Prepare(tmp.Path() + "programm", tmp.Path() + "benutzer");
    EXPECT_EQ(copies.Dir(), tmp.Path() + "benutzer" + PathSeparator() + "Temp" + PathSeparator());
    EXPECT_TRUE(DirExists(copies.Dir()));
    EXPECT_FALSE(copies.Next().empty());
}

TEST(Backup, StartKeepsThePreviousSessionsCopiesAside) {
    TempFolder tmp;
    BackupCopies first;
    first.Prepare(tmp.Path(), "");
    Touch(first.Next(), "eins");
    Touch(first.Next(), "zwei");
    Touch(first.Dir() + "Notiz.txt");

    BackupCopies second;
    second.Prepare(tmp.Path(), "");
    const std::string kept = second.PreviousSessionDir();
    EXPECT_EQ(Read(kept + "Temp01.CPU"), "eins");
    EXPECT_EQ(Read(kept + "Temp02.CPU"), "zwei");
    EXPECT_FALSE(fs::exists(second.Dir() + "Temp01.CPU"));
    EXPECT_TRUE(fs::exists(second.Dir() + "Notiz.txt"));

    // A session without copies leaves the kept ones alone; one with copies replaces them all.
    BackupCopies third;
    third.Prepare(tmp.Path(), "");
    EXPECT_EQ(Read(kept + "Temp02.CPU"), "zwei");
    Touch(third.Next(), "drei");
    BackupCopies fourth;
    fourth.Prepare(tmp.Path(), "");
    EXPECT_EQ(Read(kept + "Temp01.CPU"), "drei");
    EXPECT_FALSE(fs::exists(kept + "Temp02.CPU"));

    // Deleting concerns the current session only.
    Touch(fourth.Next());
    fourth.DeleteAll();
    EXPECT_EQ(fourth.Counter(), 0);
    EXPECT_FALSE(fs::exists(fourth.Dir() + "Temp01.CPU"));
    EXPECT_TRUE(fs::exists(kept + "Temp01.CPU"));
}

class Listings : public ::testing::Test {
protected:
    Listings() {
        for (int col = 0; col < 3; ++col) {
            m.speicherGrid.SetCell(col, 0, kHeader[col]);
        }
    }
    static constexpr const char* kHeader[] = {" Adr", " Hex-Wert", " Befehl / Daten"};

    // The export of the machine's grid, one entry per line.
    std::vector<std::string> ExportLines() {
        const std::string text = ExportCommandsText(m.speicherGrid, 3);
        std::vector<std::string> lines;
        std::size_t start = 0;
        for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos;
             start = end + 2) {
            lines.push_back(text.substr(start, end - start));
        }
        lines.push_back(text.substr(start));
        return lines;
    }
    PlainMachine m;
};

TEST_F(Listings, PrintedListingEndsAtTheLastNonZeroValue) {
    m.speicher.SetCell(0, 2, 65, false); // a data cell holding an instruction's code
    const ProgramListing listing = MakeProgramListing(m.speicher, "Titel");
    EXPECT_EQ(listing.heading[0], "    Titel");
    EXPECT_EQ(listing.heading[1], "");
    ASSERT_EQ(listing.entries.size(), 3u);
    EXPECT_EQ(listing.entries[0][0], "    0 Inhalt");
    EXPECT_EQ(listing.entries[0][1], "    0 ");
    EXPECT_EQ(listing.entries[2][0], "    65 Inhalt");
    EXPECT_EQ(listing.entries[2][1], "    0 Move Akku, Konstante");
    EXPECT_EQ(listing.Lines().size(), 2u + 9u);

    m.speicher.SetCell(65, 0, 65, true);
    m.speicher.SetCell(0, 1, -4, false); // negative values count as not zero
    m.speicher.SetCell(0, 2, 0, false);
    const ProgramListing program = MakeProgramListing(m.speicher, "");
    ASSERT_EQ(program.entries.size(), 2u);
    EXPECT_EQ(program.entries[0][0], "    65 Inhalt  is Command");
    EXPECT_EQ(program.entries[0][1], "    65 Move Akku, Konstante");
    EXPECT_EQ(program.entries[1][0], "    -4 Inhalt");
    EXPECT_EQ(program.heading[0], "    ");

    m.speicher.Clear();
    EXPECT_EQ(MakeProgramListing(m.speicher, "").entries.size(), 4000u);
}

TEST_F(Listings, ExportReachesTheLastRowThatIsNotZero) {
    EXPECT_EQ(ExportLines().size(), 4001u); // empty memory: every row
    EXPECT_EQ(ExportLines().front(), " Adr\t Hex-Wert\t Befehl / Daten");

    m.speicher.SetCell(65, 0, 65, true);
    m.speicher.SetCell(0, 1, 5, false);
    m.speicher.SetCell(67, 2, 67, true);
    m.speicher.SetCell(0, 3, 3, false);
    const std::vector<std::string> program = ExportLines();
    ASSERT_EQ(program.size(), 5u);
    EXPECT_EQ(program[1], " 000\t 0x0041\tMove Akku, Konstante");
    EXPECT_EQ(program[4], " 003\t 0x0003\t3");

    m.speicher.SetText(9, "IP"); // a stack label is not "0"
    EXPECT_EQ(ExportLines().size(), 11u);
    EXPECT_EQ(ExportLines().back(), " 009\t 0x0000\tIP");
    m.speicher.SetCell(451, 3999, 451, true);
    EXPECT_EQ(ExportLines().size(), 4001u);
    EXPECT_EQ(ExportLines().back(), " 3999\t 0x01C3\tNOP");
}

} // namespace
} // namespace tovak::test
