// The lessons: the example programs shipped with the simulator, found beside the executable
// (build folder) or in ../share/tovak/ (installed program), listed by their titles.
#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace tovak {

struct Beispielprogramm {
    QString titel; // the first line of the program's remarks
    QString pfad;
};

// The folders searched, in this order, for a program in programmOrdner.
QStringList BeispielOrdner(const QString& programmOrdner);
// How many lessons the simulator ships.
int LektionenAnzahl();
// The lessons found there, in teaching order; each file name counts once (the first
// folder that holds it wins).
std::vector<Beispielprogramm> FindeBeispielprogramme(const QString& programmOrdner);
// The first remark line of a program file, or its base name when it has none.
QString BeispielTitel(const QString& pfad);

} // namespace tovak
