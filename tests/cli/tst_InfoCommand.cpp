#include "MaptoolRunner.h"
#include "core/tilemap/MapGeometry.h"

#include <gtest/gtest.h>

namespace {

void AppendInt32(std::vector<uint8_t>& out, int32_t value) {
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<uint8_t>(static_cast<uint32_t>(value) >> shift));
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

} // namespace

TEST(InfoCommand, SummarisesEveryKindOfMapFile) {
    TempDir dir;
    std::vector<uint8_t> tiles(100, 0x40 | 43); // a short map: code 43 turned once, then zeros
    WriteBytes(dir.File("a.tm"), tiles);
    std::vector<uint8_t> heights(MapCellCount * 2, 0);
    heights[10] = 0x10; // cell 5: height 16
    heights[21] = 0xFF; // cell 10: height 0xFF00
    WriteBytes(dir.File("b.hm"), heights);
    std::vector<uint8_t> rails;
    AppendInt32(rails, 1);
    for (int32_t v : {0, WorldUnitsPerCell * 10, 0, WorldUnitsPerCell * 5, 7, 8}) // x1 x2 y1 y2
        AppendInt32(rails, v);
    WriteBytes(dir.File("c.rrd"), rails);

    const MaptoolResult info = RunMaptool(dir, "info " + dir.File("a.tm") + " " + dir.File("b.hm") +
                                                   " " + dir.File("c.rrd"));
    ASSERT_EQ(info.status, 0) << info.err;
    EXPECT_TRUE(Contains(info.out, "size: 100 bytes (204800 expected, SHORT"));
    EXPECT_TRUE(Contains(info.out, "rotations: 0: 204700, 1: 100, 2: 0, 3: 0"));
    EXPECT_TRUE(Contains(info.out, "43 Rivrnd.bmp        100"));
    EXPECT_TRUE(Contains(info.out, "water cells (height 0): 204798"));
    EXPECT_TRUE(Contains(info.out, "land heights: 16-65280"));
    EXPECT_TRUE(Contains(info.out, "sections: 1 of 2048"));
    // World x 0 is column 160; world y 0 is row 1760, far below the map.
    EXPECT_TRUE(Contains(info.out, "columns 160-170, rows 1760-1765 (partly outside the map)"));
}

TEST(InfoCommand, BadFilesAreReportedAndFailTheRun) {
    TempDir dir;
    std::vector<uint8_t> rails;
    AppendInt32(rails, -3);
    WriteBytes(dir.File("bad.rrd"), rails);
    WriteBytes(dir.File("odd.xyz"), {1, 2, 3});
    const MaptoolResult info = RunMaptool(dir, "info " + dir.File("bad.rrd") + " " +
                                                   dir.File("odd.xyz") + " " + dir.File("no.tm"));
    EXPECT_EQ(info.status, 1);
    EXPECT_TRUE(Contains(info.err, "Failed to read " + dir.File("bad.rrd") + "!"));
    EXPECT_TRUE(Contains(info.err, "unknown kind of file"));
    EXPECT_TRUE(Contains(info.err, dir.File("no.tm")));
    EXPECT_EQ(RunMaptool(dir, "info").status, 2);
}
