// Elevation import over small files whose bytes the fuzzer controls. GDAL's readers are not
// ours to fuzz; what is ours is how the import checks what they return (bands, types,
// georeferencing, placement on the map) and turns the warped grid into heights.
//
// Input: byte 0 picks the file name (and so the reader GDAL tries first): a GeoTIFF, an
// ESRI ASCII grid, an SRTM tile name or a GDAL virtual raster; byte 1 picks the resampling;
// the rest is the file.
#include "FuzzInput.h"
#include "core/elevation/ElevationImport.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2)
        return 0;
    const char* const names[] = {"input.tif", "input.asc", "N50E009.hgt", "input.vrt"};
    const std::string path = WriteFuzzFile(names[data[0] % 4], data + 2, size - 2);
    ElevationImportOptions options;
    options.resampling = static_cast<Resampling>(data[1] % 4);
    const ElevationImportResult result = ImportElevation({path}, options);
    if (result.cancelled)
        std::abort(); // nobody cancelled
    if (!result.elevation) {
        if (result.error.empty())
            std::abort(); // a refusal always says why
        return 0;
    }
    // A map's worth of heights, every cell counted once.
    const TranslatedElevation& elevation = *result.elevation;
    if (elevation.heights.size() != static_cast<size_t>(MapCellCount) ||
        elevation.rawImage.size() != elevation.heights.size() ||
        elevation.counters.itemsRead != MapCellCount ||
        elevation.counters.itemsWritten != MapCellCount)
        std::abort();
    return 0;
}
