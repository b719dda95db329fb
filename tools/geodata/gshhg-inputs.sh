#!/usr/bin/env bash
# Writes the inputs of `maptool generate` for the map's window (5 W-15 E, 45 N-55 N) from
# Debian's coastline tools and their shoreline data (apt-get install gmt gmt-gshhg-low):
#   land.nc      land (1) and water (0) at the middle of every map cell, lakes as water
#   rivers.gmt   the permanent and additional major rivers, as OGR/GMT lines
# Usage: gshhg-inputs.sh OUTPUT_FOLDER [RESOLUTION]   (RESOLUTION l, i, h or f; l by default:
# gmt-gshhg-low ships the low and the intermediate shorelines, gmt-gshhg-high the others)
set -euo pipefail
out="${1:?usage: gshhg-inputs.sh OUTPUT_FOLDER [l|i|h|f]}"
resolution="${2:-l}"
mkdir -p "$out"
gmt grdlandmask -R-5/15/45/55 -I1.875m -r -D"$resolution" -N0/1/0/1/0 -G"$out/land.nc"
{
    printf '# @VGMT1.0 @GLINESTRING\n# FEATURE_DATA\n'
    gmt coast -R-5/15/45/55 -D"$resolution" -I1 -I2 -M
} > "$out/rivers.gmt"
