#!/usr/bin/env bash
# The daily loop: installs what is missing for it, builds the "tests" preset (Debug with
# sanitizers and -Werror, tests and benchmarks), checks the formatting and runs the tests.
# No package, no Windows build, no Wine: scripts/test.sh (what CI runs) adds those.
#   scripts/quick-test.sh [ctest options]     e.g. scripts/quick-test.sh -R Rechenwerk
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

scripts/install-deps.sh quick
cmake --preset tests >/dev/null
cmake --build --preset tests
echo "Formatprüfung ..."
scripts/format-check.sh
ctest --preset tests "$@"
