#!/usr/bin/env bash
# Builds everything and runs every test; widget and OpenGL tests run under xvfb-run.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${MAPEDITOR_BUILD_DIR:-$root/build}"
"$root/scripts/build.sh" "$build" "$@"
cd "$build"
# The long random session (label soak) runs only with MAPEDITOR_SOAK=1.
soak=(-LE soak)
[ "${MAPEDITOR_SOAK:-0}" = 1 ] && soak=()
xvfb-run -a -s "-screen 0 1600x1200x24" ctest --output-on-failure -j 2 --timeout 600 "${soak[@]}"
