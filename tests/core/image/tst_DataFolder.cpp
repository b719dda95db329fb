#include "InTemporaryFolder.h"
#include "core/io/DataFolder.h"

using DataFolderLookup = InTemporaryFolder;

TEST_F(DataFolderLookup, FindsFilesInTheCurrentFolderFirstAndIgnoresCase) {
    std::filesystem::create_directory(dir.path() / "tiles");
    WriteBytes(dir.File("tiles/QZCoastU1.bmp"), {1});
    WriteBytes(dir.File("TarList.dat"), {2});
    EXPECT_EQ(FindDataFile("TarList.dat"), "TarList.dat");
    EXPECT_EQ(FindDataFile("tiles/QZCoastU1.bmp"), "tiles/QZCoastU1.bmp");
    EXPECT_EQ(FindDataFile("tiles/QZCoastu1.bmp"), "tiles/QZCoastU1.bmp");
    EXPECT_EQ(FindDataFile("tiles\\QZCOASTU1.BMP"), "tiles/QZCoastU1.bmp");
}
