#!/bin/sh
# The probe variables take a picture with tovak-dev, and tovak ignores them: it writes no
# picture, prints no "shown" and does not quit, however long it is given (three times what
# tovak-dev took for its picture, at least ten seconds).
#   ReleaseIgnoresProbes.sh XVFB_RUN TOVAK TOVAK_DEV FILE.CPU
set -eu
xvfb=$1 tovak=$2 dev=$3 file=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export TOVAK_SCREENSHOT_STEPS=2

start=$(date +%s)
TOVAK_SCREENSHOT="$work/dev.png" "$xvfb" -a -s "-screen 0 1600x900x24" "$dev" "$file" \
    >"$work/dev.out" 2>&1 || true
took=$(($(date +%s) - start))
if [ ! -s "$work/dev.png" ]; then
    echo "tovak-dev took no picture:" && cat "$work/dev.out"
    exit 1
fi
rm "$work/dev.png"

wait=$((took * 3))
[ "$wait" -ge 10 ] || wait=10
status=0
TOVAK_SCREENSHOT="$work/tovak.png" TOVAK_REPORT_SHOWN=quit TOVAK_SCALE_SHOTS="$work/scale" \
    "$xvfb" -a -s "-screen 0 1600x900x24" \
    timeout "$wait" "$tovak" "$file" >"$work/tovak.out" 2>&1 || status=$?
if [ "$status" -ne 124 ]; then
    echo "tovak ended on its own (status $status) instead of staying open:"
    cat "$work/tovak.out"
    exit 1
fi
if ls "$work" | grep -q '\.png$'; then
    echo "tovak wrote pictures: $(ls "$work")"
    exit 1
fi
if grep -qx shown "$work/tovak.out"; then
    echo "tovak reported its first paint"
    exit 1
fi
echo "tovak ignored the probe variables for $wait s"
