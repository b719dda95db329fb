#pragma once
// Builds the sample map files from the committed terrain input, with the editor's own
// operations: writes the elevation source, converts it, paints the tiles, runs field
// transitions and randomizing, lays the railroads, and saves the four files.

#include "cli/ConsoleShell.h"

#include <string>

struct SampleBuildFolders {
    std::string input;      // elevation.raw and rivers.pgm
    std::string targetList; // TarList.dat: the towns and the railroads' stations
    std::string work;       // receives the elevation source and the conversion's two outputs
    std::string output;     // receives <name>.tm, .hm, .rrd and .seg
};

constexpr const char* SampleMapName = "central-europe";
constexpr const char* SampleSourceName = "central-europe.dem";

// The tile painter and the two tile utilities draw from generators seeded with these, so
// every build gives the same files.
constexpr uint32_t SamplePaintSeed = 1830;
constexpr uint32_t SampleTransitionSeed = 1835;
constexpr uint32_t SampleRandomizeSeed = 1837;

// False, with the reason in `error` or shown through the shell, when a step fails.
bool BuildSample(const SampleBuildFolders& folders, ConsoleShell& shell, std::string& error);
