#!/usr/bin/env bash
# Makes the bundled sample map's texture and height maps (data/samples/central-europe.{tm,hm})
# and its target list (data/TarList.dat) with `maptool generate`, as a user makes a map: from
# the land mask and relief in input/elevation.raw, the rivers in input/rivers.gmt and the
# places of tools/tarlist/places.txt, with a fixed seed. The same inputs give the same bytes.
# Usage: make-sample.sh PATH/TO/maptool
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"
maptool="${1:?usage: make-sample.sh path/to/maptool}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# The places as GeoJSON points, in the list's order ("name; latitude; longitude" lines).
awk -F';' '
    BEGIN { printf "{\"type\":\"FeatureCollection\",\"features\":[" }
    /^[[:space:]]*(#|$)/ { next }
    {
        gsub(/^[[:space:]]+|[[:space:]]+$/, "", $1)
        printf "%s\n{\"type\":\"Feature\",\"properties\":{\"name\":\"%s\"},", sep, $1
        printf "\"geometry\":{\"type\":\"Point\",\"coordinates\":[%s,%s]}}", $3 + 0, $2 + 0
        sep = ","; ++places
    }
    END { print "]}"; print places > "/dev/stderr" }
' "$root/tools/tarlist/places.txt" > "$work/cities.geojson" 2> "$work/count"

# Every place becomes a target (without populations they keep the list's order).
"$maptool" generate "$work/central-europe" --land "$here/input/elevation.raw" \
    --water "$here/input/rivers.gmt" --elevation "$here/input/elevation.raw" \
    --cities "$work/cities.geojson" --city-count "$(cat "$work/count")" --seed 1825

cp "$work/central-europe.tm" "$work/central-europe.hm" "$root/data/samples/"
cp "$work/TarList.dat" "$root/data/TarList.dat"
