#include "core/files/FileCommandExpectations.h"
#include "core/rails/RailNetwork.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <memory>

namespace {

class RailNetworkTest : public ::testing::Test {
  protected:
    // Fills the first `count` section slots with a chain along row y = 0 and uses them.
    void UseSections(int count) {
        for (int i = 0; i < count; ++i)
            rails->RailSections[static_cast<size_t>(i)] = {i, i + 1, 0, 0, 0, 0};
        rails->RailSectionCount = count;
    }
    void SetSections(std::initializer_list<RailSection> sections) {
        std::copy(sections.begin(), sections.end(), rails->RailSections.begin());
        rails->RailSectionCount = static_cast<int32_t>(sections.size());
    }
    void AddPoints(std::initializer_list<RailPoint> points) {
        for (const RailPoint point : points)
            AddRailPoint(*rails, shell, point.x, point.y);
    }

    RecordingShell shell;
    std::unique_ptr<RailNetwork> rails = std::make_unique<RailNetwork>();
};

TEST_F(RailNetworkTest, AddingAndCommittingStopAtTheTableSize) {
    UseSections(2047);
    AddRailPoint(*rails, shell, 5, 6);
    EXPECT_TRUE(shell.messages.empty());
    ASSERT_EQ(rails->PendingRailPointCount, 1);
    EXPECT_EQ(rails->PendingRailPoints[0], (RailPoint{5, 6}));
    AddRailPoint(*rails, shell, 7, 8);
    ExpectRailLimitMessage(shell);
    shell.Clear();
    EXPECT_EQ(rails->PendingRailPointCount, 1);
    RemoveLastRailPoint(*rails);
    RemoveLastRailPoint(*rails);
    EXPECT_EQ(rails->PendingRailPointCount, 0);

    // A commit that would overflow is refused whole; this is only possible when a railroad
    // definition was loaded over pending points.
    UseSections(0);
    for (int i = 0; i < 10; ++i)
        AddRailPoint(*rails, shell, i, i);
    UseSections(2040);
    CommitRailPoints(*rails, shell);
    ExpectRailLimitMessage(shell);
    shell.Clear();
    EXPECT_EQ(rails->RailSectionCount, 2040);
    EXPECT_EQ(rails->PendingRailPointCount, 10);
    EXPECT_EQ(rails->RailSections[2040], (RailSection{2040, 2041, 0, 0, 0, 0})); // not overwritten

    UseSections(2039); // 9 new sections fill the table exactly
    CommitRailPoints(*rails, shell);
    EXPECT_TRUE(shell.messages.empty());
    EXPECT_EQ(rails->RailSectionCount, RailTableSize);
    EXPECT_EQ(rails->RailSections[2047], (RailSection{8, 9, 8, 9, 0, 0}));
}

TEST_F(RailNetworkTest, CommittingTurnsThePolylineIntoAChainKeepingReservedFields) {
    AddPoints({{9, 9}});
    CommitRailPoints(*rails, shell);
    EXPECT_TRUE(rails->IsEmpty()); // a lone point is dropped

    rails->RailSections[0] = {1, 2, 3, 4, 111, 222};
    rails->RailSections[1] = {5, 6, 7, 8, 333, 444};
    AddPoints({{10, 20}, {30, 40}, {50, 60}});
    CommitRailPoints(*rails, shell);
    EXPECT_TRUE(shell.messages.empty());
    EXPECT_EQ(rails->PendingRailPointCount, 0);
    ASSERT_EQ(rails->RailSectionCount, 2);
    EXPECT_EQ(rails->RailSections[0], (RailSection{10, 30, 20, 40, 111, 222}));
    EXPECT_EQ(rails->RailSections[1], (RailSection{30, 50, 40, 60, 333, 444}));
}

TEST_F(RailNetworkTest, NearestPointPrefersSectionEndsThenLowerIndices) {
    EXPECT_EQ(FindNearestRailPoint(*rails, 0, 0), NoRailPoint);
    rails->PendingRailPoints[0] = {0, 10};
    rails->PendingRailPointCount = 1;
    EXPECT_EQ(FindNearestRailPoint(*rails, 50, 50), -1); // a lone point only without sections
    SetSections({{0, 10, 0, 0, 0, 0}, {100, -10, 0, 0, 0, 0}});
    EXPECT_EQ(FindNearestRailPoint(*rails, 0, 10), 0);
    rails->PendingRailPoints[1] = {0, -10};
    rails->PendingRailPointCount = 2;
    // Both section ends and pending point 0 are 10 away from the origin.
    EXPECT_EQ(FindNearestRailPoint(*rails, 0, 0), 0);
    EXPECT_EQ(FindNearestRailPoint(*rails, -9, 0), 1);
    EXPECT_EQ(FindNearestRailPoint(*rails, 0, 9), -1);
    // Section starts and the last pending point are never candidates.
    EXPECT_EQ(FindNearestRailPoint(*rails, 100, 0), 0);
    EXPECT_EQ(FindNearestRailPoint(*rails, 0, -10), 0);
}

TEST_F(RailNetworkTest, NearestPointDistancesNeverWrap) {
    constexpr int32_t Min = std::numeric_limits<int32_t>::min();
    constexpr int32_t Max = std::numeric_limits<int32_t>::max();
    SetSections({{0, Min, 0, Min, 0, 0}, {0, 0, 0, 0, 0, 0}});
    EXPECT_EQ(FindNearestRailPoint(*rails, Max, Max), 1);
    EXPECT_EQ(FindNearestRailPoint(*rails, Min, Min + 1), 0);
}

TEST_F(RailNetworkTest, MovingAJointMovesBothSectionsAndOtherPointsMoveAlone) {
    AddPoints({{0, 0}, {100, 0}, {200, 100}});
    CommitRailPoints(*rails, shell);
    rails->RailSections[2] = {500, 600, 0, 0, 0, 0}; // not chained to section 1
    rails->RailSectionCount = 3;
    MoveNearestRailPoint(*rails, 110, 5);
    EXPECT_EQ(rails->RailSections[0], (RailSection{0, 110, 0, 5, 0, 0}));
    EXPECT_EQ(rails->RailSections[1], (RailSection{110, 200, 5, 100, 0, 0}));
    // The end of section 1 starts no section; the chain's first start cannot be grabbed.
    MoveNearestRailPoint(*rails, 190, 90);
    EXPECT_EQ(rails->RailSections[1], (RailSection{110, 190, 5, 90, 0, 0}));
    EXPECT_EQ(rails->RailSections[2], (RailSection{500, 600, 0, 0, 0, 0}));
    MoveNearestRailPoint(*rails, 1, 1);
    EXPECT_EQ(rails->RailSections[0], (RailSection{0, 1, 0, 1, 0, 0}));
    EXPECT_EQ(rails->RailSections[1], (RailSection{1, 190, 1, 90, 0, 0}));

    AddPoints({{1000, 1000}, {2000, 2000}});
    MoveNearestRailPoint(*rails, 990, 1000);
    EXPECT_EQ(rails->PendingRailPoints[0], (RailPoint{990, 1000}));
    EXPECT_EQ(rails->PendingRailPoints[1], (RailPoint{2000, 2000}));
}

} // namespace
