// Writes the example programs: tovak_beispiele ZIELORDNER (normally examples/).
#include "Beispiele.h"

#include "files/ProgrammText.h"
#include "machine/Fehler.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("Aufruf: tovak_beispiele ZIELORDNER\n", stderr);
        return 2;
    }
    try {
        for (const tovak::test::Beispiel& beispiel : tovak::test::BeispielProgramme()) {
            const std::string pfad = std::string(argv[1]) + "/" + beispiel.name;
            tovak::DateiErsetzen(pfad, beispiel.inhalt);
            std::printf("%s\n", pfad.c_str());
        }
    } catch (const tovak::TovakFehler& e) {
        std::fprintf(stderr, "Fehler: %s\n", e.what());
        return 1;
    }
    return 0;
}
