#include "core/io/DataFolder.h"
#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

// Runs a test body with the current folder switched to a temporary folder.
class CurrentFolder {
  public:
    explicit CurrentFolder(const std::filesystem::path& folder)
        : previous_(std::filesystem::current_path()) {
        std::filesystem::current_path(folder);
    }
    ~CurrentFolder() { std::filesystem::current_path(previous_); }

  private:
    std::filesystem::path previous_;
};

} // namespace

TEST(DataFolder, FindsFilesInTheCurrentFolderFirstAndIgnoresCase) {
    TempDir dir;
    std::filesystem::create_directory(dir.path() / "tiles");
    WriteBytes(dir.File("tiles/QZCoastU1.bmp"), {1});
    WriteBytes(dir.File("TarList.dat"), {2});
    CurrentFolder here(dir.path());

    EXPECT_EQ(FindDataFile("TarList.dat"), "TarList.dat");
    EXPECT_EQ(FindDataFile("tiles/QZCoastU1.bmp"), "tiles/QZCoastU1.bmp");
    EXPECT_EQ(FindDataFile("tiles/QZCoastu1.bmp"), "tiles/QZCoastU1.bmp");
    EXPECT_EQ(FindDataFile("tiles\\QZCOASTU1.BMP"), "tiles/QZCoastU1.bmp");
}

TEST(DataFolder, FallsBackToTheBundledDataAndElseReturnsThePathUnchanged) {
    TempDir dir;
    CurrentFolder here(dir.path());

    const std::string bundled = FindDataFile("tarlist.dat");
    EXPECT_NE(bundled, "tarlist.dat");
    EXPECT_TRUE(std::filesystem::is_regular_file(bundled));
    EXPECT_EQ(FindDataFile("tiles/QZNoSuchTile.bmp"), "tiles/QZNoSuchTile.bmp");
    EXPECT_EQ(FindFileIn(dir.path().string(), "missing.dat"), "");
}
