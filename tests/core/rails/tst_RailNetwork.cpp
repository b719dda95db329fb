#include "core/rails/RailNetwork.h"
#include "support/RecordingShell.h"

#include <gtest/gtest.h>

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
    void ExpectLimitMessageOnly() {
        ASSERT_EQ(shell.messages.size(), 1u);
        EXPECT_EQ(shell.messages[0].text, "Maximum Number of Rail Sections Exceeded");
        EXPECT_EQ(shell.messages[0].caption, "Error");
        EXPECT_EQ(shell.messages[0].icon, MessageIcon::None);
        EXPECT_EQ(shell.messages[0].owner, WindowId::None);
    }

    RecordingShell shell;
    std::unique_ptr<RailNetwork> rails = std::make_unique<RailNetwork>();
};

TEST_F(RailNetworkTest, PointsAreAddedUntilSectionsAndPointsFillTheTable) {
    UseSections(2047);
    AddRailPoint(*rails, shell, 5, 6);
    EXPECT_TRUE(shell.messages.empty());
    ASSERT_EQ(rails->PendingRailPointCount, 1);
    EXPECT_EQ(rails->PendingRailPoints[0], (RailPoint{5, 6}));

    AddRailPoint(*rails, shell, 7, 8);
    ExpectLimitMessageOnly();
    EXPECT_EQ(rails->PendingRailPointCount, 1);
    EXPECT_EQ(rails->RailSectionCount, 2047);
}

TEST_F(RailNetworkTest, RemovingDropsTheLastPendingPoint) {
    AddRailPoint(*rails, shell, 1, 1);
    AddRailPoint(*rails, shell, 2, 2);
    RemoveLastRailPoint(*rails);
    EXPECT_EQ(rails->PendingRailPointCount, 1);
    RemoveLastRailPoint(*rails);
    RemoveLastRailPoint(*rails);
    EXPECT_EQ(rails->PendingRailPointCount, 0);
}

TEST_F(RailNetworkTest, CommittingTurnsThePolylineIntoAChain) {
    CommitRailPoints(*rails, shell);
    EXPECT_TRUE(rails->IsEmpty());

    AddRailPoint(*rails, shell, 9, 9);
    CommitRailPoints(*rails, shell);
    EXPECT_TRUE(rails->IsEmpty()); // a lone point is dropped

    AddRailPoint(*rails, shell, 10, 20); // P
    AddRailPoint(*rails, shell, 30, 40); // Q
    AddRailPoint(*rails, shell, 50, 60); // R
    CommitRailPoints(*rails, shell);
    EXPECT_EQ(rails->PendingRailPointCount, 0);
    ASSERT_EQ(rails->RailSectionCount, 2);
    EXPECT_EQ(rails->RailSections[0], (RailSection{10, 30, 20, 40, 0, 0}));
    EXPECT_EQ(rails->RailSections[1], (RailSection{30, 50, 40, 60, 0, 0}));
    EXPECT_TRUE(shell.messages.empty());
}

TEST_F(RailNetworkTest, CommittingIntoUsedSlotsKeepsTheirReservedFields) {
    rails->RailSections[0] = {1, 2, 3, 4, 111, 222};
    rails->RailSections[1] = {5, 6, 7, 8, 333, 444};
    AddRailPoint(*rails, shell, 10, 20);
    AddRailPoint(*rails, shell, 30, 40);
    AddRailPoint(*rails, shell, 50, 60);
    CommitRailPoints(*rails, shell);
    EXPECT_EQ(rails->RailSections[0], (RailSection{10, 30, 20, 40, 111, 222}));
    EXPECT_EQ(rails->RailSections[1], (RailSection{30, 50, 40, 60, 333, 444}));
}

TEST_F(RailNetworkTest, ACommitThatWouldOverflowTheTableIsRefusedWhole) {
    // Only possible when a railroad definition was loaded over pending points.
    for (int i = 0; i < 10; ++i)
        AddRailPoint(*rails, shell, i, i);
    UseSections(2040);
    CommitRailPoints(*rails, shell);
    ExpectLimitMessageOnly();
    EXPECT_EQ(rails->RailSectionCount, 2040);
    EXPECT_EQ(rails->PendingRailPointCount, 10);
    EXPECT_EQ(rails->RailSections[2040], RailSection{});

    shell.Clear();
    UseSections(2039); // 9 new sections fill the table exactly
    CommitRailPoints(*rails, shell);
    EXPECT_TRUE(shell.messages.empty());
    EXPECT_EQ(rails->RailSectionCount, RailTableSize);
    EXPECT_EQ(rails->RailSections[2047], (RailSection{8, 9, 8, 9, 0, 0}));
}

