#include "dialogs/OperandChecks.h"

#include "util/MessageBoxes.h"
#include "util/NumberTexts.h"

#include <string>

namespace tovak {

bool ReadRegister(const QString& text, int& operand) {
    if (!StrToIntOk(text.toStdString(), operand)) {
        ShowErrorBox("Fehler", "Fehler bei der Eingabe des Registerwertes");
        return false;
    }
    if (operand < 0 || operand > kRegisterMax) {
        ShowErrorBox("Fehler", "Fehlerhafter Bereich des Registerwertes (0.." +
                                   std::to_string(kRegisterMax) + ")");
        return false;
    }
    return true;
}

bool CheckKonstantenBereich(int value) {
    if (value < 0 || value > kKonstanteMax) {
        ShowErrorBox("Fehler", "Fehlerhafter Bereich der Konstanten (0.." +
                                   std::to_string(kKonstanteMax) + ")");
        return false;
    }
    return true;
}

bool ReadKonstante(const QString& text, int& operand) {
    if (!StrToIntOk(text.toStdString(), operand)) {
        ShowErrorBox("Fehler", "Fehler bei der Eingabe der Konstanten");
        return false;
    }
    return CheckKonstantenBereich(operand);
}

} // namespace tovak
