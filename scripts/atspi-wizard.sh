#!/usr/bin/env bash
# Runs Sumcraft on a virtual display with the accessibility bus on and
# drives the question-add wizard through it (scripts/atspi-wizard.py).
#   scripts/atspi-wizard.sh [BUILD_DIR]
set -euo pipefail
build_dir=${1:-build}
here=$(cd "$(dirname "$0")" && pwd)
"$here/install-deps.sh" xvfb python3-pyatspi at-spi2-core dbus
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data
Xvfb :97 -screen 0 1280x1024x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb; rm -rf "$home"' EXIT
export DISPLAY=:97 QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 NO_AT_BRIDGE=0
sleep 1
dbus-run-session -- bash -c "
  /usr/libexec/at-spi-bus-launcher --launch-immediately & sleep 1
  '$build_dir/bin/sumcraft' & app=\$!
  sleep 3
  /usr/bin/python3 '$here/atspi-wizard.py'; rc=\$?
  kill \$app; exit \$rc"
