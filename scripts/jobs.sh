#!/usr/bin/env bash
# Prints how many jobs a build or test run may use: JOBS if set, else CMake's own
# CMAKE_BUILD_PARALLEL_LEVEL, else every core.
set -euo pipefail

jobs=${JOBS:-${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}}
if ! [[ $jobs =~ ^[1-9][0-9]*$ ]]; then
  echo "JOBS (or CMAKE_BUILD_PARALLEL_LEVEL) must be a whole number above 0, not '$jobs'" >&2
  exit 2
fi
echo "$jobs"
