#pragma once
// Target lists made from places: a named point of latitude and longitude becomes a
// TarList.dat record, and a list of records the file's bytes.

#include "core/rails/RailTypes.h"

#include <string>
#include <vector>

// The record of a place; the name is taken as UTF-8, stored in single-byte Latin-1 (a
// character it lacks becomes '?') and cut to the record's 32 bytes.
TargetArea TargetAreaAt(const std::string& utf8Name, double longitude, double latitude);

// An int32 count and the 48-byte records, little-endian.
std::vector<uint8_t> TargetListBytes(const std::vector<TargetArea>& areas);
