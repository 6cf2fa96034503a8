#!/usr/bin/env bash
# Installs what is missing, builds with the sanitizers (the benchmarks too, so they keep
# compiling), checks the formatting, builds the Windows program and its ZIP and installer and
# runs the command-line cases in Wine, builds and checks the Debian package and runs every
# test. scripts/quick-test.sh is the daily loop without the package and the Windows program.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

"$root/scripts/install-deps.sh" test
# The "tests" preset of CMakePresets.json: Debug, sanitizers, -Werror, tests and benchmarks.
cmake --preset tests >/dev/null
cmake --build --preset tests

echo "Formatprüfung ..."
"$root/scripts/format-check.sh"

echo "Windows-Programm unter Wine ..."
"$root/scripts/check-windows.sh"
echo "Debian-Paket ..."
"$root/scripts/check-package.sh"

ctest --preset tests
