// tovak-run: the command-line runner on its own, without Qt, the clips or any window.
#include "app/CommandLine.h"

int main(int argc, char** argv) {
    return tovak::RunCommandLine(argc, argv);
}
