#include "DemSourceWriter.h"
#include "MaptoolRunner.h"
#include "core/tilemap/TileUtilities.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

namespace {

std::vector<uint8_t> SampleTextureMap() {
    std::vector<uint8_t> cells(MapCellCount);
    const int codes[] = {1, 1, 1, 6, 27, 3, 14, 35, 1, 33, 1, 1, 44};
    for (int i = 0; i < MapCellCount; ++i)
        cells[static_cast<size_t>(i)] = MakeCell(i % 4, codes[(i * 7 + i / 640) % 13]);
    return cells;
}

} // namespace

TEST(Maptool, AnswersHelpUsageAndFailuresWithTheirExitStatus) {
    TempDir dir;
    WriteBytes(dir.File("in.tm"), SampleTextureMap());
    WriteBytes(dir.File("short.tm"), std::vector<uint8_t>(1000, 1));
    WriteBytes(dir.File("short.dem"), std::vector<uint8_t>(3 * 9600 + 10, 1));
    for (const char* fifo : {"fifo.tm", "out.fifo"})
        ASSERT_EQ(mkfifo(dir.File(fifo).c_str(), 0600), 0);
    const struct {
        const char* arguments;
        int status;
        const char* text;
    } cases[] = {
        {"--help", 0, "usage: maptool"},
        {"mark-errors --help", 0, "usage: maptool mark-errors TILES.tm HEIGHTS.hm OUT.hm"},
        {"", 2, "usage: maptool"},
        {"paint", 2, "unknown command 'paint'"},
        {"info", 2, "maptool info: name at least one file"},
        {"randomize only.tm", 2, "usage: maptool randomize IN.tm OUT.tm [--seed N]"},
        {"expand-fields a.tm b.tm --seed x1", 2, "--seed takes a whole number"},
        {"convert-dem --fast a.dem", 2, "unknown option '--fast'"},
        {"render a.tm out.png --zoom 30", 2, "--zoom takes 25, 50, 100, 150, 200 or 400, not 30"},
        {"render a.tm out.png --overlays grid,clouds", 2, "unknown overlay 'clouds'"},
        {"render a.tm out.png --origin 5", 2, "--origin takes COLUMN,ROW, not '5'"},
        {"render a.tm", 2, "expected a map file and an output file"},
        {"import-elevation --help", 0, "usage: maptool import-elevation SRC... [--resample"},
        {"import-elevation a.tif --resample spline", 2, "--resample takes average, bilinear"},
        {"import-elevation a.tif --top -3", 2, "--top takes a number of metres above 0"},
        {"import-elevation --out-hm x.hm", 2, "expected at least one elevation source"},
        {"export-heights in.hm", 2, "expected a height map and an output file"},
        {"randomize none.tm out.tm --seed 1", 1, "Unable to open file... none.tm"},
        {"field-transitions in.tm no/such/out.tm", 1, "Unable to open file... no/such/out.tm"},
        {"mark-errors in.tm none.hm out.hm", 1, "Unable to open file... none.hm"},
        {"convert-dem none.dem", 1, "Unable to open file... none.dem"},
        {"render none.tm out.png", 1, "Unable to open file... none.tm"},
        // Nothing is written without a name, nothing read of the wrong size or kind.
        {"randomize in.tm ''", 2, "a file name is empty"},
        {"render in.tm ''", 2, "a file name is empty"},
        {"info in.tm ''", 2, "a file name is empty"},
        {"randomize short.tm out.tm", 1, "The file is 1000 bytes; a texture map file is 204800"},
        {"randomize fifo.tm out.tm", 1, "is not a regular file"},
        {"randomize in.tm out.fifo", 1, "Unable to open file... out.fifo"},
        {"convert-dem short.dem", 1, "holds 3 rows of 4800 samples; the conversion reads 5397"},
    };
    for (const auto& c : cases) {
        const MaptoolResult result = RunMaptool(dir, c.arguments);
        EXPECT_EQ(result.status, c.status) << c.arguments;
        EXPECT_TRUE(Contains(result.out + result.err, c.text)) << c.arguments;
        EXPECT_FALSE(Contains(result.out, "has been saved.")) << c.arguments;
    }
    for (const char* output : {"out.tm", "out.hm", "trv16.hm", "out.png"})
        EXPECT_FALSE(std::filesystem::exists(dir.File(output))) << output;
    EXPECT_TRUE(std::filesystem::is_fifo(dir.File("out.fifo")));
}

