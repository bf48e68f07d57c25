#!/usr/bin/env bash
# Builds Oruvel's benchmarks and measures Oruvel against its floor (bench/), on Qt's
# offscreen platform and on X11 (a private Xvfb display). Every pair is measured side
# by side, the two taking turns (A, B, A, B...), and printed as Oruvel's median, the
# floor's median, the median of the per-pair ratios, and the ratios' middle half and
# range. Instruction counts come from callgrind, one run a side; they do not move with
# the machine's load. The README says what each count starts and stops at.
# Usage: scripts/bench.sh [PAIRS]   (PAIRS defaults to 1000; about 15 minutes with the build)
set -euo pipefail
cd "$(dirname "$0")/.."

pairs=${1:-1000}
reopenings=1000
switches=45
build_dir=build-bench

scripts/deps.sh --benchmarks valgrind xvfb xauth
jobs=$(scripts/jobs.sh)
# Release, in a folder of its own: the program and the benchmarks alone.
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=Release -DORUVEL_BENCHMARKS=ON >/dev/null
cmake --build "$build_dir" -j "$jobs" --target bench_oruvel bench_floor oruvel_bench >/dev/null
bin="$build_dir/bench"

work=$(mktemp -d)
xvfb_pid=
cleanup() {
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

# Reads lines "oruvel floor" and prints the pair's row: both medians, the median of the
# per-line ratios, the middle half and the range of the ratios, and the count.
summarise() {
  awk -v title="$1" '
    function shown(v) { return (v >= 1000) ? sprintf("%12.0f", v) : sprintf("%12.4g", v) }
    function at(v, n, q,   h, i) { h = (n - 1) * q + 1; i = int(h); return (i >= n) ? v[n] : v[i] + (h - i) * (v[i + 1] - v[i]) }
    function sorted(v, n,   i, j, t) { for (i = 2; i <= n; i++) { t = v[i]; for (j = i - 1; j >= 1 && v[j] > t; j--) v[j + 1] = v[j]; v[j + 1] = t } }
    $2 > 0 { n++; a[n] = $1; b[n] = $2; r[n] = $1 / $2 }
    END {
      if (n == 0) { printf "  %-44s no pairs\n", title; exit }
      sorted(a, n); sorted(b, n); sorted(r, n)
      if (n == 1) {
        printf "  %-44s %s %s %7.3fx  %12s  %12s  %3d\n", title, shown(a[1]), shown(b[1]), r[1], "-", "-", n
        exit
      }
      printf "  %-44s %s %s %7.3fx  %5.3f-%5.3fx  %5.3f-%5.3fx  %3d\n", title, shown(at(a, n, 0.5)), shown(at(b, n, 0.5)),
             at(r, n, 0.5), at(r, n, 0.25), at(r, n, 0.75), r[1], r[n], n
    }'
}

# Launch to the first frame and the peak memory there: each side a new process, the two
# taking turns. The time runs from just before the shell starts the process to the
# process's own clock at its first frame.
launch_pairs() {
  : >"$work/launch" && : >"$work/memory"
  for ((i = 0; i < pairs; i++)); do
    local line_us="" line_kib=""
    for side in oruvel floor; do
      local start out at
      start=$(date +%s%N)
      out=$("$bin/bench_$side" --first-frame 2>/dev/null)
      at=$(awk '/^first_frame_ns/ { print $2 }' <<<"$out")
      line_us="$line_us $(((at - start) / 1000))"
      line_kib="$line_kib $(awk '/^peak_kib/ { print $2 }' <<<"$out")"
    done
    echo "$line_us" >>"$work/launch"
    echo "$line_kib" >>"$work/memory"
  done
  summarise "launch to first frame (us, new process)" <"$work/launch"
  summarise "peak memory at first frame (KiB)" <"$work/memory"
}

# Warm build and switch in CPU time, in one process, in turns (bench/main.cpp).
process_pairs() {
  "$bin/oruvel_bench" "$pairs" 2>/dev/null >"$work/rounds"
  awk '$2 == "WarmBuild" { print $3, $4 }' "$work/rounds" | summarise "build and show again, warm (ms CPU)"
  awk '$2 == "Switch" { print $3, $4 }' "$work/rounds" | summarise "one trigram switch with repaint (ms CPU)"
}

# Instructions of one run under callgrind: the whole process (exec to its first frame),
# or only the calls that match a function (--toggle-collect). Only the process itself
# counts: a child that the platform forks (D-Bus's autolaunch on X11) reports apart.
instructions() {
  local toggle=$1
  shift
  local options=(--tool=callgrind --callgrind-out-file=/dev/null)
  [ -n "$toggle" ] && options+=(--toggle-collect="$toggle")
  valgrind "${options[@]}" "$@" 2>&1 >/dev/null | awk '
    /Command:/ && !pid { pid = $1 }
    $1 == pid && /Collected :/ { print $NF }'
}

instruction_pairs() {
  echo "$(instructions "" "$bin/bench_oruvel" --first-frame) $(instructions "" "$bin/bench_floor" --first-frame)" |
    summarise "instructions to first frame (whole process)"
  local oruvel floor
  oruvel=$(instructions '*makeSwitches*' "$bin/bench_oruvel" --switches "$switches")
  floor=$(instructions '*makeSwitches*' "$bin/bench_floor" --switches "$switches")
  echo "$((oruvel / switches)) $((floor / switches))" | summarise "instructions per trigram switch"
}

# A window opened again must cost no lasting memory: the resident size after the last
# opening and closing against the one after the 50th.
reopen_checks() {
  for window in help info about; do
    "$bin/bench_oruvel" --reopen "$window" "$reopenings" 2>/dev/null | awk -v window="$window" -v n="$reopenings" '
      { kib[NR] = $2 }
      END { printf "  %-44s %+12d KiB resident, against the 50th (%d KiB)\n", window " opened and closed " n " times", kib[2] - kib[1], kib[1] }'
  done
}

measure() {
  echo "$1"
  launch_pairs
  process_pairs
  instruction_pairs
  reopen_checks
}

echo "Oruvel against the floor, $(date -u '+%Y-%m-%d %H:%M UTC'), $(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg)"
echo "$pairs pairs a measure; ratio = Oruvel / floor: median, middle half, range"
printf '  %-44s %12s %12s %8s  %12s  %12s  %3s\n' "pair" oruvel floor ratio "middle half" range n
start=$SECONDS

export QT_QPA_PLATFORM=offscreen
measure "offscreen"

display_file="$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$display_file" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 100); do
  [ -s "$display_file" ] && break
  sleep 0.1
done
[ -s "$display_file" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(cat "$display_file")" QT_QPA_PLATFORM=xcb
measure "X11 (Xvfb)"

echo "measured in $((SECONDS - start)) s; load now $(cut -d' ' -f1-3 /proc/loadavg)"
