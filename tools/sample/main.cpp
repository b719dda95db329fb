// mapsample: makes the editor's bundled sample map (see README.md beside this file).

#include "GmtText.h"
#include "SampleBuilder.h"
#include "SampleInput.h"
#include "TerrainSynthesis.h"
#include "core/geodata/RiverRaster.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

const char* const Usage =
    "usage: mapsample synthesize LAND.xyz RIVERS.txt INPUT_FOLDER\n"
    "       mapsample build INPUT_FOLDER TARLIST WORK_FOLDER OUTPUT_FOLDER\n"
    "\n"
    "synthesize: makes the terrain input (elevation.raw, rivers.pgm) from a land mask grid\n"
    "            and river polylines of the map's window, as dumped by the coastline tools.\n"
    "build:      writes the elevation source into WORK_FOLDER, converts it, paints the tiles\n"
    "            with towns on the cities of TARLIST (a TarList.dat), lays the railroads and\n"
    "            saves central-europe.{tm,hm,rrd,seg} in OUTPUT_FOLDER.\n";

constexpr uint32_t TerrainSeed = 1825;

int Fail(const std::string& error) {
    std::fprintf(stderr, "mapsample: %s\n", error.c_str());
    return 1;
}

int Synthesize(const char* landPath, const char* riversPath, const char* inputFolder) {
    std::string error;
    const auto land = ReadLandMaskXyz(landPath, error);
    if (!land)
        return Fail(error);
    const auto rivers = ReadPolylines(riversPath, error);
    if (!rivers)
        return Fail(error);
    const SampleInput input =
        SynthesizeTerrain(*land, RasterizeRivers(*rivers, *land), TerrainSeed);
    if (!WriteSampleInput(input, inputFolder, error))
        return Fail(error);
    return 0;
}

int Build(const char* inputFolder, const char* targetList, const char* workFolder,
          const char* outputFolder) {
    ConsoleShell shell;
    std::string error;
    if (!BuildSample({inputFolder, targetList, workFolder, outputFolder}, shell, error))
        return Fail(error);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 5 && std::strcmp(argv[1], "synthesize") == 0)
        return Synthesize(argv[2], argv[3], argv[4]);
    if (argc == 6 && std::strcmp(argv[1], "build") == 0)
        return Build(argv[2], argv[3], argv[4], argv[5]);
    std::fputs(Usage, argc >= 2 && std::strcmp(argv[1], "--help") == 0 ? stdout : stderr);
    return argc >= 2 && std::strcmp(argv[1], "--help") == 0 ? 0 : 2;
}
