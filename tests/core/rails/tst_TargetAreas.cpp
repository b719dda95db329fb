#include "CountedFileBytes.h"
#include "core/files/FileCommandExpectations.h"
#include "core/files/TargetListFile.h"
#include "core/rails/TargetAreas.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

namespace {

// One 48-byte record: x, y, 8 unused bytes, then the name field of 32 bytes.
void AppendArea(std::vector<uint8_t>& bytes, int32_t x, int32_t y, const std::string& name) {
    AppendInt32LE(bytes, x);
    AppendInt32LE(bytes, y);
    bytes.insert(bytes.end(), {1, 2, 3, 4, 5, 6, 7, 8});
    std::vector<uint8_t> field(32, 0);
    std::memcpy(field.data(), name.data(), std::min<size_t>(name.size(), 32));
    bytes.insert(bytes.end(), field.begin(), field.end());
}

class TargetAreasTest : public ::testing::Test {
  protected:
    std::string Write(const std::vector<uint8_t>& bytes) {
        WriteBytes(dir.File("TarList.dat"), bytes);
        return dir.File("TarList.dat");
    }

    TempDir dir;
    RecordingShell shell;
    std::unique_ptr<Editor> editor = std::make_unique<Editor>();
};

TEST_F(TargetAreasTest, RecordsAreReadWithNamesThatMayFillTheirField) {
    LoadTargetAreasFrom(*editor, shell, Write(CountedFileBytes(0, {})));
    EXPECT_TRUE(editor->document.TargetAreas().empty());

    auto bytes = CountedFileBytes(2, {});
    AppendArea(bytes, -262144, 524288, "Lyon");
    AppendArea(bytes, 7, 8, std::string(32, 'N'));
    bytes.push_back('X'); // whatever follows the last record is not part of its name
    LoadTargetAreasFrom(*editor, shell, Write(bytes));
    EXPECT_TRUE(shell.messages.empty());
    ASSERT_EQ(editor->document.TargetAreas().size(), 2u);
    EXPECT_EQ(editor->document.TargetAreas()[0].x, -262144);
    EXPECT_EQ(editor->document.TargetAreas()[0].y, 524288);
    EXPECT_EQ(editor->document.TargetAreas()[0].unused[7], 8);
    EXPECT_EQ(TargetAreaName(editor->document.TargetAreas()[0]), "Lyon");
    EXPECT_EQ(TargetAreaName(editor->document.TargetAreas()[1]), std::string(32, 'N'));
}

} // namespace
