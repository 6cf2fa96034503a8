#include "machine/Befehle.h"

#include <cstdio>

int main() {
    tovak::BefehlstabellenFuellen();
    std::puts("TOVAK – Rechner-Simulation");
    return 0;
}
