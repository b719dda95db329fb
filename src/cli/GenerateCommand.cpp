// maptool generate: a new map (texture map, height map and target list) from geographic data.

#include "cli/CliArguments.h"
#include "cli/CliCommand.h"
#include "cli/Refusal.h"
#include "core/geodata/GeodataSources.h"
#include "core/geodata/MapGeneration.h"
#include "core/height/HeightMapCodec.h"
#include "core/io/FileIO.h"
#include "core/rails/TargetAreas.h"

#include <filesystem>

namespace {

constexpr int MostCities = 10000;

struct GenerateRequest {
    std::string base;
    GeodataSources sources;
    MapGenerationOptions options;
};

std::string ValueOf(const OptionArguments& parsed, const std::string& name) {
    const auto found = parsed.values.find(name);
    return found != parsed.values.end() ? found->second : std::string();
}

bool ParseRequest(const std::vector<std::string>& arguments, GenerateRequest& request) {
    const auto parsed =
        ParseOptionArguments(arguments, {"--land", "--water", "--cover", "--cover-classes",
                                         "--cities", "--city-count", "--elevation", "--seed"});
    if (!parsed)
        return false;
    if (parsed->files.size() != 1)
        return Refuse("expected one output name (the map's files are NAME.tm and NAME.hm)");
    request.base = parsed->files[0];
    GeodataSources& sources = request.sources;
    sources.land = ValueOf(*parsed, "--land");
    if (sources.land.empty())
        return Refuse("--land is required");
    sources.water = ValueOf(*parsed, "--water");
    sources.cover = ValueOf(*parsed, "--cover");
    sources.coverClasses = ValueOf(*parsed, "--cover-classes");
    sources.cities = ValueOf(*parsed, "--cities");
    sources.elevation = ValueOf(*parsed, "--elevation");
    if (const std::string seed = ValueOf(*parsed, "--seed"); !seed.empty()) {
        const auto value = ParseSeed(seed);
        if (!value)
            return Refuse("--seed takes a whole number from 0 to 4294967295, not '" + seed + "'");
        request.options.seed = *value;
    }
    if (const std::string count = ValueOf(*parsed, "--city-count"); !count.empty()) {
        const auto value = ParseSeed(count);
        if (!value || *value > MostCities)
            return Refuse("--city-count takes a whole number from 0 to " +
                          std::to_string(MostCities) + ", not '" + count + "'");
        request.options.cityCount = static_cast<int>(*value);
    }
    return true;
}

} // namespace

int RunGenerate(const std::vector<std::string>& arguments) {
    GenerateRequest request;
    if (!ParseRequest(arguments, request))
        return ExitUsage;
    const GeodataReadResult read = ReadGeodata(request.sources);
    if (!read.layers) {
        Refuse(read.error);
        return ExitFailure;
    }
    const GeneratedMap map = GenerateMap(*read.layers, request.options);
    HeightMap heights;
    heights.Replace(map.heights);
    const std::string tilesPath = request.base + ".tm";
    const std::string heightsPath = request.base + ".hm";
    if (!WriteOrRefuse(tilesPath, map.tiles) ||
        !WriteOrRefuse(heightsPath, HeightMapFileBytes(heights)))
        return ExitFailure;
    std::string written = tilesPath + " and " + heightsPath;
    if (!request.sources.cities.empty()) {
        const std::string listPath =
            (std::filesystem::path(request.base).parent_path() / "TarList.dat").string();
        if (!WriteOrRefuse(listPath, TargetListBytes(map.targets)))
            return ExitFailure;
        written = tilesPath + ", " + heightsPath + " and " + listPath;
    }
    std::printf("%s\n%s have been written.\n",
                MapGenerationReport(*read.layers, request.options, map).c_str(), written.c_str());
    return ExitSuccess;
}
