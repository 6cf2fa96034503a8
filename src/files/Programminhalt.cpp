#include "files/Programminhalt.h"

#include "machine/Befehle.h"
#include "machine/Fehler.h"

namespace tovak {

Programminhalt InhaltAusSpeicher(const std::vector<std::string>& bemerkung, const TRAM& speicher,
                                 const TReg& reg) {
    Programminhalt inhalt;
    inhalt.bemerkung = bemerkung;
    for (int a = 0; a < TRAM::kZellen; ++a) {
        inhalt.zellen[static_cast<std::size_t>(a)] = {speicher.GetValue(a), speicher.IstBefehl(a)};
    }
    for (int i = 0; i < TReg::kRegisterZahl; ++i) {
        inhalt.register_[static_cast<std::size_t>(i)] = {reg.GetValue(i), reg.GetName(i)};
    }
    return inhalt;
}

void InhaltInSpeicher(const Programminhalt& inhalt, TRAM& speicher, TReg& reg) {
    // Checked first, so that a refused image leaves the stores as they were.
    for (int a = 0; a < TRAM::kMaxCount; ++a) {
        const Programminhalt::Zelle& z = inhalt.zellen[static_cast<std::size_t>(a)];
        if (z.befehl && (z.wert < 1 || z.wert > BefehlsTabellenGroesse)) {
            throw Bereichsfehler();
        }
    }
    for (const Programminhalt::Register& r : inhalt.register_) {
        if (r.wert < 0 || r.wert > 65535) {
            throw Bereichsfehler();
        }
    }
    speicher.SetCount(TRAM::kMaxCount);
    for (int a = 0; a < TRAM::kZellen; ++a) {
        const Programminhalt::Zelle& z = inhalt.zellen[static_cast<std::size_t>(a)];
        speicher.LoadCell(a, z.wert, z.befehl ? z.wert : 0, z.befehl);
    }
    speicher.FillGrid();
    reg.SetCount(TReg::kMaxCount);
    for (int i = 0; i < TReg::kRegisterZahl; ++i) {
        const Programminhalt::Register& r = inhalt.register_[static_cast<std::size_t>(i)];
        reg.SetValue(i, r.wert);
        reg.SetName(i, r.name);
    }
    reg.FillGrid();
}

} // namespace tovak
