// Map files are told apart by extension alone, whatever its case.

#include "core/io/MapFileKind.h"

#include <gtest/gtest.h>

TEST(MapFileKind, FollowsTheExtensionIgnoringCase) {
    EXPECT_EQ(MapFileKindOf("maps/europe.tm"), MapFileKind::TextureMap);
    EXPECT_EQ(MapFileKindOf("EUROPE.TM"), MapFileKind::TextureMap);
    EXPECT_EQ(MapFileKindOf("trv16.hm"), MapFileKind::HeightMap);
    EXPECT_EQ(MapFileKindOf("heights.Raw"), MapFileKind::HeightMap);
    EXPECT_EQ(MapFileKindOf("lines.rrd"), MapFileKind::RailroadDefinition);
    EXPECT_EQ(MapFileKindOf("lines.SEG"), MapFileKind::RailSegment);
    EXPECT_EQ(MapFileKindOf("TarList.dat"), MapFileKind::TargetList);
}

TEST(MapFileKind, IsUnknownForOtherNames) {
    EXPECT_EQ(MapFileKindOf("notes.txt"), MapFileKind::Unknown);
    EXPECT_EQ(MapFileKindOf("tm"), MapFileKind::Unknown);
    EXPECT_EQ(MapFileKindOf(".tm.bak"), MapFileKind::Unknown);
    EXPECT_EQ(MapFileKindOf("folder.tm/file"), MapFileKind::Unknown);
    EXPECT_EQ(MapFileKindOf(""), MapFileKind::Unknown);
}
