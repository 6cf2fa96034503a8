// Every program the simulator can hold goes to text and back unchanged: the lessons (whose
// text forms in examples/ give their files byte for byte), the files of the reader's corpus
// and the memory images of the machine fuzzer's corpus. The text reader's corpus replays
// what its fuzzer found.
#include "DateiTestHilfen.h"
#include "TextPruefung.h"
#include "machine/MaschinenPruefung.h"

#include "files/ProgramFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace tovak::test {
namespace {

namespace fs = std::filesystem;

std::vector<fs::path> Dateien(const fs::path& ordner, const std::string& endung = {}) {
    std::vector<fs::path> dateien;
    for (const auto& eintrag : fs::directory_iterator(ordner)) {
        if (eintrag.is_regular_file() && (endung.empty() || eintrag.path().extension() == endung)) {
            dateien.push_back(eintrag.path());
        }
    }
    std::sort(dateien.begin(), dateien.end());
    return dateien;
}

TEST(ProgrammtextRundreise, Beispiele) {
    const std::vector<fs::path> dateien = Dateien(TOVAK_EXAMPLES_DIR, ".CPU");
    ASSERT_GE(dateien.size(), 10u);
    for (const fs::path& datei : dateien) {
        SCOPED_TRACE(datei.string());
        const std::string bytes = DateiInhalt(datei);
        Programmspeicher p;
        ASSERT_EQ(LeseProgrammText(bytes, p.remarks, p.speicher, p.reg), LeseErgebnis::Geladen);
        const Programminhalt inhalt = InhaltAusSpeicher(p.remarks, p.speicher, p.reg);
        EXPECT_EQ(PruefeRundreise(inhalt), "");
        EXPECT_EQ(DateiVon(Assembliere(Disassembliere(inhalt)).inhalt), bytes);

        // The lesson's own text form beside it.
        fs::path text = datei;
        text.replace_extension(".txt");
        const Uebersetzung u = Assembliere(TextAlsUtf8(DateiInhalt(text)));
        ASSERT_TRUE(u.Ok()) << u.fehler.front().Text();
        EXPECT_EQ(DateiVon(u.inhalt), bytes);
    }
}

TEST(ProgrammtextRundreise, DateienDesLeserKorpus) {
    int geladen = 0;
    for (const fs::path& datei : Dateien(TOVAK_CORPUS_DIR)) {
        Programmspeicher p;
        try {
            if (LeseProgrammText(DateiInhalt(datei), p.remarks, p.speicher, p.reg) !=
                LeseErgebnis::Geladen) {
                continue;
            }
        } catch (const TovakFehler&) {
            continue; // not a file the program can read
        }
        ++geladen;
        EXPECT_EQ(PruefeRundreise(InhaltAusSpeicher(p.remarks, p.speicher, p.reg)), "") << datei;
    }
    EXPECT_GE(geladen, 20);
}

TEST(ProgrammtextRundreise, SpeicherDesMaschinenKorpus) {
    int aufgebaut = 0;
    for (const fs::path& datei : Dateien(TOVAK_MASCHINEN_KORPUS)) {
        Pruefmaschine m;
        const std::string daten = DateiInhalt(datei);
        Bytes in(daten);
        Start start{};
        int schritte = 0;
        std::vector<int> interrupts;
        if (!Aufbauen(m, in, start, schritte, interrupts)) {
            continue;
        }
        ++aufgebaut;
        EXPECT_EQ(PruefeRundreise(InhaltAusSpeicher({}, m.speicher, m.reg)), "") << datei;
    }
    EXPECT_GE(aufgebaut, 20);
}

TEST(ProgrammtextRundreise, KorpusDesTextLesers) {
    const std::vector<fs::path> dateien = Dateien(TOVAK_TEXT_CORPUS_DIR);
    ASSERT_GE(dateien.size(), 5u);
    for (const fs::path& datei : dateien) {
        EXPECT_EQ(PruefeTextLeser(DateiInhalt(datei)), "") << datei;
    }
}

} // namespace
} // namespace tovak::test
