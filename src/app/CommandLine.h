// The headless runner: tovak --run FILE.CPU [options], the program text commands
// (--assemble, --disassemble), tovak --help and tovak --version.
#pragma once

namespace tovak {

// True when the arguments ask for the runner (--run, --assemble, --disassemble, --help or
// --version) rather than the window.
bool IsCommandLineRun(int argc, char** argv);
// Runs the runner; returns the process exit status.
int RunCommandLine(int argc, char** argv);

} // namespace tovak
