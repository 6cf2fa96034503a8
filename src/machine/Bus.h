// A bus holds the value last put on it and shows it in its panel.
#pragma once

#include "machine/Befehle.h"
#include "machine/Displays.h"

namespace tovak {

class TBus {
public:
    TBus(TextDisplay& panel, bool istAdressbus);

    int GetValue() const { return value_; }
    void SetValue(int v);
    bool GetIstAdressbus() const { return istAdressbus_; }
    void SetIstAdressbus(bool f) { istAdressbus_ = f; }

private:
    int value_ = KeinWert;
    bool istAdressbus_;
    TextDisplay& panel_;
};

// "-" for KeinWert; decimal with three digits on the address bus, 0x.... on the data bus.
std::string BusText(int value, bool istAdressbus);

} // namespace tovak
