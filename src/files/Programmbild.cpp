#include "files/Programmbild.h"

namespace tovak {

LeseErgebnis ReadDatei(const std::string& fileName, Programmbild& bild) {
    return ReadDatei(fileName, bild.bemerkungen, bild.speicher, bild.reg);
}

void Uebernehmen(const Programmbild& bild, TRAM& speicher, TReg& reg) {
    speicher.SetCount(bild.speicher.GetCount());
    for (int a = 0; a < TRAM::kZellen; ++a) {
        speicher.LoadCell(a, bild.speicher.GetValue(a), bild.speicher.GetBefehlsnummer(a),
                          bild.speicher.IstBefehl(a));
    }
    speicher.FillGrid();
    reg.SetCount(bild.reg.GetCount());
    for (int i = 0; i < TReg::kRegisterZahl; ++i) {
        reg.SetValue(i, bild.reg.GetValue(i));
        reg.SetName(i, bild.reg.GetName(i));
    }
    reg.FillGrid();
}

} // namespace tovak
