#!/bin/sh
# Renders every instruction dialog under a virtual X server into docs/dialogs/*.png.
#   scripts/dialog-shots.sh [build-dir]
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/release}
cmake --build "$build" --target tovak_dialogshots >/dev/null
mkdir -p "$root/docs/dialogs"
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
ASAN_OPTIONS=detect_leaks=0 HOME=$home XDG_CONFIG_HOME=$home/config XDG_RUNTIME_DIR=$home \
    xvfb-run -a -s "-screen 0 1280x1024x24" \
    "$build/bin/tovak_dialogshots" "$root/docs/dialogs"
