#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing the editor need,
# only when some are missing. Works as root or through sudo.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev libqt6opengl6-dev libgl-dev libglu1-mesa-dev
    libgtest-dev libgmock-dev libbenchmark-dev libpng-dev
    # Elevation rasters; gdal-bin for the benchmark that times the gdalwarp command.
    libgdal-dev gdal-bin
    xvfb xauth
    # Software OpenGL (llvmpipe) for the 3D view under Xvfb, and a font for the views' text;
    # both are only recommended by the packages above.
    libgl1-mesa-dri libglx-mesa0 fonts-dejavu-core
)
if [ "${MAPEDITOR_WITH_FUZZ:-0}" = 1 ]; then
    packages+=(clang-14 libclang-rt-14-dev)
fi
if [ "${MAPEDITOR_WITH_FORMAT:-0}" = 1 ]; then
    packages+=(clang-format-14)
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -q
"${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
