#!/usr/bin/env bash
# Installs what is missing, builds with the sanitizers (the benchmarks too, so they keep
# compiling), checks the formatting, builds the Windows program and its ZIP and installer and
# runs the command-line cases in Wine, builds and checks the Debian package and runs every
# test.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build/test"

"$root/scripts/install-deps.sh" test
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DTOVAK_TESTS=ON -DTOVAK_BENCH=ON -DTOVAK_SANITIZE=ON -DTOVAK_WERROR=ON >/dev/null
cmake --build "$build"

echo "Formatprüfung ..."
cd "$root"
git ls-files -z '*.cpp' '*.h' | xargs -0 -r clang-format --dry-run --Werror

echo "Windows-Programm unter Wine ..."
"$root/scripts/check-windows.sh"
echo "Debian-Paket ..."
"$root/scripts/check-package.sh"

ctest --test-dir "$build" --output-on-failure -j2
