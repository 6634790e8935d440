#!/usr/bin/env bash
# Installs the Debian packages Sumcraft needs to build, test and run.
# Only what is missing is installed; "apt-get update" runs first in that case.
# Packages named as arguments are added (the fuzzing and benchmark targets
# need a few that the build and the tests do not).
set -euo pipefail

packages=(
  g++ make cmake pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev zlib1g-dev
  libqt6svg6  # the svg icon engine that draws the buttons
  libfontconfig-dev
  poppler-utils qpdf
  desktop-file-utils appstream
  "$@"
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing missing packages: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  sudo=()
elif command -v sudo >/dev/null 2>&1; then
  sudo=(sudo)
else
  echo "error: packages are missing (${missing[*]}) and neither root nor sudo is available" >&2
  exit 1
fi
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
