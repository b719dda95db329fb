// DEM conversion of the whole window from a generated full-size source (sparse before the
// window), with the bulk row reader against the plain seek-and-read-per-sample loop.

#include "DemSourceWriter.h"
#include "PerSampleDemReader.h"
#include "RatioReporter.h"
#include "core/height/DemWindowReader.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

// The generated source, written once per process and removed at exit.
class GeneratedSource {
  public:
    GeneratedSource()
        : path_((std::filesystem::temp_directory_path() /
                 ("bench_dem_" + std::to_string(getpid()) + ".dem"))
                    .string()) {
        ok_ = WriteDemSource(path_, SyntheticTerrainSample);
    }
    ~GeneratedSource() { std::filesystem::remove(path_); }
    const std::string& Path() const { return path_; }
    bool Ok() const { return ok_; }

  private:
    std::string path_;
    bool ok_ = false;
};

const GeneratedSource& Source() {
    static const GeneratedSource source;
    return source;
}

template <void (*Reader)(std::FILE*, DemWindowConversion&)>
void ConvertWindow(benchmark::State& state) {
    if (!Source().Ok()) {
        state.SkipWithError("cannot write the generated source");
        return;
    }
    for (auto _ : state) {
        DemWindowConversion conversion;
        std::FILE* file = std::fopen(Source().Path().c_str(), "rb");
        Reader(file, conversion);
        std::fclose(file);
        benchmark::DoNotOptimize(conversion.Counters().itemsRead);
    }
}

void BM_DemPerSampleRead(benchmark::State& state) {
    ConvertWindow<ReadDemWindowPerSample>(state);
}
void BM_DemBulkRead(benchmark::State& state) {
    ConvertWindow<ReadDemWindow>(state);
}

} // namespace

BENCHMARK(BM_DemPerSampleRead)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DemBulkRead)->Unit(benchmark::kMillisecond);

RATIO_BENCHMARK_MAIN({"BM_DemBulkRead", "BM_DemPerSampleRead"})
