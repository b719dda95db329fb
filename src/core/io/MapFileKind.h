#pragma once
// The kinds of map file, told apart by their extension (case ignored): ".tm" texture map,
// ".hm" and ".raw" height map, ".rrd" railroad definition, ".seg" rail segment, ".dat" target
// list.

#include <string>

enum class MapFileKind {
    TextureMap,
    HeightMap,
    RailroadDefinition,
    RailSegment,
    TargetList,
    Unknown
};

MapFileKind MapFileKindOf(const std::string& path);
