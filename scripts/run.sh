#!/usr/bin/env bash
# Builds the editor and starts it in the bundled data folder (tiles/, TarList.dat, samples/).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/build.sh" "$root/build"
cd "$root/data"
exec "$root/build/src/app/mapeditor" "$@"
