#!/bin/sh
# Renders the main window in the middle of a run (example loaded, some micro-steps done,
# output window open) and saves docs/screenshot.png. The developer build of the window,
# tovak-dev, takes the picture; it is built in the build folder when missing.
#   scripts/screenshot.sh [build-dir] [micro-steps]
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/release}
steps=${2:-46}
if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build "$build" --target tovak-dev >/dev/null
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
mkdir -p "$root/docs"
HOME=$home XDG_CONFIG_HOME=$home/config XDG_RUNTIME_DIR=$home \
TOVAK_SCREENSHOT="$root/docs/screenshot.png" TOVAK_SCREENSHOT_STEPS=$steps \
    xvfb-run -a -s "-screen 0 1600x900x24" \
    "$build/bin/tovak-dev" "$root/examples/Countdown.CPU"
