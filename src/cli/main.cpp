// maptool: batch access to the map editor's operations, sharing the editor's core code.

#include "cli/CliCommand.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

// Every subcommand; add new ones here.
const CliCommand Commands[] = {
    {"info", "FILE...",
     "Summarises texture maps (.tm), height maps (.hm, .raw), railroad definitions (.rrd),\n"
     "rail segments (.seg) and target lists (.dat): size check, counts, tile codes in use,\n"
     "height range, the cells that rails cover.",
     RunInfo},
    {"convert-dem", "SOURCE.dem",
     "Converts an elevation grid into trv16.hm (height map) and trv.hm (8-bit raw image)\n"
     "beside it and prints the summary.",
     RunConvertDem},
    {"import-elevation",
     "SRC... [--resample average|bilinear|cubic|nearest] [--top METRES]\n"
     "       [--out-hm FILE] [--out-raw FILE]",
     "Imports elevation rasters that GDAL reads (GeoTIFF, SRTM .hgt, ESRI ASCII grids, ...;\n"
     "several sources are mosaicked), warped onto the map's grid (EPSG:4326, 5 W-15 E,\n"
     "45 N-55 N, 640 x 320) with the given resampling (average by default). The height rule\n"
     "is Convert DEM File's: no-data and sea become 0, land below sea level the lowest land\n"
     "height, METRES (4110 by default) and above the highest. Writes the height map\n"
     "(trv16.hm beside the first source unless --out-hm) and the 8-bit image (trv.hm unless\n"
     "--out-raw) and prints the summary.",
     RunImportElevation},
    {"export-heights", "HEIGHTS.hm OUT.tif [--top METRES]",
     "Writes the height map as a GeoTIFF in metres (the height rule inverted for METRES,\n"
     "4110 by default), sea as no-data, georeferenced in EPSG:4326 on the map's grid.",
     RunExportHeights},
    {"generate",
     "NAME --land FILE [--water FILE] [--cover FILE [--cover-classes LIST]]\n"
     "       [--cities FILE] [--city-count N] [--elevation FILE] [--seed N]",
     "Makes a new map from geographic data that GDAL reads, in any coordinate system, and\n"
     "writes NAME.tm, NAME.hm and (with --cities) TarList.dat beside them. --land: land\n"
     "polygons or a raster non-zero on land (required); --water: river lines and lake\n"
     "polygons; --cover: polygons with a \"class\" field (forest, town, field, mountain) or a\n"
     "raster whose values LIST names (\"1=forest,2=town,3=field,4=mountain\"); --cities:\n"
     "points with a \"name\" and, where present, a \"population\", of which the N largest\n"
     "inside the map (30 by default) become towns and targets; --elevation: any elevation\n"
     "raster, imported as import-elevation does (without it the land rises gently inland).\n"
     "The coast tiles join their neighbours; the report gives the neighbour pairs whose\n"
     "coast edges disagree and the share of cells whose land or water matches the land.\n"
     "The same data and --seed (1 by default) give the same files.",
     RunGenerate},
    {"randomize", "IN.tm OUT.tm [--seed N]",
     "Varies plain tiles and turns them at random. Without --seed the random generator is\n"
     "seeded with the time, as the editor's Randomize Tiles does; --seed N starts it at N.",
     RunRandomize},
    {"expand-fields", "IN.tm OUT.tm [--seed N]",
     "Grows plain fields by at most one cell into neighbouring grass, at random. Without\n"
     "--seed the random generator starts as in a freshly started editor, whose Expand Fields\n"
     "seeds nothing (so the result is always the same); --seed N starts it at N.",
     RunExpandFields},
    {"field-transitions", "IN.tm OUT.tm [--seed N]",
     "Places fields and towns along the shore and transition tiles around solid ground, at\n"
     "random. Without --seed the random generator is seeded with the time, as the editor's\n"
     "Field Transitions does; --seed N starts it at N.",
     RunFieldTransitions},
    {"mark-errors", "TILES.tm HEIGHTS.hm OUT.hm",
     "Marks cells whose forest, town or shore edges are not continued (65535 for forests\n"
     "and unfinished fields, 65500 for towns and shores) and writes the height map.",
     RunMarkErrors},
    {"render",
     "MAP OUT.png [--height-view] [--origin COLUMN,ROW | --region COLUMN,ROW,COLUMNS,ROWS |\n"
     "       --whole] [--zoom PERCENT] [--overlays LIST] [--heights FILE.hm] [--rails FILE.rrd]\n"
     "       [--segment FILE.seg] [--world-file] [--smallest] [--allow-missing-tiles]",
     "Paints the texture view of MAP (a .tm file), or with --height-view the height view of\n"
     "MAP (a .hm file), to a PNG, exactly as the editor shows it. PERCENT is 25, 50 (the\n"
     "default), 100, 150, 200 or 400. LIST is any of grid, latlong, rails, targets and frame\n"
     "(the 3D block, needs --heights), comma-separated, or none; rails,targets by default.\n"
     "--region paints those cells and --whole the whole map instead of the view's block.\n"
     "--world-file writes OUT.pgw beside the picture, placing it in latitude and longitude.\n"
     "The PNG is compressed fast; --smallest takes longer for the smallest file. A tile\n"
     "picture that cannot be read fails the render unless --allow-missing-tiles is given.",
     RunRender},
};

bool IsHelp(const char* argument) {
    return std::strcmp(argument, "--help") == 0 || std::strcmp(argument, "-h") == 0;
}

void PrintUsage(std::FILE* stream) {
    std::fputs("usage: maptool COMMAND [ARGS...]\n"
               "       maptool COMMAND --help\n"
               "\n"
               "Batch access to the map editor's operations. Commands:\n",
               stream);
    for (const CliCommand& command : Commands)
        std::fprintf(stream, "  %s %s\n", command.name, command.arguments);
    std::fputs(
        "\ngenerate, randomize, expand-fields and field-transitions draw random numbers; the\n"
        "other commands do not. --seed N makes their result repeatable (see COMMAND --help).\n"
        "\nExit status: 0 success, 1 the operation failed, 2 bad command line.\n",
        stream);
}

const CliCommand* FindCommand(const char* name) {
    for (const CliCommand& command : Commands)
        if (std::strcmp(command.name, name) == 0)
            return &command;
    return nullptr;
}

} // namespace

void PrintCommandUsage(const CliCommand& command, std::FILE* stream) {
    std::fprintf(stream, "usage: maptool %s %s\n\n%s\n", command.name, command.arguments,
                 command.summary);
}

int main(int argc, char** argv) {
    if (argc >= 2 && IsHelp(argv[1])) {
        PrintUsage(stdout);
        return ExitSuccess;
    }
    if (argc < 2) {
        PrintUsage(stderr);
        return ExitUsage;
    }
    const CliCommand* command = FindCommand(argv[1]);
    if (!command) {
        std::fprintf(stderr, "maptool: unknown command '%s'\n\n", argv[1]);
        PrintUsage(stderr);
        return ExitUsage;
    }
    std::vector<std::string> arguments;
    for (int i = 2; i < argc; ++i) {
        if (IsHelp(argv[i])) {
            PrintCommandUsage(*command, stdout);
            return ExitSuccess;
        }
        arguments.emplace_back(argv[i]);
    }
    const int status = command->run(arguments);
    if (status == ExitUsage) {
        std::fputc('\n', stderr);
        PrintCommandUsage(*command, stderr);
    }
    return status;
}
