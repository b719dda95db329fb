#include "core/files/RailroadDefinitionFile.h"

#include "core/Messages.h"
#include "core/edit/UnsavedChanges.h"
#include "core/files/FileCommands.h"
#include "core/rails/CountedRecordFile.h"
#include "core/rails/RailroadDefinitionCodec.h"

#include <algorithm>

namespace {

const char* const Description = "Railroad Definition Files (*.rrd)";
const char* const Pattern = "*.rrd";

} // namespace

void SaveRailroadDefinition(Editor& editor, Shell& shell, const std::string& path) {
    const auto chosen = ChooseFilePath(shell, FileDialogMode::Save, path, Description, Pattern,
                                       editor.saved.Path(SavedLayer::Railroads));
    if (!chosen)
        return;
    if (!SaveFileReporting(shell, WindowId::None, *chosen,
                           RailroadDefinitionBytes(editor.document.Rails()),
                           {"Unable to open file...", "Unable to open file..."}))
        return;
    MarkLayerSaved(editor, SavedLayer::Railroads, *chosen);
    ShowSavedNotice(shell, WindowId::None, *chosen);
}

void LoadRailroadDefinition(Editor& editor, Shell& shell, const std::string& path) {
    const auto chosen = ChooseFilePath(shell, FileDialogMode::Open, path, Description, Pattern,
                                       editor.saved.Path(SavedLayer::Railroads));
    if (chosen && ConfirmReplaceLayer(editor, shell, SavedLayer::Railroads, WindowId::None))
        ReadRailroadDefinitionFile(editor, shell, *chosen);
}

bool ReadRailroadDefinitionFile(Editor& editor, Shell& shell, const std::string& path) {
    const auto decoded = DecodeRailroadDefinitionFile(path);
    if (!decoded) {
        ShowFailureNotice(shell, WindowId::None, FailedToReadText(path, decoded.problem));
        return false;
    }
    editor.history->Record(editor.document, "Load RRD", [&] {
        editor.document.EditRails([&](RailNetwork& rails) {
            std::copy(decoded.layer->begin(), decoded.layer->end(), rails.RailSections.begin());
            rails.RailSectionCount = static_cast<int32_t>(decoded.layer->size());
        });
    });
    MarkLayerSaved(editor, SavedLayer::Railroads, path);
    return true;
}
