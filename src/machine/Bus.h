// A bus holds the value last put on it and shows it in its panel.
#pragma once

#include "machine/Befehle.h"
#include "machine/Displays.h"

namespace tovak {

class TBus {
public:
    // Without a panel the bus shows nothing (a headless run).
    TBus(ValueDisplay* panel, bool istAdressbus);

    int GetValue() const { return value_; }
    void SetValue(int v) {
        value_ = v;
        if (anzeige_ != nullptr) {
            anzeige_->Show(v);
        }
    }
    bool GetIstAdressbus() const { return istAdressbus_; }
    void SetIstAdressbus(bool f) { istAdressbus_ = f; }

    // While off, values change without being shown; switching on shows the value again.
    void SetAnzeigeAktiv(bool aktiv);
    // Shows the value again (after an undo, or after the owner cleared the panel).
    void Anzeigen();

private:
    int value_ = KeinWert;
    bool istAdressbus_;
    ValueDisplay* panel_;
    ValueDisplay* anzeige_; // the panel, or nullptr while showing is off
};

// "-" for KeinWert; decimal with three digits on the address bus, 0x.... on the data bus.
std::string BusText(int value, bool istAdressbus);

} // namespace tovak
