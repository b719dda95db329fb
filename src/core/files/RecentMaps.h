#pragma once
// The maps opened or saved last, newest first, kept with QSettings between runs.

#include <string>
#include <vector>

constexpr size_t RecentMapCount = 10;

// The remembered maps, newest first (at most RecentMapCount).
std::vector<std::string> RecentMapPaths();
// Puts `path` first, dropping an older entry of the same file and the oldest beyond the count.
void RememberRecentMap(const std::string& path);
