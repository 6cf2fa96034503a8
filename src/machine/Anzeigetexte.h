// The texts the displays show, made from the values the machine hands them when a display
// is drawn: the same functions serve the window, the tests and the runner's trace.
#pragma once

#include <cstdint>
#include <string>

namespace tovak {

using TextFunktion = std::string (*)(std::int64_t);

// Address bus: "-" for no value, else decimal with at least three digits ("007").
std::string AdressbusText(std::int64_t value);
// Data bus: "-" for no value, else "0x" and at least four hexadecimal digits ("0x0041").
std::string DatenbusText(std::int64_t value);
// Stack pointer and service address, the operand's hint: a blank, then decimal (" 255").
std::string BlankDezimalText(std::int64_t value);
// Akku and operand: a blank, then hexadecimal (" 0x0005").
std::string BlankHexText(std::int64_t value);
// The hexadecimal twins of the stack pointer and service address panels ("0x00FF").
std::string HexText(std::int64_t value);
// The Akku's hint: decimal ("5").
std::string DezimalText(std::int64_t value);
// A flag: "1" or "0".
std::string FlagText(std::int64_t value);
// The name of the micro-step with this code.
std::string MikroschrittText(std::int64_t code);
// The name during execution of the instruction with this number.
std::string AusfuehrungsnameText(std::int64_t befehl);
// The instruction display: empty, the instruction, the instruction and its operand, or an
// operand without instruction followed by " Fehler 999".
std::string BefehlsanzeigeText(int befehl, std::int64_t operand);

} // namespace tovak
