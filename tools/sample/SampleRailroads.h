#pragma once
// Lays the sample's railroads over land: lines joining the target areas' cities (a shortest
// spanning network within each land mass, routed around the sea and over low ground),
// committed as rail sections, and one more line half laid as pending rail points.

#include "core/Shell.h"
#include "core/height/HeightMap.h"
#include "core/rails/RailNetwork.h"

#include <vector>

void LaySampleRailroads(RailNetwork& rails, Shell& shell, const HeightMap& heights,
                        const std::vector<TargetArea>& towns);
