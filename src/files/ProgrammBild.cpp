#include "files/ProgrammBild.h"

#include "machine/Befehle.h"
#include "machine/Fehler.h"

namespace tovak {

ProgrammBild BildAusSpeicher(const std::vector<std::string>& bemerkung, const TRAM& speicher,
                             const TReg& reg) {
    ProgrammBild bild;
    bild.bemerkung = bemerkung;
    for (int a = 0; a < TRAM::kZellen; ++a) {
        bild.zellen[static_cast<std::size_t>(a)] = {speicher.GetValue(a), speicher.IstBefehl(a)};
    }
    for (int i = 0; i < TReg::kRegisterZahl; ++i) {
        bild.register_[static_cast<std::size_t>(i)] = {reg.GetValue(i), reg.GetName(i)};
    }
    return bild;
}

void BildInSpeicher(const ProgrammBild& bild, TRAM& speicher, TReg& reg) {
    // Checked first, so that a refused image leaves the stores as they were.
    for (int a = 0; a < TRAM::kMaxCount; ++a) {
        const ProgrammBild::Zelle& z = bild.zellen[static_cast<std::size_t>(a)];
        if (z.befehl && (z.wert < 1 || z.wert > BefehlsTabellenGroesse)) {
            throw Bereichsfehler();
        }
    }
    for (const ProgrammBild::Register& r : bild.register_) {
        if (r.wert < 0 || r.wert > 65535) {
            throw Bereichsfehler();
        }
    }
    speicher.SetCount(TRAM::kMaxCount);
    for (int a = 0; a < TRAM::kZellen; ++a) {
        const ProgrammBild::Zelle& z = bild.zellen[static_cast<std::size_t>(a)];
        speicher.LoadCell(a, z.wert, z.befehl ? z.wert : 0, z.befehl);
    }
    speicher.FillGrid();
    reg.SetCount(TReg::kMaxCount);
    for (int i = 0; i < TReg::kRegisterZahl; ++i) {
        const ProgrammBild::Register& r = bild.register_[static_cast<std::size_t>(i)];
        reg.SetValue(i, r.wert);
        reg.SetName(i, r.name);
    }
    reg.FillGrid();
}

} // namespace tovak
