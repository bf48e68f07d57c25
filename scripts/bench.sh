#!/usr/bin/env bash
# Builds Oruvel's benchmarks and prints each pair: Oruvel's figure, the floor's (a bare
# Qt window of the same widgets) and their ratio. Times are medians of RUNS runs;
# instruction counts come from callgrind, one run per side.
# Usage: scripts/bench.sh [RUNS]   (RUNS defaults to 20)
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${1:-20}
build_dir=build

scripts/deps.sh --benchmarks valgrind
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORUVEL_BENCHMARKS=ON >/dev/null
cmake --build "$build_dir" -j "$(nproc)" --target oruvel_bench >/dev/null
bench="$build_dir/bench/oruvel_bench"
export QT_QPA_PLATFORM=offscreen

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2fx", a / b }'; }
row() { printf '%-40s %14s %14s %8s\n' "$1" "$2" "$3" "$(ratio "$2" "$3")"; }

echo "Oruvel against the floor, $(date -u '+%Y-%m-%d %H:%M UTC'), $(nproc) cores, $runs runs"
echo

# In-process times (warm): building and showing to the first frame; one trigram switch.
"$bench" --benchmark_repetitions="$runs" --benchmark_report_aggregates_only=true 2>/dev/null \
  | sed -n '/^pair/,$p'
echo

# Launch to the first frame and the peak memory there: a new process each time, the
# two sides taking turns so that a busy moment falls on both.
launch=$(mktemp -d)
trap 'rm -rf "$launch"' EXIT
for ((i = 0; i < runs; i++)); do
  for side in oruvel floor; do
    start=$(date +%s%N)
    out=$("$bench" --first-frame "$side" 2>/dev/null)
    at=$(awk '/^first_frame_ns/ { print $2 }' <<<"$out")
    echo $(((at - start) / 1000)) >>"$launch/$side.us"
    awk '/^peak_kib/ { print $2 }' <<<"$out" >>"$launch/$side.kib"
  done
done
printf '%-40s %14s %14s %8s\n' "pair (new process each, median)" oruvel floor ratio
row "launch to first frame (us)" "$(median <"$launch/oruvel.us")" "$(median <"$launch/floor.us")"
row "peak memory at first frame (KiB)" "$(median <"$launch/oruvel.kib")" "$(median <"$launch/floor.kib")"

# Instructions, counted by callgrind inside the measured call only.
instructions() {
  valgrind --tool=callgrind --callgrind-out-file=/dev/null --toggle-collect="$1" "${@:2}" 2>&1 >/dev/null \
    | awk '/Collected :/ { print $NF }'
}
switches=20
row "instructions to first frame" \
  "$(instructions '*launchToFirstFrame*' "$bench" --first-frame oruvel)" \
  "$(instructions '*launchToFirstFrame*' "$bench" --first-frame floor)"
row "instructions per trigram switch" \
  "$(($(instructions '*makeSwitches*' "$bench" --switches oruvel $switches) / switches))" \
  "$(($(instructions '*makeSwitches*' "$bench" --switches floor $switches) / switches))"
