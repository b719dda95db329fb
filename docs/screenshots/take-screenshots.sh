#!/usr/bin/env bash
# Takes the screenshots of this folder: the editor with the sample map under a virtual X
# server. Needs the mapeditor and terrainshot targets built, xvfb, xdotool and ImageMagick
# (`apt-get install xvfb xdotool imagemagick`).
# Usage: docs/screenshots/take-screenshots.sh [BUILD_FOLDER]   (default: build)
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="$(cd "${1:-$root/build}" && pwd)"
out="$root/docs/screenshots"

if [ -z "${MAPEDITOR_SCREENSHOT_DISPLAY:-}" ]; then
    exec env MAPEDITOR_SCREENSHOT_DISPLAY=1 xvfb-run -a -s "-screen 0 2000x1100x24" "$0" "$build"
fi

# shellcheck source=start-editor.sh
source "$root/docs/screenshots/start-editor.sh"
# No window manager: put the height view beside the texture view, below the menu bar, and
# the 3D view out of sight (its picture is taken separately, below).
xdotool windowmove "$heights" 1040 30
xdotool windowmove "$terrain" 2100 0
sleep 1

# View > Zoom > (the item reached with the given keys from "400%").
zoom() {
    xdotool windowfocus "$main"; sleep 0.3
    xdotool key --window "$main" alt+v; sleep 0.4
    xdotool key z; sleep 0.4
    xdotool key "$@" Return; sleep 1.5
}
# A click in the height view centres the views on that cell (below its 19-pixel menu bar).
centre() {
    xdotool mousemove --window "$heights" "$1" $((19 + $2)) click 1; sleep 1.5
    xdotool mousemove --window "$main" 1000 1050; sleep 0.5
}
zoom Up                       # 25%
centre 505 262                # the Alps around Innsbruck
import -window root "$out/editor-25.png"

zoom Down Down Down           # 100%
centre 382 131                # Cologne on the Rhine
import -window root "$out/editor-100.png"
import -window "$heights" "$out/height-view.png"
kill $editor

# The 3D view draws into an OpenGL frame buffer that a screen grab of the virtual X server
# does not see, so its picture is one frame of the same window drawn by terrainshot: the
# Alps block of the first screenshot, seen from the south-west and farther away.
"$build/tools/terrainshot/terrainshot" samples/central-europe.tm samples/central-europe.hm \
    "$out/3d-view.png" --column 530 --row 262 --size 64 --elevation 30 --azimuth 15 \
    --distance -4200
