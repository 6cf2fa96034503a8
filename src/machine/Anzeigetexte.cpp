#include "machine/Anzeigetexte.h"

#include "machine/Befehle.h"
#include "util/NumberTexts.h"

#include <limits>

namespace tovak {

namespace {

// Values reach the texts as 64-bit numbers; the machine's own are 32-bit.
int Int32(std::int64_t value) {
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max()) {
        return -1;
    }
    return static_cast<int>(value);
}

} // namespace

std::string AdressbusText(std::int64_t value) {
    return value == KeinWert ? "-" : IntToStr3(Int32(value));
}

std::string DatenbusText(std::int64_t value) {
    return value == KeinWert ? "-" : IntToHex0x(Int32(value));
}

std::string BlankDezimalText(std::int64_t value) {
    return " " + std::to_string(value);
}

std::string BlankHexText(std::int64_t value) {
    return " " + IntToHex0x(Int32(value));
}

std::string HexText(std::int64_t value) {
    return IntToHex0x(Int32(value));
}

std::string DezimalText(std::int64_t value) {
    return std::to_string(value);
}

std::string FlagText(std::int64_t value) {
    return value != 0 ? "1" : "0";
}

std::string MikroschrittText(std::int64_t code) {
    return Mikroschrittname(Int32(code));
}

std::string AusfuehrungsnameText(std::int64_t befehl) {
    return Ausfuehrungsname(Int32(befehl));
}

std::string BefehlsanzeigeText(int befehl, std::int64_t operand) {
    const bool ohneBefehl = befehl == KeinWert;
    const bool ohneOperand = operand == KeinWert;
    // Operands come from 32-bit cells; anything wider shows as 0x0000 like a negative one.
    const int gezeigt = Int32(operand);
    if (ohneBefehl && ohneOperand) {
        return {};
    }
    if (ohneBefehl) {
        return IntToHex0x(gezeigt) + " Fehler 999";
    }
    if (ohneOperand) {
        return IntToHex0x(befehl);
    }
    return IntToHex0x(befehl) + "  " + IntToHex0x(gezeigt);
}

} // namespace tovak
