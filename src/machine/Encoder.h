// The instruction encoder: writes one instruction (number and operand) into memory at the
// instruction pointer and moves the pointer behind it. Window-free: its message boxes and the
// backup copy are callbacks of the owner.
#pragma once

#include "machine/RAM.h"
#include "machine/Steuerwerk.h"

#include <functional>
#include <string>

namespace tovak {

struct EncoderRueckrufe {
    // An error message box (caption, text); without one, ShowErrorBox shows it.
    std::function<void(const std::string&, const std::string&)> fehlerBox;
    // Writes a backup copy of the program.
    std::function<void()> sicherungSchreiben;
};

// Values of the setting "LiesZahlInRegister": what follows an entered "Lies Zahl in E/A-Einheit".
enum LiesZahlFolge : int {
    LiesZahlNurLesen = 0,   // nothing more
    LiesZahlInAkku = 1,     // "IN Akku"
    LiesZahlInRegister = 2, // "IN Akku", then "Move Reg, Akku" with the chosen register
};

class TEncoder {
public:
    TEncoder(TSteuerwerk& steuerwerk, TRAM& speicher, EncoderRueckrufe rueckrufe = {});

    // Any instruction of the instruction set. A number that is no instruction, or a two-cell
    // instruction at IP 65535, is refused with an error box and writes nothing. Always ends
    // with the backup copy, also after a refusal or a range error. Returns true when the
    // instruction was written.
    // A cell above address 4000 throws Bereichsfehler; the instruction is then not written
    // at all (not its first cell either) and the IP stays.
    bool BefehlInSpeicher(int befehl, int operand);

    // Compare and jumps (321..335) only, as the jump dialog enters them; no backup copy.
    bool BefehlInSpeicher2(int befehl, int operand);

    // What the input/output dialog's confirmation writes: the instruction through
    // BefehlInSpeicher and, after 390 ("Lies Zahl in E/A-Einheit"), the follow-up
    // instructions that the setting asks for (each with its own backup copy); "Move Reg,
    // Akku" takes the dialog's operand as its register. Any other setting value adds nothing.
    void EABefehlInSpeicher(int befehl, int operand, int liesZahlInRegister);

private:
    bool Schreiben(int befehl, int operand, int laenge);
    void Fehlerbox(const std::string& caption, const std::string& text) const;
    void Sicherung() const;

    TSteuerwerk& steuerwerk_;
    TRAM& speicher_;
    EncoderRueckrufe rueckrufe_;
};

} // namespace tovak
