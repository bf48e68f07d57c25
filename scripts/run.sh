#!/usr/bin/env bash
# Installs what is missing to build and run Oruvel (no test or benchmark library),
# builds the program alone and starts it. JOBS (or CMAKE_BUILD_PARALLEL_LEVEL) sets how
# many compilers run at once; every core by default.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
jobs=$(scripts/jobs.sh)
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$jobs" --target oruvel

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo "; fi
  cat >&2 <<MESSAGE
Oruvel is built (build/app/oruvel), but there is no display to show it on:
neither DISPLAY nor WAYLAND_DISPLAY is set.

To run it in a virtual display instead, install Xvfb once and start it through xvfb-run:
  ${sudo}apt-get install -y xvfb xauth
  xvfb-run -a -s "-screen 0 1280x1024x24" scripts/run.sh
MESSAGE
  exit 1
fi
exec build/app/oruvel "$@"
