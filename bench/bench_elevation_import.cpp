// Importing one SRTM-size tile (3,600 x 3,600 samples, 1 arc-second, 9-10 E 50-51 N) onto the
// map's grid, against the field's own command doing the same: `gdalwarp` into a GeoTIFF,
// read back and put through the height rule. The commands run as child processes, so every
// side is timed as CPU seconds of this process and its children (user + system). The import
// is timed both in this process (the editor's case: GDAL already loaded) and as the whole
// `maptool import-elevation` command (process start-up included, as for gdalwarp).

#include "RatioReporter.h"
#include "core/elevation/ElevationImport.h"
#include "support/SyntheticRaster.h"

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

namespace {

double CpuSeconds() {
    double seconds = 0;
    for (const int who : {RUSAGE_SELF, RUSAGE_CHILDREN}) {
        rusage usage{};
        getrusage(who, &usage);
        seconds += static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                   static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    }
    return seconds;
}

// The tile and the command's output, in a folder of this process removed at exit.
class Tile {
  public:
    Tile()
        : folder_(std::filesystem::temp_directory_path() /
                  ("bench_elevation_" + std::to_string(getpid()))) {
        std::filesystem::create_directories(folder_);
        auto raster = LatLongRaster(9, 51, 3600, 3600, 3600, [](int column, int row) {
            if (column + row < 400)
                return -32768.0; // a corner of sea
            return std::floor(900.0 + 600.0 * std::sin(column / 150.0) * std::cos(row / 220.0));
        });
        raster.noData = -32768;
        ok_ = WriteSyntheticRaster(Source(), raster);
    }
    ~Tile() { std::filesystem::remove_all(folder_); }
    std::string Source() const { return (folder_ / "N50E009.tif").string(); }
    std::string Output() const { return (folder_ / "warped.tif").string(); }
    bool Ok() const { return ok_; }

  private:
    std::filesystem::path folder_;
    bool ok_ = false;
};

const Tile& TheTile() {
    static const Tile tile;
    return tile;
}

void BM_GdalwarpCommandAndRule(benchmark::State& state) {
    const Tile& tile = TheTile();
    const std::string command =
        "gdalwarp -q -overwrite -t_srs EPSG:4326 -te -5 45 15 55 -ts 640 320 -r average '" +
        tile.Source() + "' '" + tile.Output() + "'";
    for (auto _ : state) {
        const double start = CpuSeconds();
        if (!tile.Ok() || std::system(command.c_str()) != 0) {
            state.SkipWithError("gdalwarp failed");
            return;
        }
        GDALDatasetH warped = GDALOpen(tile.Output().c_str(), GA_ReadOnly);
        GDALRasterBandH band = GDALGetRasterBand(warped, 1);
        std::vector<double> metres(MapCellCount);
        int hasNoData = 0;
        const double noData = GDALGetRasterNoDataValue(band, &hasNoData);
        const CPLErr read = GDALRasterIO(band, GF_Read, 0, 0, MapWidth, MapHeight, metres.data(),
                                         MapWidth, MapHeight, GDT_Float64, 0, 0);
        GDALClose(warped);
        const auto result = TranslateElevations(
            metres, hasNoData ? std::optional(noData) : std::nullopt, DemFullScale);
        benchmark::DoNotOptimize(result.counters.itemsRead);
        if (read != CE_None) {
            state.SkipWithError("the warped file cannot be read");
            return;
        }
        state.SetIterationTime(CpuSeconds() - start);
    }
}

// The whole maptool command as a user runs it, for a comparison of process with process.
void BM_MaptoolImportCommand(benchmark::State& state) {
    const Tile& tile = TheTile();
    const std::string command = std::string(MAPTOOL_PATH) + " import-elevation '" + tile.Source() +
                                "' --out-hm '" + tile.Output() + ".hm' --out-raw '" +
                                tile.Output() + ".raw' >/dev/null";
    for (auto _ : state) {
        const double start = CpuSeconds();
        if (!tile.Ok() || std::system(command.c_str()) != 0) {
            state.SkipWithError("maptool import-elevation failed");
            return;
        }
        state.SetIterationTime(CpuSeconds() - start);
    }
}

void BM_ImportElevation(benchmark::State& state) {
    const Tile& tile = TheTile();
    for (auto _ : state) {
        const double start = CpuSeconds();
        const auto result = ImportElevation({tile.Source()}, {});
        if (!result.elevation) {
            state.SkipWithError(result.error.c_str());
            return;
        }
        benchmark::DoNotOptimize(result.elevation->counters.itemsRead);
        state.SetIterationTime(CpuSeconds() - start);
    }
}

} // namespace

BENCHMARK(BM_GdalwarpCommandAndRule)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MaptoolImportCommand)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportElevation)->UseManualTime()->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter({{"BM_ImportElevation", "BM_GdalwarpCommandAndRule"},
                            {"BM_MaptoolImportCommand", "BM_GdalwarpCommandAndRule"}},
                           true);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
