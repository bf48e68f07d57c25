#!/usr/bin/env bash
# Makes sure that the Debian packages the build needs are installed. As root it
# installs what is missing; otherwise it names the command to run.
# Usage: scripts/deps.sh [extra packages...]   (CI adds the fuzzing and X11 tools)
set -euo pipefail

packages=(cmake g++ make libgtest-dev libbenchmark-dev qt6-base-dev qt6-svg-dev qt6-tools-dev
          qt6-l10n-tools libgl-dev fonts-noto-cjk fonts-dejavu-core desktop-file-utils appstream "$@")

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
