#include "machine/EAEinheit.h"

#include "machine/Fehler.h"
#include "util/Cp1252.h"
#include "util/NumberTexts.h"

namespace tovak {

namespace {

// The character of an ASCII output line. Control codes would break the line apart, so they
// show as their Unicode control pictures; codes above 127 are Windows-1252 characters.
std::string AsciiZeichen(int value) {
    const auto code = static_cast<unsigned char>(value % 256);
    if (code < 32) {
        return {'\xE2', '\x90', static_cast<char>(0x80 + code)};
    }
    if (code == 127) {
        return "\xE2\x90\xA1";
    }
    return Cp1252ZeichenAlsUtf8(code);
}

} // namespace

std::string AusgabeLabelText(int value) {
    return value < 0 ? "-" : IntToBin(value);
}

std::string AusgabeZeile(int value, int format) {
    switch (format) {
    case FormatBinaer:
        return std::to_string(value) + "   " + IntToBin(value);
    case FormatHex:
        return std::to_string(value) + "   " + IntToHex0x(value);
    case FormatAscii:
        return std::to_string(value) + "  " + AsciiZeichen(value);
    default:
        return {};
    }
}

void TEAEinheit::SetValue(int v) {
    if (v < 0 || v > 65535) {
        throw Bereichsfehler();
    }
    if (journal_ != nullptr && v != value_) {
        journal_->Merke(JournalFeld::EAWert, value_);
    }
    value_ = static_cast<std::uint16_t>(v);
    if (anzeige_ != nullptr) {
        anzeige_->Show(v);
    }
    if (fenster_ == nullptr || format_ < FormatBinaer || format_ > FormatAscii) {
        return;
    }
    if (journal_ != nullptr) {
        journal_->Merke(JournalFeld::Ausgabelabel, fensterNummer_, fenster_->Label());
    }
    fenster_->SetLabel(v);
    MerkeZeile();
    fenster_->AppendLine(AusgabeZeile(v, format_));
}

void TEAEinheit::NeueZeile() {
    if (fenster_ != nullptr) {
        MerkeZeile();
        fenster_->AppendLine({});
    }
}

void TEAEinheit::MerkeZeile() {
    if (journal_ != nullptr) {
        journal_->Merke(JournalFeld::Ausgabezeile, fensterNummer_, 0);
    }
}

void TEAEinheit::WertWiederherstellen(int v) {
    if (v < 0 || v > 65535) {
        throw Bereichsfehler();
    }
    value_ = static_cast<std::uint16_t>(v);
    Anzeigen();
}

void TEAEinheit::SetAnzeigeAktiv(bool aktiv) {
    anzeige_ = aktiv ? spinEdit_ : stille_;
    if (aktiv) {
        Anzeigen();
    }
}

void TEAEinheit::Anzeigen() {
    if (spinEdit_ != nullptr) {
        spinEdit_->Show(value_);
    }
}

void TEAEinheit::ZeileZuruecknehmen(int fensterNummer) {
    if (fenster_ != nullptr && fensterNummer == fensterNummer_) {
        fenster_->RemoveLastLine();
    }
}

void TEAEinheit::LabelWiederherstellen(int fensterNummer, int label) {
    if (fenster_ != nullptr && fensterNummer == fensterNummer_) {
        fenster_->SetLabel(label);
    }
}

} // namespace tovak
