#!/usr/bin/env bash
# Fails when a C++ file of the project differs from what clang-format 14 makes of it, with
# the files and lines named: scripts/check-format.sh
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
MAPEDITOR_WITH_FORMAT=1 "$root/scripts/install-deps.sh"
cd "$root"
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format-14 --dry-run --Werror
echo "Every C++ file is formatted."
