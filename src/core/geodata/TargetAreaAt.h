#pragma once
// Target lists made from places: a named point of latitude and longitude becomes a
// TarList.dat record.

#include "core/rails/RailTypes.h"

#include <string>

// The record of a place; the name is taken as UTF-8, stored in single-byte Latin-1 (a
// character it lacks becomes '?') and cut to the record's 32 bytes.
TargetArea TargetAreaAt(const std::string& utf8Name, double longitude, double latitude);
