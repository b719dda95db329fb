// maptool export-heights: the height map as a georeferenced GeoTIFF in metres, for GIS tools.

#include "cli/CliArguments.h"
#include "cli/CliCommand.h"
#include "cli/LayerFiles.h"
#include "core/elevation/ElevationImport.h"
#include "core/io/FileIO.h"

#include <memory>

int RunExportHeights(const std::vector<std::string>& arguments) {
    const auto parsed = ParseOptionArguments(arguments, {"--top"});
    if (!parsed)
        return ExitUsage;
    if (parsed->files.size() != 2) {
        std::fprintf(stderr,
                     "maptool: expected a height map and an output file, got %zu file "
                     "names\n",
                     parsed->files.size());
        return ExitUsage;
    }
    double top = DemFullScale;
    if (const auto value = parsed->values.find("--top"); value != parsed->values.end()) {
        const auto metres = ParsePositiveNumber(value->second);
        if (!metres) {
            std::fprintf(stderr, "maptool: --top takes a number of metres above 0, not '%s'\n",
                         value->second.c_str());
            return ExitUsage;
        }
        top = *metres;
    }
    const std::string& outputPath = parsed->files[1];
    const auto heights = ReadHeights(parsed->files[0]);
    if (!heights)
        return ExitFailure;
    std::string error;
    const auto tiff = HeightsAsGeoTiff(*heights, top, error);
    if (!tiff) {
        std::fprintf(stderr, "maptool: %s\n", error.c_str());
        return ExitFailure;
    }
    if (!WriteFileAtomically(outputPath, *tiff, &error)) {
        std::fprintf(stderr, "maptool: unable to write %s: %s\n", outputPath.c_str(),
                     error.c_str());
        return ExitFailure;
    }
    std::printf("%s has been written (metres, sea as no-data, EPSG:4326).\n", outputPath.c_str());
    return ExitSuccess;
}