TEST(Maptool, SeededTileUtilitiesMatchTheEditorsOperations) {
    TempDir dir;
    const auto input = SampleTextureMap();
    WriteBytes(dir.File("in.tm"), input);
    const struct {
        const char* name;
        void (*utility)(TileMap&, ClassicRandom&);
    } commands[] = {{"randomize", RandomizeTiles},
                    {"expand-fields", ExpandFields},
                    {"field-transitions", FieldTransitions}};
    for (const auto& command : commands) {
        const MaptoolResult result =
            RunMaptool(dir, std::string(command.name) + " in.tm out.tm --seed 77");
        ASSERT_EQ(result.status, 0) << result.err;
        EXPECT_TRUE(Contains(result.out, "out.tm has been saved.")) << command.name;
        TileMap expected;
        expected.Replace(input);
        ClassicRandom random;
        random.Seed(77);
        command.utility(expected, random);
        const auto output = ReadBytes(dir.File("out.tm"));
        EXPECT_EQ(output, std::vector<uint8_t>(expected.Cells().begin(), expected.Cells().end()))
            << command.name;
        EXPECT_NE(output, input) << command.name;
    }
    // Without a seed, Expand Fields draws what a freshly started editor's menu command draws.
    ASSERT_EQ(RunMaptool(dir, "expand-fields in.tm out.tm").status, 0);
    TileMap expected;
    expected.Replace(input);
    ClassicRandom fresh;
    ExpandFields(expected, fresh);
    EXPECT_EQ(ReadBytes(dir.File("out.tm")),
              std::vector<uint8_t>(expected.Cells().begin(), expected.Cells().end()));
}

TEST(Maptool, ConvertDemWritesBothOutputsBesideTheSource) {
    TempDir dir;
    ASSERT_TRUE(WriteDemSource(dir.File("grid.dem"), SyntheticTerrainSample));
    const MaptoolResult result = RunMaptool(dir, "convert-dem grid.dem");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_TRUE(
        Contains(result.out, "Process Complete.\n204800 Items Read.\n204800 Items Written.\n"));
    EXPECT_TRUE(Contains(result.out, "Sea Level is 15."));
    EXPECT_EQ(std::filesystem::file_size(dir.File("trv16.hm")), 409600u);
    EXPECT_EQ(std::filesystem::file_size(dir.File("trv.hm")), 204800u);
}

TEST(Maptool, MarkErrorsWritesTheMarkedHeightMap) {
    TempDir dir;
    WriteBytes(dir.File("fields.tm"), std::vector<uint8_t>(MapCellCount, MakeCell(2, 47)));
    WriteBytes(dir.File("flat.hm"), std::vector<uint8_t>(2 * MapCellCount, 0));
    const MaptoolResult result = RunMaptool(dir, "mark-errors fields.tm flat.hm marked.hm");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_TRUE(Contains(result.out, "202246 cells marked.")); // 317 x 638
    const auto marked = ReadBytes(dir.File("marked.hm"));
    ASSERT_EQ(marked.size(), 409600u);
    const size_t interior = 2 * CellIndex(2, 1);
    EXPECT_EQ(marked[interior], 0xFF);
    EXPECT_EQ(marked[interior + 1], 0xFF);
    EXPECT_EQ(marked[0], 0);
}

// A copy of the program outside its build folder stands for an installed one: it must not
// read the tile pictures of the source tree it was built from.
TEST(Maptool, AnInstalledCopyDoesNotFallBackToTheSourceTreesData) {
    if (std::filesystem::exists(MAPEDITOR_DATA_DIR))
        GTEST_SKIP() << "an installed data folder would serve the copy";
    TempDir dir;
    WriteBytes(dir.File("in.tm"), SampleTextureMap());
    std::filesystem::copy_file(MAPTOOL_PATH, dir.File("maptool"));
    std::filesystem::permissions(dir.File("maptool"), std::filesystem::perms::owner_exec,
                                 std::filesystem::perm_options::add);
    const std::string command = "cd '" + dir.path().string() +
                                "' && ./maptool render in.tm out.png 2>stderr.txt >/dev/null";
    ASSERT_NE(std::system(command.c_str()), -1);
    const auto err = ReadBytes(dir.File("stderr.txt"));
    EXPECT_TRUE(
        Contains(std::string(err.begin(), err.end()), "Failed to read tiles/QZField8.bmp!"));
}
