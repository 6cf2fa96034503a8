#!/usr/bin/env bash
# Installs what is missing, builds the Release version and packs it as a Debian package.
#   scripts/package.sh [build-dir]     (default build/package)
# The last line printed is the path of the .deb.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/package}

"$root/scripts/install-deps.sh" package
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTOVAK_PACKAGE=ON >/dev/null
cmake --build "$build"
cd "$build"
log=$(cpack -G DEB)
deb=$(sed -n 's/^CPack: - package: \(.*\.deb\) generated\.$/\1/p' <<<"$log")
if [[ -z $deb || ! -f $deb ]]; then
    printf '%s\n' "$log" >&2
    echo "Kein Paket erzeugt." >&2
    exit 1
fi
echo "$deb"
