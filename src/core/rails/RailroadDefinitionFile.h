#pragma once
// The railroad definition file (".rrd"): the committed rail sections as an int32 count and
// that many 24-byte records (x1, x2, y1, y2, reserved1, reserved2), little-endian.

#include "core/Shell.h"
#include "core/edit/Editor.h"

#include <cstdint>
#include <string>
#include <vector>

// What the file of the committed sections holds.
std::vector<uint8_t> RailroadDefinitionBytes(const RailNetwork& rails);

// Writes every committed section; without a path the user is asked.
void SaveRailroadDefinition(Editor& editor, Shell& shell, const std::string& path = {});
// Replaces the committed sections by the file's; pending points stay. A file whose count is
// out of the table or that holds fewer records than it names is refused and changes nothing.
void LoadRailroadDefinition(Editor& editor, Shell& shell, const std::string& path = {});
