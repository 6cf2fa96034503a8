// The rotating backup copies of the program being entered.
#include "mainwindow/Main.h"

namespace tovak {

// The backup work fills these in; until then nothing is copied.
void TFMain::WriteBackup() {}

void TFMain::DeleteBackupFiles() {}

} // namespace tovak
