// A bus holds the value last put on it and shows it in its panel.
#pragma once

#include "machine/Befehle.h"
#include "machine/Displays.h"
#include "machine/Journal.h"

namespace tovak {

class TBus {
public:
    TBus(TextDisplay& panel, bool istAdressbus);

    int GetValue() const { return value_; }
    void SetValue(int v);
    bool GetIstAdressbus() const { return istAdressbus_; }
    void SetIstAdressbus(bool f) { istAdressbus_ = f; }

    // Value changes go into the journal under this field; nullptr stops recording.
    void SetJournal(TJournal* journal, JournalFeld feld) {
        journal_ = journal;
        journalFeld_ = feld;
    }
    // Shows the value again (after an undo, or after the owner cleared the panel).
    void Anzeigen();

private:
    int value_ = KeinWert;
    bool istAdressbus_;
    TextDisplay& panel_;
    TJournal* journal_ = nullptr;
    JournalFeld journalFeld_ = JournalFeld::Datenbus;
};

// "-" for KeinWert; decimal with three digits on the address bus, 0x.... on the data bus.
std::string BusText(int value, bool istAdressbus);

} // namespace tovak
