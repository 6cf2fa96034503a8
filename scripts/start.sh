#!/usr/bin/env bash
# Installs what is missing, builds the simulator and starts it, optionally with a .CPU file.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

"$root/scripts/install-deps.sh" run
cmake -S "$root" -B "$root/build/release" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$root/build/release"
exec "$root/build/release/bin/tovak" "$@"
