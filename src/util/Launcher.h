// Starts other programs and opens documents or web addresses for the simulator, and turns
// every failure into the German message box of the program. The results follow the old
// shell convention the callers test: 33 and above is success, 0..32 a failure code.
#pragma once

#include <QString>
#include <functional>

namespace tovak {

enum class ShowCmd { Normal, Minimized, Maximized, Hidden };

// Failure codes the launcher reports.
enum LaunchCode : int {
    kLaunchOutOfResources = 0,
    kLaunchFileNotFound = 2,
    kLaunchPathNotFound = 3,
    kLaunchAccessDenied = 5,
    kLaunchBadFormat = 11,
    kLaunchNoAssociation = 31,
    kLaunchOk = 42,
};

// Opens fileName: a program is started detached with params in defaultDir (empty: the
// current folder), a document or web address goes to the desktop's handler. On failure
// shows "Fehler beim Aufruf der Datei/des Programms" with the file name and the reason, and
// returns the code; a missing file that is no program is not reported.
int ExecuteFile(const QString& fileName, const QString& params = {}, const QString& defaultDir = {},
                ShowCmd show = ShowCmd::Normal);

// The message text ExecuteFile shows for a code; empty when it shows none.
QString LaunchFailureText(int code, const QString& fileName);

// The desktop calculators tried in place of "calc.exe", in this order.
const QStringList& CalculatorPrograms();

// Starts the first installed desktop calculator. When none is installed or it fails, the
// launcher's message for "calc.exe" appears, then "Fehler beim Aufruf von Calc.exe".
// Returns the launch result.
int StartCalculator();

// Starts another copy of the running program; on failure "Fehler beim Aufruf von " and the
// executable's path follow the launcher's message.
int StartNewInstance();

// Replaces how programs are started (tests): receives program, arguments and folder and
// returns true when it started. Empty restores QProcess::startDetached.
using ProgramStarter = std::function<bool(const QString&, const QStringList&, const QString&)>;
void SetProgramStarter(ProgramStarter starter);

} // namespace tovak
