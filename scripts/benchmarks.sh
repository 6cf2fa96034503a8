#!/usr/bin/env bash
# Measures the simulator against its figures, on a Release build of its own (build/bench):
#   1. tovak-run and SPIM on the same loop (increment, compare, branch while not zero),
#      run alternately: instructions per CPU second (user + system) of both and their ratio;
#   2. start-up time and peak memory of "tovak-run --version" and of a two-cell program;
#   3. the Takt-zurück journal against the plain machine (machine_bench), also with a journal
#      small enough to stay in the cache: the difference is what the memory traffic costs;
#   4. the window's fast run on a virtual X display against the headless runner, CPU time
#      per micro-step.
#   scripts/benchmarks.sh [ROUNDS]     (default 5; each round runs both loops once)
# The machine should be quiet: the figures are CPU times, but a busy machine still skews
# them. Nothing here runs in the tests.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
rounds=${1:-5}
build=$root/build/bench

"$root/scripts/install-deps.sh" bench
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTOVAK_BENCH=ON >/dev/null
cmake --build "$build" --target tovak-run machine_bench gui_bench tovak-dev >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The loop: Inc Akku; Compare Akku with 0; JNZ to 0 (23 micro-steps, 3 instructions). When
# the Akku wraps to 0 every 65536 turns, JZ to 0 starts it again (7 micro-steps).
printf '5  Version\r\n1\r\nMessschleife\r\n7 Anzahl RAM\r\n1\t139\tInc Akku\r\n2\t322\tCompare Akku Konstanten\r\n3\t0\t\r\n4\t325\tJNZ zu Adresse\r\n5\t0\t\r\n6\t324\tJZ zu Adresse\r\n7\t0\t\r\n0 Anzahl Register\r\n' >"$work/loop.CPU"
steps=${TOVAK_BENCH_STEPS:-150000000}
# Instructions in that many micro-steps.
tovak_instructions=$(awk -v s="$steps" 'BEGIN {
    round = 65536 * 23 + 7; r = int(s / round); rest = s - r * round;
    printf "%d", r * (65536 * 3 + 1) + int(rest / 23) * 3 + int((rest % 23 + 6) / 10) }')
spim_turns=${TOVAK_BENCH_SPIM_TURNS:-10000000}
cat >"$work/loop.s" <<EOF
	.text
	.globl main
main:	li \$t1, $spim_turns
	li \$t0, 0
loop:	addiu \$t0, \$t0, 1
	subu \$t2, \$t1, \$t0
	bnez \$t2, loop
	li \$v0, 10
	syscall
EOF
spim_instructions=$((3 * spim_turns + 4))

# CPU seconds (user, system) of a command.
cpu() {
    local TIMEFORMAT='%3U %3S'
    { time "$@" >/dev/null 2>&1; } 2>&1 | tail -n 1
}
median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

echo "Last: $(uptime | sed 's/.*load average: //') (1, 5, 15 min)"
echo "1. Schleife: $steps Mikroschritte ($tovak_instructions Befehle) in tovak-run," \
    "$spim_instructions Befehle in SPIM, abwechselnd, $rounds Runden"
: >"$work/tovak" && : >"$work/spim"
for ((i = 1; i <= rounds; i++)); do
    read -r u s < <(cpu "$build/bin/tovak-run" --run "$work/loop.CPU" --max-steps "$steps" || true)
    echo "$u $s" >>"$work/tovak"
    read -r u s < <(cpu spim -quiet -file "$work/loop.s" || true)
    echo "$u $s" >>"$work/spim"
