#include "core/io/FileIO.h"
#include "core/map/MapGeometry.h"
#include "support/TempDir.h"

#include <cstring>
#include <gtest/gtest.h>
#include <set>
#include <string>

TEST(BundledTargetList, HoldsNamedPlacesAtTheirPositionsInsideTheMap) {
    const std::vector<uint8_t> file = ReadBytes(std::string(TEST_DATA_DIR) + "/TarList.dat");
    ASSERT_GE(file.size(), 4u);
    const int32_t count = ReadInt32LE(file.data());
    ASSERT_GE(count, 15);
    ASSERT_EQ(file.size(), 4u + 48u * static_cast<size_t>(count));
    std::set<std::string> names;
    for (int32_t i = 0; i < count; ++i) {
        const uint8_t* record = file.data() + 4 + 48 * i;
        const char* name = reinterpret_cast<const char*>(record + 16);
        const size_t length = strnlen(name, 32);
        ASSERT_LT(length, 32u) << "names end with a NUL inside their field";
        ASSERT_GT(length, 0u);
        names.insert(std::string(name, length));
        // Back from world units to the cell under the label.
        const double column = ReadInt32LE(record) / double(WorldUnitsPerCell) + WorldOriginColumn;
        const double row = ReadInt32LE(record + 4) / double(WorldUnitsPerCell) + WorldOriginRow;
        EXPECT_TRUE(IsInsideMap(static_cast<int>(row), static_cast<int>(column))) << name;
        if (std::string(name) == "London") { // 51.51 N, 0.13 W
            EXPECT_NEAR(column, (5 - 0.13) * 32, 0.1);
            EXPECT_NEAR(row, (55 - 51.51) * 32, 0.1);
        }
    }
    EXPECT_EQ(names.size(), static_cast<size_t>(count));
    EXPECT_TRUE(names.count("Paris") && names.count("Berlin") && names.count("London"));
}
