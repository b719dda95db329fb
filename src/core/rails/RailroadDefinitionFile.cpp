#include "core/rails/RailroadDefinitionFile.h"

#include "core/Messages.h"
#include "core/edit/UnsavedChanges.h"
#include "core/io/FileCommands.h"
#include "core/rails/CountedRecordFile.h"

namespace {

const char* const Description = "Railroad Definition Files (*.rrd)";
const char* const Pattern = "*.rrd";
const char* const Records = "rail sections";

} // namespace

std::vector<uint8_t> RailroadDefinitionBytes(const RailNetwork& rails) {
    std::vector<uint8_t> bytes;
    AppendInt32LE(bytes, rails.RailSectionCount);
    for (int i = 0; i < rails.RailSectionCount; ++i) {
        const RailSection& section = rails.RailSections[static_cast<size_t>(i)];
        for (const int32_t field :
             {section.x1, section.x2, section.y1, section.y2, section.reserved1, section.reserved2})
            AppendInt32LE(bytes, field);
    }
    return bytes;
}

void SaveRailroadDefinition(Editor& editor, Shell& shell, const std::string& path) {
    const auto chosen = ChooseFilePath(shell, FileDialogMode::Save, path, Description, Pattern);
    if (!chosen)
        return;
    if (!SaveFileReporting(shell, WindowId::None, *chosen, RailroadDefinitionBytes(editor.rails),
                           {"Unable to open file...", "Unable to open file..."}))
        return;
    MarkLayerSaved(editor, SavedLayer::Railroads);
    ShowSavedNotice(shell, WindowId::None, *chosen);
}

void LoadRailroadDefinition(Editor& editor, Shell& shell, const std::string& path) {
    const auto chosen = ChooseFilePath(shell, FileDialogMode::Open, path, Description, Pattern);
    if (!chosen || !ConfirmReplaceLayer(editor, shell, SavedLayer::Railroads, WindowId::None))
        return;
    const auto file = ReadCountedRecordFile(*chosen, sizeof(RailSection), RailTableSize);
    if (!file) {
        ShowFailureNotice(shell, WindowId::None,
                          FailedToReadText(*chosen, NonRegularFileReason(*chosen)));
        return;
    }
    std::string problem = CountProblem(*file, RailTableSize, Records);
    if (problem.empty())
        problem = LengthProblem(*file, Records);
    if (!problem.empty()) {
        ShowFailureNotice(shell, WindowId::None, FailedToReadText(*chosen, problem));
        return;
    }
    RailNetwork& rails = editor.rails;
    rails.RailSectionCount = file->Count();
    for (int i = 0; i < rails.RailSectionCount; ++i) {
        const uint8_t* record = file->Record(static_cast<size_t>(i));
        rails.RailSections[static_cast<size_t>(i)] = {
            ReadInt32LE(record),      ReadInt32LE(record + 4),  ReadInt32LE(record + 8),
            ReadInt32LE(record + 12), ReadInt32LE(record + 16), ReadInt32LE(record + 20)};
    }
    MarkLayerSaved(editor, SavedLayer::Railroads);
}
