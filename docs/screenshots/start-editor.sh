# Sourced by the screenshot scripts once they run under the virtual X server (with $root and
# $build set): starts the editor on the sample map in data/, stops it when the script ends,
# and finds its windows: $main, $heights and $terrain.
cd "$root/data"
"$build/src/app/mapeditor" samples/central-europe.{tm,hm,rrd,seg} 2>/dev/null &
editor=$!
trap 'kill $editor 2>/dev/null || true' EXIT
sleep 8

# The main window's title starts with the map's name.
main=$(xdotool search --onlyvisible --name "Map Editor$" | head -1)
heights=$(xdotool search --onlyvisible --name "^Height View$" | head -1)
terrain=$(xdotool search --onlyvisible --name "^3D Terrain View$" | head -1)
