// Where the program finds its clips and example programs: beside the executable (the build
// folder) or in ../share/tovak/ relative to it (the installed layout).
#pragma once

#include <QString>

namespace tovak {

// The first of programFolder and programFolder/../share/tovak that holds the clips; the
// program folder itself when neither does (a missing clip then leaves its control empty).
QString FindDataFolder(const QString& programFolder);

// FindDataFolder for the folder of the running executable.
QString DataFolder();

// Where the file dialogs start: the program's folder, unless that is a system folder the user
// cannot write (an installed program): then the user's documents.
QString DialogFolder();

} // namespace tovak
