// The headless runner behind "tovak --run": option parsing and the run itself, on given
// output streams so that tests can call it.
#pragma once

#include "app/PruefenBefehl.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace tovak {

// Exit status of the runner.
enum LaufStatus : int {
    LaufCpuStop = 0,          // stopped at "CPU Stop"
    LaufSteuerwerkFehler = 1, // error code 1 to 6 of the control unit
    LaufAufrufFehler = 2,     // usage or file error
    LaufBereichsfehler = 3,   // range error or division by zero
    LaufSchrittgrenze = 4,    // step limit reached
};

struct LaufOptionen {
    bool hilfe = false;
    bool version = false;
    std::string datei;
    int format = 0; // Ausgabeformat: 0 binary, 1 hex, 2 ASCII
    std::vector<int> eingaben;
    std::vector<std::uint64_t> interrupts; // micro-step numbers, ascending, each once
    std::uint64_t maxSchritte = 10'000'000;
    bool trace = false;
    bool dump = false;
    // The program text commands (TextBefehle.h).
    std::string assemble;
    std::string ausgabe; // -o
    std::string disassemble;
    // The check of submissions (PruefenBefehl.h).
    PruefOptionen pruefen;
};

// Reads the arguments (without the program name). Returns the empty text when they are
// good, else the German message of the usage error. The messages name the program so.
std::string ParseLaufOptionen(const std::vector<std::string>& args, LaufOptionen& optionen,
                              std::string_view programm = "tovak");

// Loads and runs the program; output lines and the dump go to out, the trace and the
// messages to err. Returns the exit status.
int ProgrammLaufen(const LaufOptionen& optionen, std::FILE* out, std::FILE* err);

// The whole runner: help, version, usage errors, the run. Returns the exit status. The help
// and the messages name the program as `programm` ("tovak" or "tovak-run").
int Kommandozeile(const std::vector<std::string>& args, std::FILE* out, std::FILE* err,
                  std::string_view programm = "tovak");

// The German help text of "tovak --help", naming the program so.
std::string HilfeText(std::string_view programm = "tovak");
// The line of "tovak --version": the program name and its version.
std::string VersionText(std::string_view programm = "tovak");

} // namespace tovak
