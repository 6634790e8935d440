#!/usr/bin/env bash
# Starts the Sumcraft program from a build folder.
set -euo pipefail
build_dir=${1:-build}
program="$build_dir/bin/sumcraft"
if [ ! -x "$program" ]; then
  echo "Sumcraft is not built in $build_dir yet: run 'make run', which builds it first." >&2
  exit 1
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "Sumcraft needs a graphical display, and none is available (DISPLAY and WAYLAND_DISPLAY are not set)." >&2
  echo "Start it from a desktop session, or use build/bin/sumcraft-cli for work without a window." >&2
  exit 1
fi
exec "$program" "$@"
