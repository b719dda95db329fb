#!/usr/bin/env bash
# The editor's peak memory (VmHWM) at start-up with the sample map, with the bundled tile
# pictures and with hostile ones: a 1,080-byte run-length picture naming SIDE x SIDE pixels
# in place of one tile ("one") or of every picture in tiles/ ("all"). Message boxes are
# answered with Return. Needs xvfb and xdotool (`apt-get install xvfb xdotool`).
#   bench/editor-peak-memory.sh [BUILD_FOLDER] [SIDE]    (defaults: build, 8192)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$root/build}" && pwd)"
side="${2:-8192}"
editor="$build/src/app/mapeditor"
sample="$root/data/samples/central-europe"

if [ -z "${MAPEDITOR_MEMORY_DISPLAY:-}" ]; then
    exec env MAPEDITOR_MEMORY_DISPLAY=1 xvfb-run -a -s "-screen 0 1600x1200x24" "$0" "$build" "$side"
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

byte() { printf "$(printf '\\%03o' "$1")"; }
le32() { for shift in 0 8 16 24; do byte $(($1 >> shift & 255)); done; }
# File header, 40-byte header (8 bits, RLE8), a grey 256-colour table, "end of picture".
hostile_picture() {
    printf 'BM'; le32 1080; le32 0; le32 1078
    le32 40; le32 "$side"; le32 "$side"; byte 1; byte 0; byte 8; byte 0; le32 1; le32 2
    le32 0; le32 0; le32 0; le32 0
    for i in $(seq 0 255); do byte "$i"; byte "$i"; byte "$i"; byte 0; done
    byte 0; byte 1
}

for kind in bundled one all; do
    mkdir -p "$work/$kind"
    cp -r "$root/data/tiles" "$root/data/TarList.dat" "$work/$kind/"
done
hostile_picture >"$work/hostile.bmp"
cp "$work/hostile.bmp" "$work/one/tiles/QZField8.bmp"
for tile in "$work/all/tiles/"*; do cp "$work/hostile.bmp" "$tile"; done

# Starts the editor in a folder, answers every box until none has shown for 8 s, prints the
# peak memory.
measure() {
    cd "$work/$1"
    "$editor" "$sample".{tm,hm,rrd,seg} 2>/dev/null &
    local pid=$! quiet=0 boxes=0
    while [ $quiet -lt 40 ] && kill -0 $pid 2>/dev/null; do
        sleep 0.2
        local found=0
        for name in Error Notice; do
            for w in $(xdotool search --onlyvisible --name "^$name\$" 2>/dev/null); do
                xdotool key --window "$w" Return 2>/dev/null || true
                boxes=$((boxes + 1))
                found=1
            done
        done
        if [ $found = 1 ]; then quiet=0; else quiet=$((quiet + 1)); fi
    done
    printf '%-8s peak %s kB (%d box answers)\n' "$1" \
        "$(awk '/VmHWM/ { print $2 }' /proc/$pid/status)" "$boxes"
    kill $pid
    wait $pid 2>/dev/null || true
}
measure bundled
measure one
measure all
