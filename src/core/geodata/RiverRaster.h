#pragma once
// Turns river polylines into river cells of the map: 4-connected paths (so that every river
// cell joins its neighbours through a tile edge), kept on land, without 2 x 2 blocks (which
// would draw as rings), and without fragments too short to read as a river.

#include "core/geodata/GeoGrid.h"

#include <cstdint>
#include <vector>

// One flag per map cell, 1 on river cells. `land` has one flag per cell, 1 on land.
std::vector<uint8_t> RasterizeRivers(const std::vector<GeoPolyline>& rivers,
                                     const std::vector<uint8_t>& land);
