#!/usr/bin/env bash
# Random use of the whole window: drives the sanitizer build's program (build/test, made by
# scripts/test.sh) under a virtual display with xdotool, one example program after the other,
# with random clicks, double clicks, keys, menu access keys, Enter and Escape in whatever
# window is on top. Reports deaths by signal, sanitizer reports and programs that would not
# quit; exits 1 when there was any.
#   scripts/monkey.sh [MINUTES]      (default 10)
# The program runs from a copy in a temporary folder with its own home, so settings, backup
# copies, saved files and exports stay there; the desktop's openers are stand-ins that start
# nothing. Reports are kept in build/monkey/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
minutes=${1:-10}
build=${TOVAK_BUILD:-$root/build/test}
out=$root/build/monkey

"$root/scripts/install-deps.sh" look
if [[ ! -x $build/bin/tovak ]]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
        -DTOVAK_TESTS=ON -DTOVAK_SANITIZE=ON >/dev/null
    cmake --build "$build" --target tovak
fi

work=$(mktemp -d)
xvfb_pid=
app_pid=
cleanup() {
    [[ -n $app_pid ]] && kill -9 "$app_pid" 2>/dev/null || true
    [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# The program with its clips and examples, as in the build folder.
mkdir -p "$work/bin" "$work/home" "$work/tmp" "$work/stubs" "$work/logs"
cp "$build/bin/tovak" "$build/bin/"*.avi "$build/bin/"*.CPU "$work/bin/"
cp "$build/bin/README.md" "$work/bin/" 2>/dev/null || true
for opener in xdg-open gnome-calculator kcalc galculator qalculate-gtk mate-calc xcalc; do
    printf '#!/bin/sh\nexit 0\n' >"$work/stubs/$opener"
    chmod +x "$work/stubs/$opener"
done
mapfile -t examples < <(cd "$work/bin" && ls ./*.CPU | sed 's|^\./||')
((${#examples[@]} > 0)) || { echo "Keine Beispielprogramme in $build/bin" >&2; exit 2; }

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY=$display
for _ in $(seq 50); do
    xdotool getmouselocation >/dev/null 2>&1 && break
    sleep 0.1
done

export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share
export XDG_CACHE_HOME=$work/home/.cache TMPDIR=$work/tmp PATH=$work/stubs:$PATH
export QT_QPA_PLATFORM=xcb
export ASAN_OPTIONS=log_path=$work/logs/asan:detect_leaks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1:log_path=$work/logs/ubsan
export LSAN_OPTIONS=suppressions=$root/tests/lsan.supp:print_suppressions=0

keys=(Return Return Escape Escape Tab shift+Tab Up Down Left Right Home End Prior Next space
    BackSpace Delete F5 F6 F7 F8 F9 F10 ctrl+F5 shift+F10 Menu 0 1 2 5 9 minus)
letters=(a b c d e f g h i k l m n o p r s t u w z)
ctrl_keys=(ctrl+n ctrl+o ctrl+s ctrl+p ctrl+c ctrl+a ctrl+z)

top_window() {
    # The window mapped last is on top: a dialog over the main window.
    # Empty while the program shows no window (starting, quitting).
    { xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null || true; } | tail -n 1
}

random_action() {
    local window=$1 geometry width height x y
    geometry=$(xdotool getwindowgeometry --shell "$window" 2>/dev/null) || return 0
    width=$(sed -n 's/^WIDTH=//p' <<<"$geometry")
    height=$(sed -n 's/^HEIGHT=//p' <<<"$geometry")
    ((width > 1 && height > 1)) || return 0
    x=$((RANDOM % width))
    y=$((RANDOM % height))
    xdotool windowfocus "$window" 2>/dev/null || true
    local roll=$((RANDOM % 100))
    if ((roll < 30)); then
        xdotool mousemove --window "$window" "$x" "$y" click 1
    elif ((roll < 42)); then
        xdotool mousemove --window "$window" "$x" "$y" click --repeat 2 --delay 60 1
    elif ((roll < 47)); then
        xdotool mousemove --window "$window" "$x" "$y" click 3
    elif ((roll < 72)); then
        xdotool key "${keys[RANDOM % ${#keys[@]}]}"
    elif ((roll < 85)); then
        xdotool key "alt+${letters[RANDOM % ${#letters[@]}]}"
    elif ((roll < 90)); then
        xdotool key "${ctrl_keys[RANDOM % ${#ctrl_keys[@]}]}"
    else
        xdotool type --delay 20 "$((RANDOM % 70000))"
    fi
}

quit_app() {
    # Dialogs close with Escape, the value dialogs only with "&Abbrechen" (Alt+A); then
    # "Datei" › "Beenden", letting the changes go ("&Nein"). A window that does not go counts.
    local window
    for _ in 1 2 3 4 5 6; do
        kill -0 "$app_pid" 2>/dev/null || return 0
        window=$(top_window)
        [[ -n $window ]] && xdotool windowfocus "$window" key Escape sleep 0.2 key alt+a \
            sleep 0.2 key Escape 2>/dev/null || true
        sleep 0.2
    done
    # The main window by its title: tool windows have no menu.
    window=$({ xdotool search --onlyvisible --pid "$app_pid" --name 'Rechner-Simulation' \
        2>/dev/null || true; } | head -n 1)
    [[ -n $window ]] || window=$(top_window)
    [[ -n $window ]] && xdotool windowfocus "$window" key alt+d sleep 0.3 key b sleep 0.5 \
        key alt+n 2>/dev/null || true
    for _ in $(seq 100); do
        kill -0 "$app_pid" 2>/dev/null || return 0
        sleep 0.1
    done
    return 1
}

runs=0 actions=0 crashes=0 hung=0 failed=0
mkdir -p "$out"
rm -f "$out"/*.log
end=$((SECONDS + minutes * 60))
per_example=$((minutes * 60 / ${#examples[@]}))
((per_example >= 20)) || per_example=20
index=0
while ((SECONDS < end)); do
    example=${examples[index % ${#examples[@]}]}
    index=$((index + 1))
    runs=$((runs + 1))
    (cd "$work/home" && exec "$work/bin/tovak" "$work/bin/$example") \
        >"$work/logs/run$runs.out" 2>&1 &
    app_pid=$!
    segment_end=$((SECONDS + per_example))
    ((segment_end <= end)) || segment_end=$end
    sleep 1.5
    while ((SECONDS < segment_end)) && kill -0 "$app_pid" 2>/dev/null; do
        window=$(top_window)
        # A window may vanish under the action: that is no failure of the script.
        [[ -z $window ]] || random_action "$window" 2>/dev/null || true
        actions=$((actions + 1))
        # "Neue Instanz" starts more programs; only the one under test is kept.
        for other in $(pgrep -f "^$work/bin/tovak" || true); do
            [[ $other == "$app_pid" ]] || kill -9 "$other" 2>/dev/null || true
        done
        sleep 0.05
    done
    quitted=true
    if kill -0 "$app_pid" 2>/dev/null; then
        quit_app || quitted=false
    fi
    if ! $quitted; then
        hung=$((hung + 1))
        echo "Lauf $runs ($example): ließ sich nicht beenden" | tee -a "$out/summary.log"
        # What was open, to see why.
        import -window root "$out/run$runs.png" 2>/dev/null || true
        for open_window in $(xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null || true); do
            xdotool getwindowname "$open_window" 2>/dev/null
        done >"$out/run$runs.windows" || true
        kill -9 "$app_pid" 2>/dev/null || true
    fi
    set +e
    wait "$app_pid"
    status=$?
    set -e
    if $quitted && ((status > 128)); then
        crashes=$((crashes + 1))
        echo "Lauf $runs ($example): Signal $((status - 128))" | tee -a "$out/summary.log"
        cp "$work/logs/run$runs.out" "$out/run$runs.log"
    elif $quitted && ((status != 0)); then
        failed=$((failed + 1))
        echo "Lauf $runs ($example): Status $status" | tee -a "$out/summary.log"
        cp "$work/logs/run$runs.out" "$out/run$runs.log"
    fi
    app_pid=
done

reports=0
for report in "$work"/logs/asan.* "$work"/logs/ubsan.*; do
    [[ -e $report ]] || continue
    reports=$((reports + 1))
    cp "$report" "$out/"
done
echo "Affe: $minutes min, $runs Läufe, $actions Aktionen, $crashes Abstürze," \
    "$reports Sanitizer-Berichte, $hung nicht beendet, $failed mit Fehlerstatus" |
    tee -a "$out/summary.log"
((crashes == 0 && reports == 0 && hung == 0 && failed == 0))
