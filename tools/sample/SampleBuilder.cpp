#include "SampleBuilder.h"

#include "SampleElevationSource.h"
#include "SampleInput.h"
#include "SampleRailroads.h"
#include "SampleTilePainter.h"

#include "core/edit/Editor.h"
#include "core/files/DemConversion.h"
#include "core/files/HeightMapFile.h"
#include "core/files/RailSegmentFile.h"
#include "core/files/RailroadDefinitionFile.h"
#include "core/files/TargetListFile.h"
#include "core/files/TextureMapFile.h"
#include "core/rails/TargetAreas.h"
#include "core/tilemap/TileUtilities.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <string_view>

namespace {

std::string PathIn(const std::string& folder, const std::string& name) {
    return (std::filesystem::path(folder) / name).string();
}

// The target areas that are cities: the list also names a few regions, which get neither a
// town nor a station.
std::vector<TargetArea> Cities(const std::vector<TargetArea>& areas) {
    static constexpr std::array<std::string_view, 4> Regions = {"Ardennes", "Black Forest",
                                                                "Brittany", "Harz Mountains"};
    std::vector<TargetArea> cities;
    for (const TargetArea& area : areas)
        if (std::find(Regions.begin(), Regions.end(), TargetAreaName(area)) == Regions.end())
            cities.push_back(area);
    return cities;
}

} // namespace

bool BuildSample(const SampleBuildFolders& folders, ConsoleShell& shell, std::string& error) {
    const auto input = ReadSampleInput(folders.input, error);
    if (!input)
        return false;
    const std::string source = PathIn(folders.work, SampleSourceName);
    if (!WriteSampleElevationSource(*input, source)) {
        error = source + ": cannot be written";
        return false;
    }

    Editor editor;
    ConvertDemFile(editor, shell, source);
    if (shell.Failed() || !editor.document.Heights().HasHeightMap()) {
        error = "the conversion of " + source + " failed";
        return false;
    }
    LoadTargetAreasFrom(editor, shell, folders.targetList);
    const std::vector<TargetArea> cities = Cities(editor.document.TargetAreas());

    ClassicRandom paintRandom;
    paintRandom.Seed(SamplePaintSeed);
    editor.document.ReplaceTiles(
        PaintSampleTiles(editor.document.Heights(), input->rivers, cities, paintRandom));
    editor.random.Seed(SampleTransitionSeed);
    editor.document.EditTiles([&](TileMap& tiles) {
        FieldTransitions(tiles, editor.random);
        return WholeMap;
    });
    editor.random.Seed(SampleRandomizeSeed);
    editor.document.EditTiles([&](TileMap& tiles) {
        RandomizeTiles(tiles, editor.random);
        return WholeMap;
    });

    editor.document.EditRails([&](RailNetwork& rails) {
        LaySampleRailroads(rails, shell, editor.document.Heights(), cities);
    });

    const std::string base = PathIn(folders.output, SampleMapName);
    SaveTextureMap(editor, shell, base + ".tm");
    SaveHeightMap(editor, shell, base + ".hm");
    SaveRailroadDefinition(editor, shell, base + ".rrd");
    SaveRailSegment(editor, shell, base + ".seg");
    if (shell.Failed()) {
        error = "a step failed (see the messages above)";
        return false;
    }
    return true;
}
