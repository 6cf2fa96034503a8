// The previous session's backup copies and the two listings of memory.
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

class Folders : public ::testing::Test {
protected:
    Folders()
        : root_(fs::temp_directory_path() /
                (std::string("tovak-") +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name())) {
        fs::remove_all(root_);
        fs::create_directories(root_);
    }
    ~Folders() override { fs::remove_all(root_); }
    std::string Path(const std::string& name = "") const {
        return AddBackslash(root_.string()) + name;
    }
    static void Write(const std::string& file, const char* text = "x") {
        std::ofstream(file) << text;
    }
    static std::string Read(const std::string& file) {
        std::ifstream in(file);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    fs::path root_;
};

TEST_F(Folders, OnlyASessionWithCopiesReplacesTheKeptOnes) {
    auto session = [this](std::initializer_list<const char*> texts) {
        BackupCopies copies;
        copies.Open(BackupCopies::ChooseFolder(Path(), ""));
        for (const char* text : texts) {
            Write(copies.Next(), text);
        }
        return copies.PreviousSessionDir();
    };
    session({"eins", "zwei"});
    const std::string kept = session({});
    EXPECT_EQ(Read(kept + "Temp02.CPU"), "zwei");
    session({"drei"});
    session({});
    EXPECT_EQ(Read(kept + "Temp01.CPU"), "drei");
    EXPECT_FALSE(fs::exists(kept + "Temp02.CPU"));
}

class Listings : public ::testing::Test {
protected:
    // The export, one entry per line.
    std::vector<std::string> ExportLines() const {
        const std::string text = ExportCommandsText(m.speicher);
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
    EXPECT_EQ(MakeProgramListing(m.speicher, "").entries.size(), 4000u); // all zero: everything
    m.speicher.SetCell(0, 2, 65, false); // a data cell holding an instruction's code
    const ProgramListing listing = MakeProgramListing(m.speicher, "Titel");
    EXPECT_EQ(listing.Lines(),
              std::vector<std::string>({"    Titel", "", "    0 Inhalt", "    0 ", "",
                                        "    0 Inhalt", "    0 ", "", "    65 Inhalt",
                                        "    0 Move Akku, Konstante", ""}));
    m.speicher.SetCell(65, 0, 65, true);
    m.speicher.SetCell(0, 1, -4, false);
    m.speicher.SetCell(0, 2, 0, false);
    const ProgramListing program = MakeProgramListing(m.speicher, "");
    ASSERT_EQ(program.entries.size(), 2u); // a negative value is not zero either
    EXPECT_EQ(program.entries[0][0], "    65 Inhalt  is Command");
    EXPECT_EQ(program.entries[0][1], "    65 Move Akku, Konstante");
}

TEST_F(Listings, ExportReachesTheLastRowThatIsNotZero) {
    EXPECT_EQ(ExportLines().size(), 4001u); // empty memory: header and every row
    m.speicher.SetCell(0, 3, 7, false);
    EXPECT_EQ(ExportLines().size(), 5u);
    EXPECT_EQ(ExportLines().back(), " 003\t 0x0007\t7");
    m.speicher.SetMarke(9, Stapelmarke::IP); // a stack label is not "0"
    EXPECT_EQ(ExportLines().size(), 11u);
    m.speicher.SetCell(451, 3999, 451, true);
    EXPECT_EQ(ExportLines().size(), 4001u);
    EXPECT_EQ(ExportLines().back(), " 3999\t 0x01C3\tNOP");
}

} // namespace
} // namespace tovak::test
