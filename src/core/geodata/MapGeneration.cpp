#include "core/geodata/MapGeneration.h"

#include "core/geodata/CoastLattice.h"
#include "core/geodata/GeneratedHeights.h"
#include "core/geodata/GeodataPainter.h"
#include "core/geodata/RiverRaster.h"
#include "core/geodata/TargetAreaAt.h"
#include "core/tilemap/TileMap.h"
#include "core/tilemap/TileUtilities.h"

#include <algorithm>
#include <cstdio>

namespace {

// The largest cities inside the map, largest first; cities without a population come after
// those with one, in their order in the source.
std::vector<TargetArea> ChooseCities(const std::vector<GeodataCity>& cities, int count) {
    std::vector<const GeodataCity*> inside;
    for (const GeodataCity& city : cities) {
        int row = 0, column = 0;
        if (CellOfGeoPoint(city.place, row, column))
            inside.push_back(&city);
    }
    std::stable_sort(inside.begin(), inside.end(), [](const GeodataCity* a, const GeodataCity* b) {
        return a->population.value_or(-1) > b->population.value_or(-1);
    });
    std::vector<TargetArea> chosen;
    for (const GeodataCity* city : inside) {
        if (static_cast<int>(chosen.size()) >= count)
            break;
        chosen.push_back(TargetAreaAt(city->name, city->place.longitude, city->place.latitude));
    }
    return chosen;
}

std::vector<uint8_t> AllLandCells(const CoastLattice& coast) {
    std::vector<uint8_t> land(MapCellCount, 0);
    for (int row = 0; row < MapHeight; ++row)
        for (int column = 0; column < MapWidth; ++column)
            land[static_cast<size_t>(CellIndex(row, column))] =
                coast.MaskAt(row, column) == 0 ? 1 : 0;
    return land;
}

int AgreeingCells(const std::vector<TileCell>& tiles, const std::vector<uint8_t>& land) {
    int agreeing = 0;
    for (size_t i = 0; i < tiles.size(); ++i)
        agreeing += CentreIsWater(ShoreMaskOf(tiles[i])) == (land[i] == 0) ? 1 : 0;
    return agreeing;
}

} // namespace

GeneratedMap GenerateMap(const GeodataLayers& layers, const MapGenerationOptions& options) {
    ClassicRandom random;
    random.Seed(options.seed);
    const CoastLattice coast(layers.land);
    const std::vector<uint8_t> rivers = RasterizeRivers(layers.rivers, AllLandCells(coast));

    GeneratedMap map;
    map.targets = ChooseCities(layers.cities, options.cityCount);
    map.heights = GenerateHeights(coast, layers.heights);
    PaintedTiles painted =
        PaintGeodataTiles({coast, rivers, layers.cover, map.heights, map.targets}, random);

    TileMap tiles;
    tiles.Replace(std::move(painted.tiles));
    ExpandFields(tiles, random);
    FieldTransitions(tiles, random);
    RandomizeTiles(tiles, random);
    map.tiles.assign(tiles.Cells().begin(), tiles.Cells().end());

    map.figures.disagreeingPairs = CountDisagreeingPairs(map.tiles);
    map.figures.agreeingCells = AgreeingCells(map.tiles, layers.land);
    map.figures.riverCells = static_cast<int>(std::count(rivers.begin(), rivers.end(), 1));
    map.figures.towns = painted.towns;
    return map;
}

std::string MapGenerationReport(const GeodataLayers& layers, const MapGenerationOptions& options,
                                const GeneratedMap& map) {
    std::string report = "Used:\n";
    for (const std::string& line : layers.used)
        report += "  " + line + "\n";
    char figures[512];
    std::snprintf(figures, sizeof figures,
                  "Seed %u. %d river cells, %d towns, %zu cities in the target list.\n"
                  "Neighbour pairs whose coast edges disagree: %d.\n"
                  "Cells whose land or water agrees with the land mask: %.2f%% (%d of %d).",
                  options.seed, map.figures.riverCells, map.figures.towns, map.targets.size(),
                  map.figures.disagreeingPairs, 100.0 * map.figures.AgreementShare(),
                  map.figures.agreeingCells, MapCellCount);
    return report + figures;
}
