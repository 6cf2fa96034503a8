#include "app/CommandLine.h"

#include "app/Runner.h"
#include "machine/Befehle.h"
#include "util/Platform.h"

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace tovak {

bool IsCommandLineRun(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--run" || arg.starts_with("--run=") || arg == "--help" || arg == "-h" ||
            arg == "--version" || arg == "--assemble" || arg.starts_with("--assemble=") ||
            arg == "--disassemble" || arg.starts_with("--disassemble=") || arg == "--pruefen" ||
            arg.starts_with("--pruefen=")) {
            return true;
        }
    }
    return false;
}

namespace {

// The program's name as the user called it, for the help and the messages.
std::string Programmname(int argc, char** argv) {
    std::string name = argc > 0 && argv[0] != nullptr ? argv[0] : "";
    const std::size_t trenner = name.find_last_of("/\\");
    if (trenner != std::string::npos) {
        name.erase(0, trenner + 1);
    }
    if (name.size() > 4 && (name.ends_with(".exe") || name.ends_with(".EXE"))) {
        name.resize(name.size() - 4);
    }
    return name.empty() ? "tovak" : name;
}

} // namespace

int RunCommandLine(int argc, char** argv) {
    BefehlstabellenFuellen();
    const std::vector<std::string> args = platform::Utf8Arguments(argc, argv);
    platform::UseUtf8Console();
    // Output lines appear as they happen, one write per line. The trace is a stream of its
    // own that would cost a write per micro-step unbuffered.
    static char ausgabePuffer[1 << 16];
    static char tracePuffer[1 << 16];
    std::setvbuf(stdout, ausgabePuffer, _IOLBF, sizeof ausgabePuffer);
    for (const std::string& arg : args) {
        if (arg == "--trace") {
            std::setvbuf(stderr, tracePuffer, _IOFBF, sizeof tracePuffer);
            break;
        }
    }
    const int status = Kommandozeile(args, stdout, stderr, Programmname(argc, argv));
    std::fflush(stdout);
    std::fflush(stderr);
    return status;
}

} // namespace tovak
