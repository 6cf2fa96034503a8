// Shared helpers of the program-file tests: memory and registers on plain tables, a
// temporary folder, and file contents.
#pragma once

#include "machine/Befehle.h"
#include "machine/PlainDisplays.h"
#include "machine/RAM.h"
#include "machine/Reg.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string>
#include <vector>

#include <unistd.h>

namespace tovak::test {

// Memory, registers and remarks as the main window holds them.
struct Programmspeicher {
    Programmspeicher() {
        BefehlstabellenFuellen();
        speicher.FillGrid();
        reg.FillGrid();
    }
    PlainGrid speicherGrid;
    PlainGrid registerGrid;
    TRAM speicher{TRAM::kMaxCount, &speicherGrid};
    TReg reg{TReg::kMaxCount, &registerGrid};
    std::vector<std::string> remarks;
};

// Lines joined with CR LF, each ended by CR LF.
inline std::string CrLf(std::initializer_list<std::string> zeilen) {
    std::string text;
    for (const std::string& zeile : zeilen) {
        text += zeile;
        text += "\r\n";
    }
    return text;
}

inline std::string DateiInhalt(const std::filesystem::path& pfad) {
    std::ifstream in(pfad, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void DateiAnlegen(const std::filesystem::path& pfad, const std::string& inhalt) {
    std::ofstream out(pfad, std::ios::binary | std::ios::trunc);
    out << inhalt;
}

// A fresh folder per test, removed afterwards.
class TempOrdnerTest : public ::testing::Test {
protected:
    void SetUp() override {
        static int zaehler = 0;
        ordner_ = std::filesystem::temp_directory_path() /
                  ("tovak-files-" + std::to_string(getpid()) + "-" + std::to_string(++zaehler));
        std::filesystem::remove_all(ordner_);
        std::filesystem::create_directories(ordner_);
    }
    void TearDown() override {
        std::error_code ec;
        std::filesystem::permissions(ordner_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(ordner_, ec);
    }
    std::string Pfad(const std::string& name) const { return (ordner_ / name).string(); }
    std::vector<std::string> Eintraege() const {
        std::vector<std::string> namen;
        for (const auto& eintrag : std::filesystem::directory_iterator(ordner_)) {
            namen.push_back(eintrag.path().filename().string());
        }
        return namen;
    }

    std::filesystem::path ordner_;
};

} // namespace tovak::test
