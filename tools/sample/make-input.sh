#!/usr/bin/env bash
# Remakes the sample's terrain input (input/elevation.raw, input/rivers.pgm) from the coastline
# tools' data. Needs the Debian packages gmt and gmt-gshhg-low (which carries the intermediate
# resolution too); the build and the tests never do. Usage: make-input.sh MAPSAMPLE_PROGRAM
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
mapsample="${1:?usage: make-input.sh path/to/mapsample}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# Land (1) and water (0) at the centre of every map cell: 640 x 320 cells of 1/32 degree over
# 5 W - 15 E, 45 N - 55 N; lakes of 20 km2 and more count as water.
gmt grdlandmask -R-5/15/45/55 -I1.875m -r -Di -N0/1/0/1/0 -A20 -G"$work/land.nc"
gmt grd2xyz "$work/land.nc" > "$work/land.xyz"
# The permanent major and additional major rivers as polylines.
gmt coast -R-5/15/45/55 -Di -I1 -I2 -M > "$work/rivers.txt"

"$mapsample" synthesize "$work/land.xyz" "$work/rivers.txt" "$here/input"
