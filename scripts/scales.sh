#!/usr/bin/env bash
# Renders the window, its enlarged view and the tool windows at the desktop scales teachers
# use, on a full-HD and on a 1024x768 screen, into docs/scales/<screen>-<scale>-<view>.png.
# The developer build of the window, tovak-dev, takes the pictures; the views are listed in
# tools/devwindow/ScaleShots.cpp; more screens or scales go below.
#   scripts/scales.sh [build-dir]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/release}
screens=(1920x1080 1024x768)
scales=(1 1.5 2)

"$root/scripts/install-deps.sh" look
if [[ ! -f $build/CMakeCache.txt ]]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build "$build" --target tovak-dev
out="$root/docs/scales"
mkdir -p "$out"
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
for screen in "${screens[@]}"; do
    for scale in "${scales[@]}"; do
        echo "Bildschirm $screen, Skalierung $scale"
        HOME=$home XDG_CONFIG_HOME=$home/config XDG_RUNTIME_DIR=$home \
        QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$scale \
        TOVAK_SCALE_SHOTS="$out/$screen-$scale" \
            xvfb-run -a -s "-screen 0 ${screen}x24" \
            "$build/bin/tovak-dev" "$root/examples/Countdown.CPU"
    done
done
