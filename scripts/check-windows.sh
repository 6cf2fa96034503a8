#!/usr/bin/env bash
# Cross-builds the window-free core and the command-line runner for 64-bit Windows with
# MinGW-w64: build/mingw/bin/tovak-run.exe, without Qt.
#   scripts/check-windows.sh [--wine]
# With --wine it installs Wine if missing and runs the golden cases of the command-line
# runner (tests/files/CMakeLists.txt) with the .exe in Wine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build/mingw
wine=false
[[ ${1:-} == --wine ]] && wine=true

"$root/scripts/install-deps.sh" "$($wine && echo wine || echo windows)"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
    -DTOVAK_GUI=OFF -DTOVAK_WERROR=ON >/dev/null
cmake --build "$build"
exe=$build/bin/tovak-run.exe
echo "Windows-Programm: $exe"
$wine || exit 0

runner=/usr/lib/wine/wine64
[[ -x $runner ]] || runner=$(command -v wine64 || command -v wine)
export WINEPREFIX=$build/wine WINEDEBUG=-all
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
passed=0
# tovak_golden(NAME PROGRAM STATUS ARGUMENTS...); each example runs as file and as text.
while read -r name program status args; do
    for form in "$program" "${program%.CPU}.txt"; do
        set +e
        # shellcheck disable=SC2086 # the arguments are separate words
        "$runner" "$exe" --run "$root/examples/$form" $args >"$work/out" 2>"$work/err"
        actual=$?
        set -e
        # Windows ends the lines with CR LF.
        tr -d '\r' <"$work/out" >"$work/out.lf"
        tr -d '\r' <"$work/err" >"$work/err.lf"
        golden=$root/tests/files/golden/$name
        # The messages name the program as it was called.
        [[ -f $golden.err ]] && sed 's/tovak --help/tovak-run --help/' "$golden.err" >"$work/err.golden"
        if [[ $actual != "$status" ]] || ! cmp -s "$work/out.lf" "$golden.out" ||
            { [[ -f $golden.err ]] && ! cmp -s "$work/err.lf" "$work/err.golden"; }; then
            echo "FEHLER: $name mit $form (Status $actual, erwartet $status)" >&2
            diff "$golden.out" "$work/out.lf" | head -n 20 >&2 || true
            failed=$((failed + 1))
        else
            passed=$((passed + 1))
        fi
    done
done < <(sed -n 's/^tovak_golden(\(.*\))$/\1/p' "$root/tests/files/CMakeLists.txt")
echo "Wine: $passed passed, $failed failed"
((failed == 0))
