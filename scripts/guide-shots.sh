#!/bin/sh
# Makes the guide's pictures: the simulator started on a virtual display and driven by
# keyboard, the way a learner uses it, each picture taken from the screen. Called by
# scripts/screenshot.sh, which provides the display and an empty home.
#   scripts/guide-shots.sh PROGRAM OUT-FOLDER EXAMPLES-FOLDER
set -eu
program=$1
out=$2
examples=$3
mkdir -p "$out"

# Waits until a window with this name is shown and prints its id.
wait_for() {
    i=0
    while [ $i -lt 60 ]; do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1) || true
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.5
        i=$((i + 1))
    done
    echo "guide-shots: no window \"$1\"" >&2
    return 1
}

# The part of the screen a window covers (united with a second one, if given), small.
take() {
    file=$1
    shift
    set -- $(for id in "$@"; do
        xdotool getwindowgeometry --shell "$id" | tr '\n' ' '
        echo
    done | awk '{ for (i = 1; i <= NF; i++) { split($i, kv, "="); v[kv[1]] = kv[2] }
        if (NR == 1 || v["X"] < x0) x0 = v["X"]; if (NR == 1 || v["Y"] < y0) y0 = v["Y"]
        if (NR == 1 || v["X"] + v["WIDTH"] > x1) x1 = v["X"] + v["WIDTH"]
        if (NR == 1 || v["Y"] + v["HEIGHT"] > y1) y1 = v["Y"] + v["HEIGHT"] }
        END { print x1 - x0, y1 - y0, x0, y0 }')
    import -window root -crop "$1x$2+$3+$4" +repage -strip "$out/$file"
}

keys() {
    xdotool windowfocus --sync "$main" 2>/dev/null || true
    xdotool key --delay 120 "$@"
    sleep 1
}

# Copies, so that nothing the pictures do can change the examples.
cp "$examples/Countdown.CPU" "$HOME/Countdown.CPU"
"$program" "$HOME/Countdown.CPU" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT
main=$(wait_for '^Rechner-Simulation für Windows: ')
sleep 2
remarks=$(xdotool search --onlyvisible --name '^Programm - Bemerkungen' | head -n 1) || true
[ -n "$remarks" ] && xdotool windowclose "$remarks" 2>/dev/null || true
[ -n "$remarks" ] && xdotool windowunmap "$remarks" 2>/dev/null || true

# The window in the middle of a run: single steps, then Takt after Takt.
keys alt+s e
for i in $(seq 1 45); do
    xdotool key F8
done
sleep 1
output=$(wait_for '^Ausgabe der E / A-Einheit')
geometry=$(xdotool getwindowgeometry --shell "$main")
x=$(echo "$geometry" | sed -n 's/^X=//p')
y=$(echo "$geometry" | sed -n 's/^Y=//p')
width=$(echo "$geometry" | sed -n 's/^WIDTH=//p')
# Beside the control unit, over the window's empty right-hand side.
xdotool windowmove "$output" $((x + 920)) $((y + 300))
xdotool windowsize "$output" $((width - 924)) 260
sleep 1
take fenster.png "$main" "$output"
# The toolbar with the run buttons and the tempo.
import -window root -crop "$((width - 280))x36+$((x + 280))+$((y + 20))" +repage -strip \
    "$out/symbolleiste.png"
keys ctrl+F2

# An instruction dialog.
keys alt+b t
dialog=$(wait_for '^Transportbefehle$')
sleep 1
take dialog.png "$dialog"
xdotool windowfocus --sync "$dialog" 2>/dev/null || true
xdotool key Escape
sleep 1

kill $pid 2>/dev/null || true
wait $pid 2>/dev/null || true

# An exercise's model solution, assembled from its text, as text and checked.
"$(dirname "$program")/tovak-run" --assemble "$examples/aufgaben/SummeBisN.txt" \
    -o "$HOME/SummeBisN.CPU"
"$program" "$HOME/SummeBisN.CPU" &
pid=$!
main=$(wait_for '^Rechner-Simulation für Windows: ')
sleep 2
keys alt+a t
text=$(wait_for '^Programmtext')
sleep 1
xdotool windowfocus --sync "$text" 2>/dev/null || true
xdotool key alt+s
sleep 1
take programmtext.png "$text"
xdotool windowfocus --sync "$text" 2>/dev/null || true
xdotool key Escape
xdotool windowunmap "$text" 2>/dev/null || true
sleep 1

keys alt+u f
wait_for '^Aufgabe öffnen' >/dev/null
sleep 1
xdotool type --delay 20 "$examples/aufgaben/SummeBisN.aufgabe"
xdotool key Return
sleep 2
keys F6
sleep 3
# The task pane at the window's right-hand side.
geometry=$(xdotool getwindowgeometry --shell "$main")
x=$(echo "$geometry" | sed -n 's/^X=//p')
y=$(echo "$geometry" | sed -n 's/^Y=//p')
width=$(echo "$geometry" | sed -n 's/^WIDTH=//p')
height=$(echo "$geometry" | sed -n 's/^HEIGHT=//p')
import -window root -crop "470x$((height - 24))+$((x + width - 470))+$((y + 24))" +repage \
    -strip "$out/aufgabe.png"

kill $pid 2>/dev/null || true
wait $pid 2>/dev/null || true
trap - EXIT
