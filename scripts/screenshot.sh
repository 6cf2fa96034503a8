#!/bin/sh
# Renders the main window in the middle of a run (example loaded, some micro-steps done,
# output window open) and saves docs/screenshot.png. The developer build of the window,
# tovak-dev, takes the picture; it is built in the build folder when missing. Then makes the
# pictures of the guide ("Hilfe › Anleitung") in resources/anleitung/bilder/ with the
# program itself, which the next build takes in.
#   scripts/screenshot.sh [build-dir] [micro-steps]
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/release}
steps=${2:-46}
if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build "$build" --target tovak-dev tovak tovak-run >/dev/null
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
mkdir -p "$root/docs"
HOME=$home XDG_CONFIG_HOME=$home/config XDG_RUNTIME_DIR=$home \
TOVAK_SCREENSHOT="$root/docs/screenshot.png" TOVAK_SCREENSHOT_STEPS=$steps \
    xvfb-run -a -s "-screen 0 1600x900x24" \
    "$build/bin/tovak-dev" "$root/examples/Countdown.CPU"

# The guide's pictures come from the program driven by keyboard, with a home of its own.
"$root/scripts/install-deps.sh" look
guide=$(mktemp -d)
trap 'rm -rf "$home" "$guide"' EXIT
HOME=$guide XDG_CONFIG_HOME=$guide/config XDG_DATA_HOME=$guide/data XDG_RUNTIME_DIR=$guide \
    ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0} \
    xvfb-run -a -s "-screen 0 1920x1080x24" \
    "$root/scripts/guide-shots.sh" "$build/bin/tovak" "$root/resources/anleitung/bilder" \
    "$root/examples"
echo "$root/docs/screenshot.png"
ls "$root"/resources/anleitung/bilder/*.png
