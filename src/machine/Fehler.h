// Typed failures of the machine and the files. Each carries the German text the user sees.
#pragma once

#include <stdexcept>
#include <string>

namespace tovak {

inline constexpr const char* kBereichsfehlerText = "Fehler bei Bereichsprüfung";
inline constexpr const char* kDivisionDurchNullText = "Division durch Null";

class TovakFehler : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A value, register number or address outside its range; the operation had no effect.
class Bereichsfehler : public TovakFehler {
public:
    Bereichsfehler() : TovakFehler(kBereichsfehlerText) {}
};

class DivisionDurchNull : public TovakFehler {
public:
    DivisionDurchNull() : TovakFehler(kDivisionDurchNullText) {}
};

// A file could not be read or written, or its numbers are malformed.
class DateiFehler : public TovakFehler {
public:
    using TovakFehler::TovakFehler;
};

} // namespace tovak
