#include "MaptoolRunner.h"
#include "core/io/FileIO.h"
#include "core/map/MapGeometry.h"

#include <gtest/gtest.h>

#include <algorithm>

TEST(InfoCommand, SummarisesEveryKindOfMapFile) {
    TempDir dir;
    std::vector<uint8_t> tiles(MapCellCount, 0);
    std::fill_n(tiles.begin(), 100, 0x40 | 43); // code 43 turned once
    WriteBytes(dir.File("a.tm"), tiles);
    std::vector<uint8_t> heights(MapCellCount * 2, 0);
    heights[10] = 0x10; // cell 5: height 16
    heights[21] = 0xFF; // cell 10: height 0xFF00
    WriteBytes(dir.File("b.hm"), heights);
    std::vector<uint8_t> rails;
    for (int32_t v :
         {1, 0, WorldUnitsPerCell * 10, 0, WorldUnitsPerCell * 5, 7, 8}) // count x1 x2 y1 y2
        AppendInt32LE(rails, v);
    WriteBytes(dir.File("c.rrd"), rails);
    // A name that would ring, return the cursor and start an escape sequence.
    std::vector<uint8_t> targets(4 + 48, 0);
    targets[0] = 1;
    const std::string name = "A\x1b[2J\r\a\\\xe9";
    std::copy(name.begin(), name.end(), targets.begin() + 4 + 16);
    WriteBytes(dir.File("d.dat"), targets);

    const MaptoolResult info = RunMaptool(dir, "info a.tm b.hm c.rrd d.dat");
    ASSERT_EQ(info.status, 0) << info.err;
    for (const char* line :
         {"size: 204800 bytes (204800 expected, matches",
          "rotations: 0: 204700, 1: 100, 2: 0, 3: 0", "43 Rivrnd.bmp        100",
          "water cells (height 0): 204798", "land heights: 16-65280", "sections: 1 of 2048",
          // World x 0 is column 160; world y 0 is row 1760, far below the map.
          "columns 160-170, rows 1760-1765 (partly outside the map)",
          "A\\x1B[2J\\x0D\\x07\\\\\\xE9 "})
        EXPECT_TRUE(Contains(info.out, line)) << line;
    EXPECT_FALSE(Contains(info.out, "\x1b"));
}

TEST(InfoCommand, BadFilesAreReportedAndFailTheRun) {
    TempDir dir;
    WriteBytes(dir.File("bad.rrd"), {0xFD, 0xFF, 0xFF, 0xFF}); // a count of -3
    WriteBytes(dir.File("odd.xyz"), {1, 2, 3});
    WriteBytes(dir.File("short.tm"), std::vector<uint8_t>(1000, 0));
    WriteBytes(dir.File("list.dat"), {});
    const MaptoolResult info = RunMaptool(dir, "info bad.rrd odd.xyz no.tm short.tm list.dat");
    EXPECT_EQ(info.status, 1);
    for (const char* text : {"Failed to read bad.rrd!", "odd.xyz: unknown kind of file",
                             "Unable to open file... no.tm",
                             "The file is 1000 bytes; a texture map file is 204800 bytes.",
                             "Failed to read list.dat!"})
        EXPECT_TRUE(Contains(info.err, text)) << text;
}
