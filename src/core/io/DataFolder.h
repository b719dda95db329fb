#pragma once
// Finding the program's bundled data (tile pictures, TarList.dat): the current folder first,
// then the installed data folder, then, for a program run from its build folder only, the
// data/ folder of the source tree (an installed program never reads the tree it was built
// from). Tile folders come from case-insensitive file
// systems, so the file name is matched without regard to case.

#include <string>

// The path of the first existing match of `relativePath` ("tiles/QZGrass.bmp"); the relative
// path unchanged when none exists, so that the caller's open fails and reports it.
std::string FindDataFile(const std::string& relativePath);

// The same search below one given folder only; empty when nothing matches.
std::string FindFileIn(const std::string& folder, const std::string& relativePath);
