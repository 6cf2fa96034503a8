#include "machine/Encoder.h"

#include "machine/Befehle.h"
#include "machine/Fehler.h"
#include "util/MessageBoxes.h"

#include <utility>

namespace tovak {

namespace {

constexpr int kLetzteIP = 65535;
constexpr const char* kZweiZellenText =
    "For this command you nees two bytes.\r\nThe IP show the last byte in the memory.";

} // namespace

void TEncoder::Fehlerbox(const std::string& caption, const std::string& text) const {
    if (rueckrufe_.fehlerBox) {
        rueckrufe_.fehlerBox(caption, text);
    } else {
        ShowErrorBox(caption, text);
    }
}

void TEncoder::Sicherung() const {
    if (rueckrufe_.sicherungSchreiben) {
        rueckrufe_.sicherungSchreiben();
    }
}

TEncoder::TEncoder(TSteuerwerk& steuerwerk, TRAM& speicher, EncoderRueckrufe rueckrufe)
    : steuerwerk_(steuerwerk), speicher_(speicher), rueckrufe_(std::move(rueckrufe)) {}

bool TEncoder::Schreiben(int befehl, int operand, int laenge) {
    const int ip = steuerwerk_.GetIP();
    if (laenge == 2 && ip == kLetzteIP) {
        Fehlerbox("Error", kZweiZellenText);
        return false;
    }
    // Both cells are checked before the first is written: a range error leaves no
    // instruction without its operand behind.
    const int letzte = laenge == 2 ? TRAM::kMaxCount - 1 : TRAM::kMaxCount;
    if (ip < 0 || ip > letzte) {
        throw Bereichsfehler();
    }
    speicher_.SetCell(befehl, ip, befehl, true);
    steuerwerk_.SetIP(ip + 1);
    if (laenge == 2) {
        speicher_.SetCell(0, ip + 1, operand, false);
        steuerwerk_.SetIP(ip + 2);
    }
    return true;
}

bool TEncoder::BefehlInSpeicher(int befehl, int operand) {
    bool geschrieben = false;
    try {
        const int laenge = BefehlsLaenge(befehl);
        if (laenge == 0) {
            Fehlerbox("Fehler", "Fehler in Main, Methode BefehlInSpeicher\r\nFalscher Case Wert: " +
                                    std::to_string(befehl));
        } else {
            geschrieben = Schreiben(befehl, operand, laenge);
        }
    } catch (const Bereichsfehler&) {
        Sicherung();
        throw;
    }
    Sicherung();
    return geschrieben;
}

bool TEncoder::BefehlInSpeicher2(int befehl, int operand) {
    if (befehl < 321 || befehl > 335) {
        Fehlerbox("Error", "Error in Main, method BefehlInSpeicher2\r\nfalse Case Value: " +
                               std::to_string(befehl));
        return false;
    }
    return Schreiben(befehl, operand, 2);
}

void TEncoder::EABefehlInSpeicher(int befehl, int operand, int liesZahlInRegister) {
    BefehlInSpeicher(befehl, operand);
    if (befehl != 390) {
        return;
    }
    if (liesZahlInRegister == LiesZahlInAkku || liesZahlInRegister == LiesZahlInRegister) {
        BefehlInSpeicher(385, operand);
    }
    if (liesZahlInRegister == LiesZahlInRegister) {
        BefehlInSpeicher(67, operand);
    }
}

} // namespace tovak
