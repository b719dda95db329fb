// maptool import-elevation: georeferenced elevation rasters onto the map's grid, written as a
// height map and the 8-bit image beside it.

#include "cli/CliArguments.h"
#include "cli/CliCommand.h"
#include "cli/Refusal.h"
#include "core/elevation/ElevationImport.h"
#include "core/files/DemConversion.h"
#include "core/height/HeightMapCodec.h"
#include "core/io/FileIO.h"

namespace {

struct ImportRequest {
    std::vector<std::string> sources;
    ElevationImportOptions options;
    std::string heightPath;
    std::string rawPath;
};

bool ParseRequest(const std::vector<std::string>& arguments, ImportRequest& request) {
    const auto parsed =
        ParseOptionArguments(arguments, {"--resample", "--top", "--out-hm", "--out-raw"});
    if (!parsed)
        return false;
    if (parsed->files.empty())
        return Refuse("expected at least one elevation source");
    request.sources = parsed->files;
    const auto& values = parsed->values;
    if (const auto resample = values.find("--resample"); resample != values.end()) {
        const auto resampling = ResamplingNamed(resample->second);
        if (!resampling)
            return Refuse("--resample takes average, bilinear, cubic or nearest, not '" +
                          resample->second + "'");
        request.options.resampling = *resampling;
    }
    if (const auto top = values.find("--top"); top != values.end()) {
        const auto metres = ParsePositiveNumber(top->second);
        if (!metres)
            return Refuse("--top takes a number of metres above 0, not '" + top->second + "'");
        request.options.topMetres = *metres;
    }
    // By default the outputs go beside the first source, named as the DEM conversion's.
    const auto heightPath = values.find("--out-hm");
    request.heightPath =
        heightPath != values.end() ? heightPath->second : DemHeightOutputPath(request.sources[0]);
    const auto rawPath = values.find("--out-raw");
    request.rawPath =
        rawPath != values.end() ? rawPath->second : DemRawOutputPath(request.sources[0]);
    return true;
}

} // namespace

int RunImportElevation(const std::vector<std::string>& arguments) {
    ImportRequest request;
    if (!ParseRequest(arguments, request))
        return ExitUsage;
    ElevationImportResult result = ImportElevation(request.sources, request.options);
    if (!result.elevation) {
        Refuse(result.error);
        return ExitFailure;
    }
    const TranslatedElevation& elevation = *result.elevation;
    HeightMap heights;
    heights.Replace(elevation.heights);
    if (!WriteOrRefuse(request.heightPath, HeightMapFileBytes(heights)) ||
        !WriteOrRefuse(request.rawPath, elevation.rawImage))
        return ExitFailure;
    std::printf("%s\n%s and %s have been written.\n", DemSummaryText(elevation.counters).c_str(),
                request.heightPath.c_str(), request.rawPath.c_str());
    return ExitSuccess;
}
