#include "core/io/MapFileKind.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

MapFileKind MapFileKindOf(const std::string& path) {
    std::string extension = std::filesystem::path(path).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (extension == ".tm")
        return MapFileKind::TextureMap;
    if (extension == ".hm" || extension == ".raw")
        return MapFileKind::HeightMap;
    if (extension == ".rrd")
        return MapFileKind::RailroadDefinition;
    if (extension == ".seg")
        return MapFileKind::RailSegment;
    if (extension == ".dat")
        return MapFileKind::TargetList;
    return MapFileKind::Unknown;
}
