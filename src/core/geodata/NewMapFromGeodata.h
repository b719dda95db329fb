#pragma once
// File > New Map from Geodata...: the map made from the chosen files replaces the texture map
// and the height map as one undo step, after the usual question about unsaved changes; its
// cities become the target areas shown on the map.

#include "core/Shell.h"
#include "core/edit/Editor.h"
#include "core/geodata/GeodataSources.h"
#include "core/geodata/MapGeneration.h"

#include <string>

struct NewMapRequest {
    GeodataSources sources;
    MapGenerationOptions options;
    std::string targetListPath; // where to write TarList.dat; empty: not written
};

// A file that cannot serve is reported and nothing changes; so does a target list that
// cannot be written. Declining the question changes nothing either. On success the report
// (what was used, the figures) is shown.
void NewMapFromGeodata(Editor& editor, Shell& shell, const NewMapRequest& request);
