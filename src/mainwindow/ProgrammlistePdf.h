// "Programmliste als PDF": the program to hand out, on A4 in a monospaced font: title and
// remark, one line per instruction with its address, label and operand, data cells as
// values, and the named registers.
#pragma once

#include "files/Programminhalt.h"

#include <QString>
#include <QStringList>

namespace tovak {

// The lines below title and remark, as they are printed.
QStringList ProgrammlisteZeilen(const Programminhalt& inhalt);

// Writes the PDF; false with the reason in fehler.
bool ProgrammlisteAlsPdf(const Programminhalt& inhalt, const QString& titel, const QString& datei,
                         QString& fehler);

} // namespace tovak
