#!/usr/bin/env bash
# Installs what is missing, builds Oruvel with its tests and benchmarks (BUILD_TESTING,
# ORUVEL_BENCHMARKS), and runs every test. JOBS (or CMAKE_BUILD_PARALLEL_LEVEL) sets how
# many compilers and tests run at once; every core by default.
# Usage: scripts/test.sh [build-folder] [extra CMake options...]
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=${1:-build}
shift || true

scripts/deps.sh --tests --benchmarks
jobs=$(scripts/jobs.sh)
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON -DORUVEL_BENCHMARKS=ON "$@"
cmake --build "$build_dir" -j "$jobs"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build_dir" --output-on-failure -j "$jobs"
