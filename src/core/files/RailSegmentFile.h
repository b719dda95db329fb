#pragma once
// The rail segment's file commands: "Save Segment", "Load Segment" and "Append Segment".

#include "core/Shell.h"
#include "core/edit/Editor.h"

#include <string>

// Writes the pending points, which stay pending; without a path the user is asked.
void SaveRailSegment(Editor& editor, Shell& shell, const std::string& path = {});
// Replaces the pending points by the file's, as one undo step. When sections and the file's
// points would reach 2048, the limit message is shown and the pending points stay. Unsaved
// pending points are asked about first.
void LoadRailSegment(Editor& editor, Shell& shell, const std::string& path = {});
// The same for a path already agreed to, without the question; true when the file was read.
bool ReadRailSegmentFile(Editor& editor, Shell& shell, const std::string& path);
// Adds the file's points after the pending ones. When sections, pending and the file's points
// would reach 2048, the limit message is shown and the pending points stay.
void AppendRailSegment(Editor& editor, Shell& shell, const std::string& path = {});
