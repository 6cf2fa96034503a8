#include "machine/Bus.h"

#include "util/NumberTexts.h"

namespace tovak {

std::string BusText(int value, bool istAdressbus) {
    if (value == KeinWert) {
        return "-";
    }
    return istAdressbus ? IntToStr3(value) : IntToHex0x(value);
}

TBus::TBus(TextDisplay& panel, bool istAdressbus) : istAdressbus_(istAdressbus), panel_(panel) {
    SetValue(KeinWert);
}

void TBus::SetValue(int v) {
    value_ = v;
    panel_.SetText(BusText(v, istAdressbus_));
}

} // namespace tovak
