#pragma once
// What the status bar says about the place under the pointer and about the editor: the map
// cell, its latitude and longitude, its tile and height, the zoom and the tool.

#include "core/edit/Editor.h"

#include <string>

struct PointerReadout {
    std::string cell;     // "column 120, row 45"
    std::string position; // "53°35'N 1°15'W", degrees and whole minutes
    std::string tile;     // "River2, 1 quarter turn"; empty outside the map or without a map
    std::string height;   // "height 1234"; empty outside the map or without a height map
    std::string zoom;     // "50%"; empty before the first zoom
    std::string tool;     // "Tile Painting"
};

// Reads the cell under the pointer from the cursor state (the cell itself, not the vertex that
// height editing snaps to) and the view origin.
PointerReadout ReadPointer(const Editor& editor);

// "52°31'N": a latitude or longitude in degrees and whole minutes (cut, not rounded, so that a
// place never shows the minute of its neighbour) with its hemisphere letter.
std::string DegreesAndMinutes(double degrees, char positive, char negative);