TEST_F(RailNetworkTest, NearestPointPrefersSectionEndsThenLowerIndices) {
    EXPECT_EQ(FindNearestRailPoint(*rails, 0, 0), NoRailPoint);
    rails->RailSections[0] = {0, 10, 0, 0, 0, 0};
    rails->RailSections[1] = {100, -10, 0, 0, 0, 0};
    rails->RailSectionCount = 2;
    rails->PendingRailPoints[0] = {0, 10};
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

TEST_F(RailNetworkTest, ALonePendingPointIsAHandleOnlyWithoutSections) {
    rails->PendingRailPoints[0] = {50, 50};
    rails->PendingRailPointCount = 1;
    EXPECT_EQ(FindNearestRailPoint(*rails, 50, 50), -1);
    UseSections(1);
    EXPECT_EQ(FindNearestRailPoint(*rails, 50, 50), 0);
}

TEST_F(RailNetworkTest, NearestPointDistancesNeverWrap) {
    constexpr int32_t Min = std::numeric_limits<int32_t>::min();
    constexpr int32_t Max = std::numeric_limits<int32_t>::max();
    rails->RailSections[0] = {0, Min, 0, Min, 0, 0};
    rails->RailSections[1] = {0, 0, 0, 0, 0, 0};
    rails->RailSectionCount = 2;
    EXPECT_EQ(FindNearestRailPoint(*rails, Max, Max), 1);
    EXPECT_EQ(FindNearestRailPoint(*rails, Min, Min + 1), 0);
}

TEST_F(RailNetworkTest, MovingAChainJointMovesBothSections) {
    AddRailPoint(*rails, shell, 0, 0);     // P
    AddRailPoint(*rails, shell, 100, 0);   // Q
    AddRailPoint(*rails, shell, 200, 100); // R
    CommitRailPoints(*rails, shell);
    MoveNearestRailPoint(*rails, 110, 5);
    EXPECT_EQ(rails->RailSections[0], (RailSection{0, 110, 0, 5, 0, 0}));
    EXPECT_EQ(rails->RailSections[1], (RailSection{110, 200, 5, 100, 0, 0}));
    // The last section's end moves alone; the chain's first start cannot be grabbed.
    MoveNearestRailPoint(*rails, 190, 90);
    EXPECT_EQ(rails->RailSections[1], (RailSection{110, 190, 5, 90, 0, 0}));
    MoveNearestRailPoint(*rails, 1, 1);
    EXPECT_EQ(rails->RailSections[0], (RailSection{0, 1, 0, 1, 0, 0}));
    EXPECT_EQ(rails->RailSections[1], (RailSection{1, 190, 1, 90, 0, 0}));
}

TEST_F(RailNetworkTest, MovingAnEndThatStartsNoSectionLeavesTheNextStart) {
    rails->RailSections[0] = {0, 10, 0, 0, 0, 0};
    rails->RailSections[1] = {500, 600, 0, 0, 0, 0};
    rails->RailSectionCount = 2;
    MoveNearestRailPoint(*rails, 12, 3);
    EXPECT_EQ(rails->RailSections[0], (RailSection{0, 12, 0, 3, 0, 0}));
    EXPECT_EQ(rails->RailSections[1], (RailSection{500, 600, 0, 0, 0, 0}));

    rails->PendingRailPoints[0] = {1000, 1000};
    rails->PendingRailPoints[1] = {2000, 2000};
    rails->PendingRailPointCount = 2;
    MoveNearestRailPoint(*rails, 990, 1000);
    EXPECT_EQ(rails->PendingRailPoints[0], (RailPoint{990, 1000}));
    EXPECT_EQ(rails->PendingRailPoints[1], (RailPoint{2000, 2000}));
}

} // namespace
