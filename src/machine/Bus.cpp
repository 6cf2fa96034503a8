#include "machine/Bus.h"

#include "machine/Anzeigetexte.h"

namespace tovak {

std::string BusText(int value, bool istAdressbus) {
    return istAdressbus ? AdressbusText(value) : DatenbusText(value);
}

TBus::TBus(ValueDisplay* panel, bool istAdressbus)
    : istAdressbus_(istAdressbus), panel_(panel), anzeige_(panel) {
    SetValue(KeinWert);
}

void TBus::SetAnzeigeAktiv(bool aktiv) {
    anzeige_ = aktiv ? panel_ : nullptr;
    if (aktiv) {
        Anzeigen();
    }
}

void TBus::Anzeigen() {
    if (panel_ != nullptr) {
        panel_->Show(value_);
    }
}

} // namespace tovak
