#pragma once
// The bundled pictures: one design per catalogue tile (unturned, 64 x 64) and the pictures
// of the tool palette's mode buttons (48 x 48) and empty buttons (64 x 64).
//
// Where the features meet the tile's sides: a forest, town, shore or mountain border
// crosses a side 8 pixels from the side's middle, on the half-edge that the catalogue's edge
// mask lists (24 or 40 pixels along the side, counted clockwise from the side's first
// corner), so a border continues into a correctly turned neighbour. Rivers and roads leave
// every side they use at its middle, at right angles, so that the pieces join as the river
// and road tools lay them.

#include "TileCanvas.h"

#include <string>
#include <vector>

TileCanvas DesignTile(int code);

struct ButtonPicture {
    std::string name; // the file name after the "QZ" prefix
    TileCanvas canvas;
};
std::vector<ButtonPicture> DesignButtons();
