#pragma once
// The world file of a texture view picture: six lines that place its pixels on the map's
// latitude/longitude grid (column c starts at longitude (c - 160) / 32 east, row r at
// latitude 55 - r / 32 north), so that GIS programs line the picture up with other data.

#include <string>

// Pixel width, two rotation terms, negative pixel height, then longitude and latitude of the
// centre of the top-left pixel, for a picture whose top-left cell is (column, row) at
// `tilePixels` pixels per cell.
std::string WorldFileText(int column, int row, int tilePixels);

// The world file's name beside a picture: "map.png" gives "map.pgw"; any other name gets
// ".pgw" added.
std::string WorldFilePath(const std::string& picturePath);
