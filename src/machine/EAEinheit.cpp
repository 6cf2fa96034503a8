#include "machine/EAEinheit.h"

#include "machine/Fehler.h"
#include "util/NumberTexts.h"

namespace tovak {

std::string AusgabeZeile(int value, int format) {
    switch (format) {
    case FormatBinaer:
        return std::to_string(value) + "   " + IntToBin(value);
    case FormatHex:
        return std::to_string(value) + "   " + IntToHex0x(value);
    case FormatAscii:
        return std::to_string(value) + "  " + std::string(1, static_cast<char>(value % 256));
    default:
        return {};
    }
}

void TEAEinheit::SetValue(int v) {
    if (v < 0 || v > 65535) {
        throw Bereichsfehler();
    }
    value_ = static_cast<std::uint16_t>(v);
    spinEdit_.SetNumber(v);
    if (fenster_ == nullptr || format_ < FormatBinaer || format_ > FormatAscii) {
        return;
    }
    fenster_->SetLabel(IntToBin(v));
    fenster_->AppendLine(AusgabeZeile(v, format_));
}

void TEAEinheit::NeueZeile() {
    if (fenster_ != nullptr) {
        fenster_->AppendLine({});
    }
}

} // namespace tovak
