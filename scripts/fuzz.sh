#!/usr/bin/env bash
# Builds a libFuzzer target with clang and runs it from its corpus, at the lowest priority
# and with one worker, so that builds on the same machine go first.
#   scripts/fuzz.sh maschine|leser|text [MINUTES] [further libFuzzer options]
# New inputs collect in build/fuzz/corpus-NAME, findings in build/fuzz/findings/; the
# corpus in tests/ (which the ordinary tests replay) stays as it is.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
target=${1:-}
minutes=${2:-20}
shift $(($# < 2 ? $# : 2))
if ! [[ $minutes =~ ^[1-9][0-9]*$ ]]; then
    echo "MINUTEN muss eine ganze Zahl ab 1 sein: $minutes" >&2
    exit 2
fi
case $target in
maschine) corpus=("$root/tests/machine/corpus") max_len=4096 fuzzer=fuzz_maschine ;;
leser) corpus=("$root/tests/files/corpus") max_len=65536 fuzzer=fuzz_leser ;;
# The lessons' text forms are seeds too.
text) corpus=("$root/tests/files/textkorpus" "$root/examples") max_len=16384 fuzzer=fuzz_programmtext ;;
*)
    echo "Aufruf: scripts/fuzz.sh maschine|leser|text [MINUTEN] [libFuzzer-Optionen]" >&2
    exit 2
    ;;
esac

"$root/scripts/install-deps.sh" fuzz
build=$root/build/fuzz
(cd "$root" && cmake --preset fuzz >/dev/null)
cmake --build "$build" --target "$fuzzer"
mkdir -p "$build/corpus-$target" "$build/findings"
exec nice -n 19 "$build/bin/$fuzzer" -max_total_time=$((minutes * 60)) -timeout=10 \
    -max_len="$max_len" -print_final_stats=1 -artifact_prefix="$build/findings/$target-" \
    "$@" "$build/corpus-$target" "${corpus[@]}"
