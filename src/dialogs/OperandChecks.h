// The OK checks of the dialogs that read their operand as typed text: a failed check shows
// its message (caption "Fehler") and returns false; the dialog then stays open.
#pragma once

#include <QString>

namespace tovak {

inline constexpr int kRegisterMax = 127;
inline constexpr int kKonstanteMax = 65535;

// A register number: a decimal integer in 0..127.
bool ReadRegister(const QString& text, int& operand);
// A constant: a decimal integer in 0..65535.
bool ReadKonstante(const QString& text, int& operand);
// The range check alone, for constants read in another number base.
bool CheckKonstantenBereich(int value);

} // namespace tovak
