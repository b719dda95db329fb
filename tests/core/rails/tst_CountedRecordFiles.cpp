// Railroad definitions, rail segments and target lists are all a count followed by records: a
// missing file, or one whose count is out of range or more than it holds, is refused with the
// reason and changes nothing.

#include "CountedFileBytes.h"
#include "core/edit/UnsavedChanges.h"
#include "core/files/FileCommandExpectations.h"
#include "core/files/RailSegmentFile.h"
#include "core/files/RailroadDefinitionFile.h"
#include "core/files/TargetListFile.h"
#include "core/rails/TargetAreas.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <sys/stat.h>
#include <tuple>

namespace {

using FileCommand = void (*)(Editor&, Shell&, const std::string&);

struct CountedFileCase {
    const char* fileName;
    const char* records;
    int fieldsPerRecord;
    int limit;
    std::vector<FileCommand> loads;
};

auto Snapshot(const Editor& editor) {
    const RailNetwork& rails = editor.document.Rails();
    return std::tuple(rails.RailSectionCount, rails.RailSections[0], rails.PendingRailPointCount,
                      rails.PendingRailPoints[3], editor.document.TargetAreas().size());
}

TEST(CountedRecordFiles, MissingOrDamagedFilesAreRefusedAndChangeNothing) {
    const CountedFileCase kinds[] = {
        {"net.rrd", "rail sections", 6, 2048, {LoadRailroadDefinition}},
        // a segment of 2048 points could never be laid beside the tables' own limit
        {"track.seg", "rail points", 2, 2047, {LoadRailSegment, AppendRailSegment}},
        {"targets.dat", "target areas", 12, 65536, {LoadTargetAreasFrom}},
    };
    for (const auto& kind : kinds) {
        const std::string records = kind.records;
        const auto outOfRange = [&](int32_t count) {
            return "The file names " + std::to_string(count) + " " + records +
                   "; it can hold 0 to " + std::to_string(kind.limit) + ".";
        };
        const std::pair<std::vector<uint8_t>, std::string> cases[] = {
            {CountedFileBytes(-1, {}), outOfRange(-1)},
            {CountedFileBytes(-2147483647 - 1, {}), outOfRange(-2147483647 - 1)},
            {CountedFileBytes(kind.limit + 1,
                              std::vector<int32_t>((kind.limit + 1) * kind.fieldsPerRecord, 0)),
             outOfRange(kind.limit + 1)},
            {CountedFileBytes(3, std::vector<int32_t>(2 * kind.fieldsPerRecord + 1, 0)),
             "The file names 3 " + records + " but holds only 2."},
            {{1, 0}, "The file is too short to hold its count of " + records + "."},
            {{}, NotRegularFileText}, // a FIFO, which must not block the reader
            {{}, ""},                 // not written: the file is missing
        };
        TempDir dir;
        const std::string path = dir.File(kind.fileName);
        for (const auto& [bytes, reason] : cases) {
            SCOPED_TRACE(kind.fileName + (": " + reason));
            std::filesystem::remove(path);
            if (reason == NotRegularFileText)
                ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
            else if (!reason.empty())
                WriteBytes(path, bytes);
            for (const FileCommand load : kind.loads) {
                auto editor = std::make_unique<Editor>();
                editor->document.EditRails([](RailNetwork& r) {
                    r.RailSections[0] = {1, 2, 3, 4, 5, 6};
                    r.RailSectionCount = 1;
                    r.PendingRailPoints[3] = {7, 8};
                    r.PendingRailPointCount = 4;
                });
                MarkLayerSaved(*editor, SavedLayer::Railroads, {}); // as loaded: nothing to ask
                MarkLayerSaved(*editor, SavedLayer::RailSegment, {});
                const auto before = Snapshot(*editor);
                RecordingShell shell;
                load(*editor, shell, path);
                ExpectOnlyMessage(shell, WindowId::None, FailedToReadText(path, reason), "Notice",
                                  MessageIcon::Exclamation);
                EXPECT_EQ(Snapshot(*editor), before);
            }
        }
    }
}

TEST(CountedRecordFiles, AFailedSaveIsReportedAndNeverClaimsSuccess) {
    TempDir dir;
    auto editor = std::make_unique<Editor>();
    editor->document.EditRails([](RailNetwork& r) { r.PendingRailPointCount = 2; });
    for (const FileCommand save : {SaveRailroadDefinition, SaveRailSegment}) {
        RecordingShell shell;
        save(*editor, shell, dir.File("no-such-folder/rails"));
        ExpectOnlyMessage(shell, WindowId::None, dir.File("no-such-folder/rails"),
                          "Unable to open file...", MessageIcon::Exclamation);
    }
}

} // namespace