done
rate() { # instructions, file of "user system": median instructions per CPU and per user second
    local n=$1 file=$2
    awk -v n="$n" '{ print n / ($1 + $2) }' "$file" | median
    awk -v n="$n" '{ print n / $1 }' "$file" | median
}
mapfile -t t < <(rate "$tovak_instructions" "$work/tovak")
mapfile -t p < <(rate "$spim_instructions" "$work/spim")
awk -v t="${t[0]}" -v p="${p[0]}" -v tu="${t[1]}" -v pu="${p[1]}" 'BEGIN {
    printf "   tovak-run: %6.2f Mio. Befehle je CPU-Sekunde (%6.2f je Benutzer-Sekunde)\n", t / 1e6, tu / 1e6
    printf "   SPIM:      %6.2f Mio. Befehle je CPU-Sekunde (%6.2f je Benutzer-Sekunde)\n", p / 1e6, pu / 1e6
    printf "   Verhältnis tovak-run / SPIM: %.2f (Benutzerzeit allein: %.2f)\n", t / p, tu / pu }'
headless_ns=$(awk -v n="$steps" '{ print ($1 + $2) * 1e9 / n }' "$work/tovak" | median)

echo "2. Start und Speicher von tovak-run (Mittel aus 200 Starts, größter Speicher):"
printf '5  Version\r\n0\r\n2 Anzahl RAM\r\n1\t451\tNOP\r\n2\t0\t\r\n0 Anzahl Register\r\n' >"$work/zwei.CPU"
for args in "--version" "--run $work/zwei.CPU"; do
    start=$(date +%s%N)
    for ((i = 0; i < 200; i++)); do
        # shellcheck disable=SC2086 # the arguments are separate words
        "$build/bin/tovak-run" $args >/dev/null
    done
    ms=$(awk -v a="$start" -v b="$(date +%s%N)" 'BEGIN { printf "%.2f", (b - a) / 200 / 1e6 }')
    # shellcheck disable=SC2086
    kb=$(/usr/bin/time -f %M "$build/bin/tovak-run" $args 2>&1 >/dev/null | tail -n 1)
    echo "   tovak-run ${args/$work\//}: $ms ms, $((kb / 1024)).$((kb % 1024 * 10 / 1024)) MB"
done

echo "3. Takt-zurück-Journal gegen die Maschine ohne Journal (Inc/Compare/JNZ, ohne Anzeigen," \
    "kleinste CPU-Zeit aus $rounds Läufen je Fall, abwechselnd):"
for ((i = 1; i <= rounds; i++)); do
    for b in BM_IncCmpJnz BM_IncCmpJnzJournal BM_IncCmpJnzJournalImCache; do
        "$build/bin/machine_bench" --benchmark_filter="^$b\$" --benchmark_min_time=0.5 2>/dev/null |
            awk -v b="$b" '$1 == b { print b, $4 }'
    done
done | sort -k1,1 -k2,2g | awk '!($1 in t) { t[$1] = $2 }
    END { printf "   ohne Journal %.2f ns, mit Journal %.2f ns je Mikroschritt: %.2f-fach\n",
          t["BM_IncCmpJnz"], t["BM_IncCmpJnzJournal"], t["BM_IncCmpJnzJournal"] / t["BM_IncCmpJnz"]
          printf "   Journal im Cache (1 MiB): %.2f ns je Mikroschritt: %.2f-fach\n",
          t["BM_IncCmpJnzJournalImCache"], t["BM_IncCmpJnzJournalImCache"] / t["BM_IncCmpJnz"] }'

echo "4. Schnelllauf im Fenster (Xvfb) gegen tovak-run, CPU-Zeit je Mikroschritt:"
line=$(env HOME="$work" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work" \
    QT_QPA_PLATFORM=xcb xvfb-run -a -s '-screen 0 1920x1080x24' \
    "$build/bin/gui_bench" 10 fastfile "$work/loop.CPU" | grep 'fast run')
gui_ns=$(sed -n 's/.*, \([0-9.]*\) ns CPU per micro-step.*/\1/p' <<<"$line")
awk -v g="$gui_ns" -v h="$headless_ns" 'BEGIN {
    printf "   Fenster %.2f ns, tovak-run %.2f ns je Mikroschritt: %.2f-fach\n", g, h, g / h }'
