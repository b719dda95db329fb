#include "DemSourceWriter.h"
#include "MaptoolRunner.h"
#include "core/tilemap/TileUtilities.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

std::vector<uint8_t> SampleTextureMap() {
    std::vector<uint8_t> cells(MapCellCount);
    const int codes[] = {1, 1, 1, 6, 27, 3, 14, 35, 1, 33, 1, 1, 44};
    for (int i = 0; i < MapCellCount; ++i)
        cells[static_cast<size_t>(i)] = MakeCell(i % 4, codes[(i * 7 + i / 640) % 13]);
    return cells;
}

} // namespace

TEST(Maptool, HelpListsEverySubcommand) {
    TempDir dir;
    const MaptoolResult result = RunMaptool(dir, "--help");
    EXPECT_EQ(result.status, 0);
    for (const char* name :
         {"convert-dem", "randomize", "expand-fields", "field-transitions", "mark-errors"})
        EXPECT_NE(result.out.find(name), std::string::npos) << name;
    const MaptoolResult own = RunMaptool(dir, "mark-errors --help");
    EXPECT_EQ(own.status, 0);
    EXPECT_NE(own.out.find("usage: maptool mark-errors TILES.tm HEIGHTS.hm OUT.hm"),
              std::string::npos);
}

TEST(Maptool, BadCommandLinesExitWithUsage) {
    TempDir dir;
    const MaptoolResult none = RunMaptool(dir, "");
    EXPECT_EQ(none.status, 2);
    EXPECT_NE(none.err.find("usage: maptool"), std::string::npos);
    const MaptoolResult unknown = RunMaptool(dir, "paint");
    EXPECT_EQ(unknown.status, 2);
    EXPECT_NE(unknown.err.find("unknown command 'paint'"), std::string::npos);
    const MaptoolResult missing = RunMaptool(dir, "randomize only.tm");
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("usage: maptool randomize IN.tm OUT.tm [--seed N]"),
              std::string::npos);
    const MaptoolResult seed = RunMaptool(dir, "expand-fields a.tm b.tm --seed x1");
    EXPECT_EQ(seed.status, 2);
    EXPECT_NE(seed.err.find("--seed"), std::string::npos);
    const MaptoolResult option = RunMaptool(dir, "convert-dem --fast a.dem");
    EXPECT_EQ(option.status, 2);
    EXPECT_NE(option.err.find("unknown option '--fast'"), std::string::npos);
}

TEST(Maptool, UnreadableInputOrUnwritableOutputFails) {
    TempDir dir;
    const MaptoolResult missing = RunMaptool(dir, "randomize " + dir.File("none.tm") + " " +
                                                      dir.File("out.tm") + " --seed 1");
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("Unable to open file..."), std::string::npos);
    WriteBytes(dir.File("in.tm"), SampleTextureMap());
    const MaptoolResult unwritable = RunMaptool(dir, "field-transitions " + dir.File("in.tm") +
                                                         " " + dir.File("no/such/folder/out.tm"));
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_EQ(unwritable.out.find("has been saved."), std::string::npos);
    const MaptoolResult dem = RunMaptool(dir, "convert-dem " + dir.File("none.dem"));
    EXPECT_EQ(dem.status, 1);
    EXPECT_FALSE(std::filesystem::exists(dir.File("trv16.hm")));
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
        SCOPED_TRACE(command.name);
        for (const char* out : {"a.tm", "b.tm"}) {
            const MaptoolResult result =
                RunMaptool(dir, std::string(command.name) + " " + dir.File("in.tm") + " " +
                                    dir.File(out) + " --seed 77");
            ASSERT_EQ(result.status, 0) << result.err;
            EXPECT_NE(result.out.find("has been saved."), std::string::npos);
        }
        TileMap expected;
        expected.Replace(input);
        ClassicRandom random;
        random.Seed(77);
        command.utility(expected, random);
        const auto a = ReadBytes(dir.File("a.tm"));
        EXPECT_EQ(a, ReadBytes(dir.File("b.tm")));
        EXPECT_EQ(a, std::vector<uint8_t>(expected.Cells().begin(), expected.Cells().end()));
        EXPECT_NE(a, input);
    }
}

TEST(Maptool, ConvertDemWritesBothOutputsBesideTheSource) {
    TempDir dir;
    ASSERT_TRUE(WriteDemSource(dir.File("grid.dem"), SyntheticTerrainSample));
    const MaptoolResult result = RunMaptool(dir, "convert-dem " + dir.File("grid.dem"));
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find("Process Complete.\n204800 Items Read.\n204800 Items Written.\n"),
              std::string::npos);
    EXPECT_NE(result.out.find("Sea Level is 15."), std::string::npos);
    EXPECT_EQ(std::filesystem::file_size(dir.File("trv16.hm")), 409600u);
    EXPECT_EQ(std::filesystem::file_size(dir.File("trv.hm")), 204800u);
}

TEST(Maptool, MarkErrorsWritesTheMarkedHeightMap) {
    TempDir dir;
    WriteBytes(dir.File("fields.tm"), std::vector<uint8_t>(MapCellCount, MakeCell(2, 47)));
    WriteBytes(dir.File("flat.hm"), std::vector<uint8_t>(2 * MapCellCount, 0));
    const MaptoolResult result =
        RunMaptool(dir, "mark-errors " + dir.File("fields.tm") + " " + dir.File("flat.hm") + " " +
                            dir.File("marked.hm"));
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find("202246 cells marked."), std::string::npos); // 317 x 638
    const auto marked = ReadBytes(dir.File("marked.hm"));
    ASSERT_EQ(marked.size(), 409600u);
    const size_t interior = 2 * CellIndex(2, 1);
    EXPECT_EQ(marked[interior], 0xFF);
    EXPECT_EQ(marked[interior + 1], 0xFF);
    EXPECT_EQ(marked[0], 0);
}
