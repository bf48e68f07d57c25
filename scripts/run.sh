#!/usr/bin/env bash
# Installs what is missing, builds Oruvel and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)" --target oruvel

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "There is no display to show Oruvel on." >&2
  echo "On a machine without one, start it in a virtual display:" >&2
  echo "  apt-get install xvfb xauth && xvfb-run -a scripts/run.sh" >&2
  exit 1
fi
exec build/app/oruvel "$@"
