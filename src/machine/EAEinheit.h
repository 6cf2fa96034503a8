// The input/output unit: one 16-bit port value whose writes are echoed as lines into the
// output window while one is attached.
#pragma once

#include "machine/Displays.h"
#include "machine/Journal.h"

#include <cstdint>

namespace tovak {

enum Ausgabeformat : std::uint16_t { FormatBinaer = 0, FormatHex = 1, FormatAscii = 2 };

class TEAEinheit {
public:
    // Without a spin edit the value is shown nowhere (a headless run).
    explicit TEAEinheit(ValueDisplay* spinEdit = nullptr)
        : spinEdit_(spinEdit), anzeige_(spinEdit) {}

    void SetAusgabefenster(OutputWindow* fenster) {
        fenster_ = fenster;
        ++fensterNummer_;
    }
    // The same window reached another way (a buffer in front of it): what "Takt zurück"
    // takes back from it stays its own.
    void ReplaceAusgabefenster(OutputWindow* fenster) { fenster_ = fenster; }
    OutputWindow* GetAusgabefenster() const { return fenster_; }
    void SetAusgabeformat(int format) { format_ = format; }
    int GetAusgabeformat() const { return format_; }

    std::uint16_t GetValue() const { return value_; }
    // Values outside 0..65535 throw Bereichsfehler and change nothing.
    void SetValue(int v);
    void NeueZeile();

    // While off, the value changes without being shown in the spin edit; the output lines
    // go on. Switching on shows the value again.
    void SetAnzeigeAktiv(bool aktiv);
    // What sees the values while showing is off (nullptr: nothing).
    void SetAnzeigeWaehrendAus(ValueDisplay* anzeige) {
        stille_ = anzeige;
        if (anzeige_ != spinEdit_) {
            anzeige_ = stille_;
        }
    }
    void Anzeigen();

    // The value, the output lines and the label go into the journal; nullptr stops it.
    void SetJournal(TJournal* journal) { journal_ = journal; }
    // Undo: the old value shown again, without an output line.
    void WertWiederherstellen(int v);
    // Undo of an output line or label; ignored when the line went to another window than
    // the one attached now (fensterNummer counts the changes of the window).
    void ZeileZuruecknehmen(int fensterNummer);
    void LabelWiederherstellen(int fensterNummer, int label);

private:
    void MerkeZeile();

    std::uint16_t value_ = 0;
    ValueDisplay* spinEdit_;
    ValueDisplay* anzeige_; // the spin edit, or stille_ while showing is off
    ValueDisplay* stille_ = nullptr;
    OutputWindow* fenster_ = nullptr;
    int format_ = FormatBinaer;
    TJournal* journal_ = nullptr;
    int fensterNummer_ = 0;
};

// The output line for a value in the given format; empty for an unknown format.
std::string AusgabeZeile(int value, int format);

} // namespace tovak
