#!/usr/bin/env bash
# Installs what is missing, builds the simulator and starts it, optionally with a .CPU file.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

"$root/scripts/install-deps.sh" run
# Presets are read from the source folder; the file arguments stay relative to the caller's.
(cd "$root" && cmake --preset release >/dev/null && cmake --build --preset release)
exec "$root/build/release/bin/tovak" "$@"
