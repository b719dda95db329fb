#include "core/io/DataFolder.h"
#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

// Runs a test body with the current folder switched to a temporary folder.
struct InTemporaryFolder : ::testing::Test {
    InTemporaryFolder() { std::filesystem::current_path(dir.path()); }
    ~InTemporaryFolder() override { std::filesystem::current_path(previous); }
    std::filesystem::path previous = std::filesystem::current_path();
    TempDir dir;
};

} // namespace

TEST_F(InTemporaryFolder, FindsFilesInTheCurrentFolderFirstAndIgnoresCase) {
    std::filesystem::create_directory(dir.path() / "tiles");
    WriteBytes(dir.File("tiles/QZCoastU1.bmp"), {1});
    WriteBytes(dir.File("TarList.dat"), {2});
    EXPECT_EQ(FindDataFile("TarList.dat"), "TarList.dat");
    EXPECT_EQ(FindDataFile("tiles/QZCoastU1.bmp"), "tiles/QZCoastU1.bmp");
    EXPECT_EQ(FindDataFile("tiles/QZCoastu1.bmp"), "tiles/QZCoastU1.bmp");
    EXPECT_EQ(FindDataFile("tiles\\QZCOASTU1.BMP"), "tiles/QZCoastU1.bmp");
}

TEST_F(InTemporaryFolder, FallsBackToTheBundledDataAndElseReturnsThePathUnchanged) {
    const std::string bundled = FindDataFile("tarlist.dat");
    EXPECT_NE(bundled, "tarlist.dat");
    EXPECT_TRUE(std::filesystem::is_regular_file(bundled));
    EXPECT_EQ(FindDataFile("tiles/QZNoSuchTile.bmp"), "tiles/QZNoSuchTile.bmp");
    EXPECT_EQ(FindFileIn(dir.path().string(), "missing.dat"), "");
}
