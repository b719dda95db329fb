#include "SampleBuilder.h"

#include "SampleElevationSource.h"
#include "SampleInput.h"
#include "SampleRailroads.h"
#include "SampleTilePainter.h"

#include "core/edit/Editor.h"
#include "core/height/DemConversion.h"
#include "core/height/HeightMapFile.h"
#include "core/rails/RailSegmentFile.h"
#include "core/rails/RailroadDefinitionFile.h"
#include "core/rails/TargetAreas.h"
#include "core/tilemap/TextureMapFile.h"
#include "core/tilemap/TileUtilities.h"

#include <filesystem>

namespace {

std::string PathIn(const std::string& folder, const std::string& name) {
    return (std::filesystem::path(folder) / name).string();
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
    if (shell.Failed() || !editor.heightMap.HasHeightMap()) {
        error = "the conversion of " + source + " failed";
        return false;
    }
    LoadTargetAreas(editor, shell);

    ClassicRandom paintRandom;
    paintRandom.Seed(SamplePaintSeed);
    editor.tileMap.Replace(
        PaintSampleTiles(editor.heightMap, input->rivers, editor.targetAreas, paintRandom));
    editor.random.Seed(SampleTransitionSeed);
    FieldTransitions(editor.tileMap, editor.random);
    editor.random.Seed(SampleRandomizeSeed);
    RandomizeTiles(editor.tileMap, editor.random);

    LaySampleRailroads(editor.rails, shell, editor.heightMap, editor.targetAreas);

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
