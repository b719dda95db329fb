#!/usr/bin/env bash
# Takes the user guide's pictures of the area tools and of File > New Map from Geodata...:
# the editor with the sample map under a virtual X server, driven with real keys and clicks,
# each picture cropped to what it shows. Needs the mapeditor target built, xvfb, xdotool and
# ImageMagick (`apt-get install xvfb xdotool imagemagick`). Nothing is saved.
# Usage: docs/screenshots/take-tool-screenshots.sh [BUILD_FOLDER] [OUTPUT_FOLDER]
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="$(cd "${1:-$root/build}" && pwd)"
out="$(cd "${2:-$root/docs/screenshots}" && pwd)"

if [ -z "${MAPEDITOR_SCREENSHOT_DISPLAY:-}" ]; then
    exec env MAPEDITOR_SCREENSHOT_DISPLAY=1 xvfb-run -a -s "-screen 0 1600x1000x24" \
        "$0" "$build" "$out"
fi

# shellcheck source=start-editor.sh
source "$root/docs/screenshots/start-editor.sh"

# A click in the height view (below its 19-pixel menu bar) centres the view on Frankfurt;
# then the height and 3D views go out of sight.
xdotool mousemove --window "$heights" 437 $((19 + 156)) click 1; sleep 1.5
xdotool windowmove "$heights" 1700 0
xdotool windowmove "$terrain" 1700 400
sleep 1

# At 50% a cell is 32 pixels; the view starts below the 20-pixel menu bar.
x() { echo $((32 * $1 + 16)); }
y() { echo $((20 + 32 * $1 + 16)); }
at() { xdotool mousemove --window "$main" "$(x "$1")" "$(y "$2")"; sleep 0.3; }
key() { xdotool windowfocus "$main"; xdotool key "$@"; sleep 0.5; }
# A palette button, by its column and row counted from the top left button.
tile() {
    xdotool mousemove --window "$main" $((1400 + 51 * $1)) $((66 + 51 * $2 + $2 / 4)) click 1
    sleep 0.5
}
# shot NAME COLUMN ROW COLUMNS ROWS: those cells of the view, counted from its top left.
shot() {
    sleep 0.8
    import -window root -crop "$((32 * $4))x$((32 * $5))+$((32 * $2))+$((20 + 32 * $3))" \
        +repage "$out/$1.png"
}

# Select: a drag over the fields south of the river, shown by its marching frame.
key s
at 15 17
xdotool mousedown 1; sleep 0.3
at 18 19
at 22 22
xdotool mouseup 1
xdotool mousemove --window "$main" "$(x 23)" "$(y 24)"
shot area-select 12 14 14 12

# Fill: the selection with forest.
tile 1 7
key f
shot area-fill 12 14 14 12

# Flood fill: the grass inside the forest's border north of the river with fields.
xdotool click 3
key g
tile 0 2
at 18 7
xdotool click 1
shot area-flood-fill 9 2 19 12

# Line: a river from one cell, then Shift+click on another; AutoDraw Rivers joins it.
key l
tile 1 11
at 1 2
xdotool click 1; sleep 0.3
at 9 7
xdotool keydown shift click 1 keyup shift
shot area-line 0 0 11 10

# Copy and paste: a piece of that river copied, its frame following the pointer until placed.
key s
at 3 3
xdotool mousedown 1; sleep 0.3
at 6 6
xdotool mouseup 1
key ctrl+c
key ctrl+v
at 23 19
at 24 20
shot area-paste 19 15 11 10

# Height brush: its outline around the pointer.
xdotool click 3
key b
at 20 19
at 21 19
shot area-height-brush 15 13 12 12

# File > New Map from Geodata..., filled in with the sample map's own inputs.
key alt+f
key g
dialog=$(xdotool search --onlyvisible --name "^New Map from Geodata$" | head -1)
input=../tools/sample/input
field() { xdotool key "$1"; sleep 0.3; xdotool type --delay 20 "$2"; sleep 0.3; }
xdotool type --delay 20 "$input/elevation.raw"
field alt+r "$input/rivers.gmt"
field alt+i "cities.geojson"
field alt+e "$input/elevation.raw"
field alt+t 47
field alt+d 1825
sleep 0.5
import -window "$dialog" "$out/geodata-dialog.png"
xdotool key Escape
