#!/usr/bin/env bash
# Makes sure that the Debian packages a build needs are installed. As root it installs
# what is missing; otherwise it names the command to run.
# Usage: scripts/deps.sh [--tests] [--benchmarks] [extra packages...]
#   no option      what the program needs to build and run (scripts/run.sh)
#   --tests        and what its tests need (scripts/test.sh)
#   --benchmarks   and what its benchmarks need (scripts/test.sh, scripts/bench.sh)
#   extra packages for instance the fuzzing and X11 tools that CI adds
set -euo pipefail

# The compiler and CMake, Qt (with lrelease for the translations, and Qt's own
# translations for its standard texts) and the fonts that the windows use.
packages=(cmake g++ make qt6-base-dev qt6-svg-dev qt6-l10n-tools qt6-translations-l10n libgl-dev
          fonts-noto-cjk fonts-dejavu-core)
for wanted in "$@"; do
  case $wanted in
    --tests) packages+=(libgtest-dev desktop-file-utils appstream) ;;
    --benchmarks) packages+=(libbenchmark-dev) ;;
    -*) echo "scripts/deps.sh: unknown option $wanted" >&2; exit 2 ;;
    *) packages+=("$wanted") ;;
  esac
done

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

if [ "$(id -u)" -eq 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
else
  echo "Oruvel needs these Debian packages: ${missing[*]}" >&2
  echo "Install them with: sudo apt-get update && sudo apt-get install ${missing[*]}" >&2
  exit 1
fi
