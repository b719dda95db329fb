#include "app/terrain3d/TerrainContextCheck.h"
#include "support/RecordingShell.h"

#include <gtest/gtest.h>

namespace {

TEST(TerrainContextCheck, EachProblemShowsItsErrorBoxAndFails) {
    const std::pair<TerrainContextProblem, const char*> cases[] = {
        {TerrainContextProblem::NoWindow, "CreateWindow() failed:  Cannot create a window."},
        {TerrainContextProblem::NoContext,
         "ChoosePixelFormat() failed:\nCannot find a suitable pixel format."},
        {TerrainContextProblem::NoDepthBuffer,
         "SetPixelFormat() failed:\nCannot set format specified."},
    };
    for (const auto& [problem, text] : cases) {
        RecordingShell shell;
        EXPECT_EQ(ReportTerrainContextProblem(problem, shell), 4);
        ASSERT_EQ(shell.messages.size(), 1u);
        EXPECT_EQ(shell.messages[0].text, text);
        EXPECT_EQ(shell.messages[0].caption, "Error");
        EXPECT_EQ(shell.messages[0].icon, MessageIcon::None);
        EXPECT_EQ(shell.messages[0].owner, WindowId::None);
    }
}

TEST(TerrainContextCheck, NoProblemShowsNothing) {
    RecordingShell shell;
    EXPECT_EQ(ReportTerrainContextProblem(TerrainContextProblem::None, shell), 0);
    EXPECT_TRUE(shell.messages.empty());
}

} // namespace
