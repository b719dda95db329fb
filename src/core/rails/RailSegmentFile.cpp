#include "core/rails/RailSegmentFile.h"

#include "core/Messages.h"
#include "core/edit/UnsavedChanges.h"
#include "core/io/FileCommands.h"
#include "core/rails/CountedRecordFile.h"

namespace {

const char* const Description = "Rail Segments (*.seg)";
const char* const Pattern = "*.seg";
const char* const Records = "rail points";

// Reads a segment into the pending points from index `start` (0 to load, the pending count to
// append) and tells whether it did. Files that cannot be read or do not hold what they name
// change nothing.
bool ReadRailSegmentInto(RailNetwork& rails, Shell& shell, const std::string& path, int start) {
    const auto file = ReadCountedRecordFile(path, sizeof(RailPoint), RailTableSize);
    if (!file) {
        ShowFailureNotice(shell, WindowId::None,
                          FailedToReadText(path, NonRegularFileReason(path)));
        return false;
    }
    if (const auto problem = CountProblem(*file, RailTableSize - 1, Records); !problem.empty()) {
        ShowFailureNotice(shell, WindowId::None, FailedToReadText(path, problem));
        return false;
    }
    const int32_t count = file->Count();
    // Strict: a segment that would bring the two tables to exactly 2048 is refused too. The
    // points being laid are the user's work and stay.
    if (start + rails.RailSectionCount + count >= RailTableSize) {
        ShowRailLimitMessage(shell);
        return false;
    }
    if (const auto problem = LengthProblem(*file, Records); !problem.empty()) {
        ShowFailureNotice(shell, WindowId::None, FailedToReadText(path, problem));
        return false;
    }
    for (int i = 0; i < count; ++i) {
        const uint8_t* record = file->Record(static_cast<size_t>(i));
        rails.PendingRailPoints[static_cast<size_t>(start + i)] = {ReadInt32LE(record),
                                                                   ReadInt32LE(record + 4)};
    }
    rails.PendingRailPointCount = start + count;
    return true;
}

} // namespace

std::vector<uint8_t> RailSegmentBytes(const RailNetwork& rails) {
    std::vector<uint8_t> bytes;
    AppendInt32LE(bytes, rails.PendingRailPointCount);
    for (int i = 0; i < rails.PendingRailPointCount; ++i) {
        const RailPoint& point = rails.PendingRailPoints[static_cast<size_t>(i)];
        AppendInt32LE(bytes, point.x);
        AppendInt32LE(bytes, point.y);
    }
    return bytes;
}

void SaveRailSegment(Editor& editor, Shell& shell, const std::string& path) {
    const auto chosen = ChooseFilePath(shell, FileDialogMode::Save, path, Description, Pattern);
    if (!chosen)
        return;
    if (SaveFileReporting(shell, WindowId::None, *chosen, RailSegmentBytes(editor.rails),
                          {"Unable to open file...", "Unable to open file..."}))
        MarkLayerSaved(editor, SavedLayer::RailSegment);
}

void LoadRailSegment(Editor& editor, Shell& shell, const std::string& path) {
    const auto chosen = ChooseFilePath(shell, FileDialogMode::Open, path, Description, Pattern);
    if (chosen && ConfirmReplaceLayer(editor, shell, SavedLayer::RailSegment, WindowId::None) &&
        ReadRailSegmentInto(editor.rails, shell, *chosen, 0))
        MarkLayerSaved(editor, SavedLayer::RailSegment);
}

void AppendRailSegment(Editor& editor, Shell& shell, const std::string& path) {
    const auto chosen = ChooseFilePath(shell, FileDialogMode::Open, path, Description, Pattern);
    if (chosen)
        ReadRailSegmentInto(editor.rails, shell, *chosen, editor.rails.PendingRailPointCount);
}
