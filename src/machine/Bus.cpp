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
    if (journal_ != nullptr && v != value_) {
        journal_->Merke(journalFeld_, value_);
    }
    value_ = v;
    panel_.SetText(BusText(v, istAdressbus_));
}

void TBus::Anzeigen() {
    panel_.SetText(BusText(value_, istAdressbus_));
}

} // namespace tovak
