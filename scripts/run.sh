#!/usr/bin/env bash
# Starts the Sumcraft program from a build folder.
set -euo pipefail
build_dir=${1:-build}
program="$build_dir/bin/sumcraft"
if [ ! -x "$program" ]; then
  echo "Sumcraft's window is not built yet: this version has the question engine and its tests only."
  echo "Run 'make test' to check it."
  exit 0
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "Sumcraft needs a graphical display, and none is available (DISPLAY and WAYLAND_DISPLAY are not set)." >&2
  echo "Start it from a desktop session, or use build/bin/sumcraft-cli for work without a window." >&2
  exit 1
fi
exec "$program" "$@"
