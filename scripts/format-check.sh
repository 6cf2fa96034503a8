#!/usr/bin/env bash
# Checks that every C++ file is formatted as .clang-format says. The files are formatted with
# clang-format 14.0.6, the version Debian bookworm ships; other versions place some lines
# differently, so a mismatch names the version in use.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
expected=14.0.6

found=$(clang-format --version | sed -n 's/.*clang-format version \([0-9.]*\).*/\1/p')
if [[ $found != "$expected" ]]; then
    echo "Hinweis: clang-format $found gefunden, die Formatprüfung erwartet $expected" \
        "(Debian bookworm); Abweichungen können von der Version kommen." >&2
fi
cd "$root"
if ! git ls-files -z '*.cpp' '*.h' | xargs -0 -r clang-format --dry-run --Werror; then
    echo "Formatprüfung fehlgeschlagen (clang-format $found, erwartet $expected):" \
        "clang-format -i auf die genannten Dateien anwenden." >&2
    exit 1
fi
