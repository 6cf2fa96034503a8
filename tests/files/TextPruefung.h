// The oracle of the program text, shared by its fuzzer and the tests: any bytes are read or
// refused with line-numbered errors and no image; what is read loads into the stores; and
// every image goes to text and back unchanged, down to the bytes of its program file.
#pragma once

#include "LeserPruefung.h"

#include "files/Assembler.h"
#include "files/Disassembler.h"
#include "files/ProgrammText.h"
#include "files/Programminhalt.h"
#include "files/TextDatei.h"

#include <string>
#include <string_view>

namespace tovak::test {

// The program file the stores would write for the image.
inline std::string DateiVon(const Programminhalt& inhalt) {
    TRAM speicher(TRAM::kMaxCount, nullptr);
    TReg reg(TReg::kMaxCount, nullptr);
    InhaltInSpeicher(inhalt, speicher, reg);
    if (InhaltAusSpeicher(inhalt.bemerkung, speicher, reg) != inhalt) {
        return "<the stores changed the image>";
    }
    return ProgrammText(inhalt.bemerkung, speicher, reg);
}

// Empty when the image goes to text and back unchanged, else what went wrong.
inline std::string PruefeRundreise(const Programminhalt& inhalt) {
    const std::string text = Disassembliere(inhalt);
    const Uebersetzung u = Assembliere(text);
    if (!u.Ok()) {
        return "the written text does not read: " + u.fehler.front().Text() + "\n" + text;
    }
    if (u.inhalt != inhalt) {
        return "the text reads back as another image:\n" + text;
    }
    if (DateiVon(u.inhalt) != DateiVon(inhalt)) {
        return "the text gives another program file";
    }
    return {};
}

// Empty when the text reader behaved on these bytes, else what went wrong.
inline std::string PruefeTextLeser(std::string_view bytes) {
    BefehlstabellenFuellen();
    // Undecoded bytes must not upset the reader either.
    (void)Assembliere(bytes);
    (void)IstProgrammtext(bytes, "x.CPU");
    const Uebersetzung u = Assembliere(TextAlsUtf8(bytes));
    if (!u.Ok()) {
        if (u.inhalt != Programminhalt{}) {
            return "a text with errors left an image";
        }
        for (const TextFehler& f : u.fehler) {
            if (f.zeile < 1 || f.meldung.empty() || !IstUtf8(f.meldung)) {
                return "an error without its line or text: " + f.Text();
            }
        }
        return {};
    }
    for (const std::string& zeile : u.inhalt.bemerkung) {
        if (!IstUtf8(zeile) || zeile.find_first_of("\r\n") != std::string::npos) {
            return "a remark line is no single UTF-8 line";
        }
    }
    try {
        return PruefeRundreise(u.inhalt);
    } catch (const TovakFehler& e) {
        return std::string("a good text does not load: ") + e.what();
    }
}

} // namespace tovak::test
