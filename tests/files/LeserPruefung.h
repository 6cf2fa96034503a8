// The oracle for any input to the program-file reader, shared by the fuzzer and the corpus
// regression test: the reader loads or reports, never leaves broken text in memory, changes
// nothing for a version below 5, and what it loaded writes and reads back to the same file.
#pragma once

#include "files/ProgrammText.h"
#include "files/TextSyntax.h"
#include "machine/Befehle.h"
#include "machine/Fehler.h"
#include "machine/PlainDisplays.h"
#include "machine/RAM.h"
#include "machine/Reg.h"

#include <string>
#include <string_view>
#include <vector>

namespace tovak::test {

using textform::IstUtf8;

// Empty when the reader behaved on these bytes, else what went wrong.
inline std::string PruefeLeser(std::string_view daten) {
    BefehlstabellenFuellen();
    // Without grids: a reader's refill tells nobody.
    TRAM speicher(TRAM::kMaxCount, nullptr);
    TReg reg(TReg::kMaxCount, nullptr);
    std::vector<std::string> remarks{"unberührt"};
    LeseErgebnis ergebnis;
    try {
        ergebnis = LeseProgrammText(daten, remarks, speicher, reg);
    } catch (const TovakFehler&) {
        return {}; // reported with its German text
    }
    if (ergebnis == LeseErgebnis::VersionZuAlt) {
        for (int a = 0; a < TRAM::kZellen; ++a) {
            if (speicher.GetValue(a) != 0 || speicher.IstBefehl(a)) {
                return "version below 5 changed the memory";
            }
        }
        if (remarks.size() != 1 || remarks[0] != "unberührt") {
            return "version below 5 changed the remarks";
        }
        return {};
    }
    for (const std::string& zeile : remarks) {
        if (!IstUtf8(zeile) || zeile.find_first_of("\r\n") != std::string::npos) {
            return "a remark line is no single UTF-8 line";
        }
    }
    for (int i = 0; i < TReg::kRegisterZahl; ++i) {
        if (!IstUtf8(reg.GetName(i))) {
            return "a register name is no UTF-8";
        }
    }
    const std::string text1 = ProgrammText(remarks, speicher, reg);

    TRAM speicher2(TRAM::kMaxCount, nullptr);
    TReg reg2(TReg::kMaxCount, nullptr);
    std::vector<std::string> remarks2;
    try {
        if (LeseProgrammText(text1, remarks2, speicher2, reg2) != LeseErgebnis::Geladen) {
            return "a written file does not load";
        }
    } catch (const TovakFehler& e) {
        return std::string("a written file fails to load: ") + e.what();
    }
    if (ProgrammText(remarks2, speicher2, reg2) != text1) {
        return "writing what was read back gives another file";
    }
    return {};
}

} // namespace tovak::test
