// What the control unit's source files share: a micro-step as it stands in the phase table,
// the registers' wrapping add, and the mark of a callback of the owner in progress.
#pragma once

#include "machine/Steuerwerk.h"

#include <cstdint>

namespace tovak::steuerwerk {

constexpr std::uint8_t Code(Mikroschritt s) {
    return static_cast<std::uint8_t>(s);
}

// Wrapping add: the IP and SP are plain 32-bit registers without a limit test here.
inline int Plus(int v, int d) {
    return static_cast<int>(static_cast<std::uint32_t>(v) + static_cast<std::uint32_t>(d));
}

// Marks a callback of the owner in progress, also when it throws.
class Rueckruf {
public:
    explicit Rueckruf(bool& flag) : flag_(flag), vorher_(flag) { flag_ = true; }
    Rueckruf(const Rueckruf&) = delete;
    Rueckruf& operator=(const Rueckruf&) = delete;
    ~Rueckruf() { flag_ = vorher_; }

private:
    bool& flag_;
    bool vorher_;
};

} // namespace tovak::steuerwerk
