#pragma once
// The rail segment file (".seg"): a polyline of pending rail points as an int32 count and that
// many 8-byte records (x, y), little-endian. Sections are never part of it.

#include "core/Shell.h"
#include "core/edit/Editor.h"

#include <cstdint>
#include <string>
#include <vector>

// What the file of the pending points holds.
std::vector<uint8_t> RailSegmentBytes(const RailNetwork& rails);

// Writes the pending points, which stay pending; without a path the user is asked.
void SaveRailSegment(Editor& editor, Shell& shell, const std::string& path = {});
// Replaces the pending points by the file's. When sections and the file's points would reach
// 2048, the limit message is shown and the pending points stay.
void LoadRailSegment(Editor& editor, Shell& shell, const std::string& path = {});
// Adds the file's points after the pending ones. When sections, pending and the file's points
// would reach 2048, the limit message is shown and the pending points stay.
void AppendRailSegment(Editor& editor, Shell& shell, const std::string& path = {});
