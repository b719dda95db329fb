#include "core/files/RailSegmentFile.h"

#include "core/Messages.h"
#include "core/edit/UnsavedChanges.h"
#include "core/files/FileCommands.h"
#include "core/rails/CountedRecordFile.h"
#include "core/rails/RailSegmentCodec.h"

#include <algorithm>

namespace {

const char* const Description = "Rail Segments (*.seg)";
const char* const Pattern = "*.seg";

// Reads a segment into the pending points from index `start` (0 to load, the pending count to
// append) and tells whether it did. Files that cannot be read or do not hold what they name
// change nothing.
bool ReadRailSegmentInto(Editor& editor, Shell& shell, const std::string& path, int start) {
    // The count first: a segment over the limit is refused for that, whatever else is wrong.
    const auto file = ReadFileStart(path, RailSegmentPrefixSize);
    if (!file) {
        ShowFailureNotice(shell, WindowId::None,
                          FailedToReadText(path, NonRegularFileReason(path)));
        return false;
    }
    const auto count = DecodeRailSegmentCount(file->bytes);
    if (!count) {
        ShowFailureNotice(shell, WindowId::None, FailedToReadText(path, count.problem));
        return false;
    }
    const RailNetwork& rails = editor.document.Rails();
    // Strict: a segment that would bring the two tables to exactly 2048 is refused too. The
    // points being laid are the user's work and stay.
    if (start + rails.RailSectionCount + *count.layer >= RailTableSize) {
        ShowRailLimitMessage(shell);
        return false;
    }
    const auto points = DecodeRailSegment(file->bytes);
    if (!points) {
        ShowFailureNotice(shell, WindowId::None, FailedToReadText(path, points.problem));
        return false;
    }
    editor.history->Record(editor.document, start == 0 ? "Load Segment" : "Append Segment", [&] {
        editor.document.EditRails([&](RailNetwork& edited) {
            std::copy(points.layer->begin(), points.layer->end(),
                      edited.PendingRailPoints.begin() + start);
            edited.PendingRailPointCount = start + *count.layer;
        });
    });
    return true;
}

} // namespace

void SaveRailSegment(Editor& editor, Shell& shell, const std::string& path) {
    const auto chosen = ChooseFilePath(shell, FileDialogMode::Save, path, Description, Pattern,
                                       editor.saved.Path(SavedLayer::RailSegment));
    if (!chosen)
        return;
    if (SaveFileReporting(shell, WindowId::None, *chosen, RailSegmentBytes(editor.document.Rails()),
                          {"Unable to open file...", "Unable to open file..."}))
        MarkLayerSaved(editor, SavedLayer::RailSegment, *chosen);
}

void LoadRailSegment(Editor& editor, Shell& shell, const std::string& path) {
    const auto chosen = ChooseFilePath(shell, FileDialogMode::Open, path, Description, Pattern,
                                       editor.saved.Path(SavedLayer::RailSegment));
    if (chosen && ConfirmReplaceLayer(editor, shell, SavedLayer::RailSegment, WindowId::None))
        ReadRailSegmentFile(editor, shell, *chosen);
}

bool ReadRailSegmentFile(Editor& editor, Shell& shell, const std::string& path) {
    if (!ReadRailSegmentInto(editor, shell, path, 0))
        return false;
    MarkLayerSaved(editor, SavedLayer::RailSegment, path);
    return true;
}

void AppendRailSegment(Editor& editor, Shell& shell, const std::string& path) {
    const auto chosen = ChooseFilePath(shell, FileDialogMode::Open, path, Description, Pattern,
                                       editor.saved.Path(SavedLayer::RailSegment));
    if (chosen)
        ReadRailSegmentInto(editor, shell, *chosen, editor.document.Rails().PendingRailPointCount);
}
