// The input/output unit: one 16-bit port value whose writes are echoed as lines into the
// output window while one is attached.
#pragma once

#include "machine/Displays.h"

#include <cstdint>

namespace tovak {

enum Ausgabeformat : std::uint16_t { FormatBinaer = 0, FormatHex = 1, FormatAscii = 2 };

class TEAEinheit {
public:
    explicit TEAEinheit(NumberDisplay& spinEdit) : spinEdit_(spinEdit) {}

    void SetAusgabefenster(OutputWindow* fenster) { fenster_ = fenster; }
    OutputWindow* GetAusgabefenster() const { return fenster_; }
    void SetAusgabeformat(int format) { format_ = format; }
    int GetAusgabeformat() const { return format_; }

    std::uint16_t GetValue() const { return value_; }
    // Values outside 0..65535 throw Bereichsfehler and change nothing.
    void SetValue(int v);
    void NeueZeile();

private:
    std::uint16_t value_ = 0;
    NumberDisplay& spinEdit_;
    OutputWindow* fenster_ = nullptr;
    int format_ = FormatBinaer;
};

// The output line for a value in the given format; empty for an unknown format.
std::string AusgabeZeile(int value, int format);

} // namespace tovak
