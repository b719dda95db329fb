#pragma once
// The command line of `maptool render`.

#include <optional>
#include <string>
#include <vector>

struct RenderRegion {
    int column = 0;
    int row = 0;
    int columns = 0;
    int rows = 0;
};

struct RenderOptions {
    std::string mapPath;
    std::string outputPath;
    bool heightView = false;
    int column = 0;
    int row = 0;
    int zoomPercent = 50;
    // A region of the map (or all of it) instead of the view's block at the origin.
    std::optional<RenderRegion> region;
    bool worldFile = false;
    bool smallestFile = false;
    bool allowMissingTiles = false;
    std::string heightsPath;
    std::string railsPath;
    std::string segmentPath;
    // The editor's start-up switches: railroads and target names on, the rest off.
    std::vector<std::string> overlays{"rails", "targets"};
};

// Reads the command line; on a mistake prints the reason to standard error and returns false.
bool ParseRenderOptions(const std::vector<std::string>& arguments, RenderOptions& options);

bool HasOverlay(const RenderOptions& options, const char* name);
