#include "core/files/HeightMapFile.h"

#include "core/Messages.h"
#include "core/edit/UnsavedChanges.h"
#include "core/edit/ViewOps.h"
#include "core/files/FileCommands.h"
#include "core/height/HeightMapCodec.h"

namespace {

const char* const Description = "Height Map Files (*.hm, *.raw)";
const char* const Pattern = "*.hm; *.raw";

} // namespace

void OpenHeightMap(Editor& editor, Shell& shell, const std::string& path) {
    const auto chosen = ChooseFilePath(shell, FileDialogMode::Open, path, Description, Pattern,
                                       editor.saved.Path(SavedLayer::HeightMap));
    if (chosen && ConfirmReplaceLayer(editor, shell, SavedLayer::HeightMap, WindowId::Main))
        ReadHeightMapFile(editor, shell, *chosen);
}

bool ReadHeightMapFile(Editor& editor, Shell& shell, const std::string& path) {
    auto decoded = DecodeHeightMapFile(path);
    if (!decoded) {
        ShowOpenFailure(shell, WindowId::Main, PathWithReason(path, decoded.problem));
        return false;
    }
    editor.history->Record(editor.document, "Open Height Map",
                           [&] { ReplaceHeightMap(editor, shell, std::move(*decoded.layer)); });
    MarkLayerSaved(editor, SavedLayer::HeightMap, path);
    return true;
}

void ReplaceHeightMap(Editor& editor, Shell& shell, std::vector<uint16_t> heights) {
    editor.document.ReplaceHeights(std::move(heights));
    RebuildHeightShade(editor.document.Heights(), editor.heightShade);
    CenterViewOn(editor, shell, 0, 0);
}

void SaveHeightMap(Editor& editor, Shell& shell, const std::string& path) {
    if (!editor.document.Heights().HasHeightMap()) {
        ShowSaveFailure(shell, WindowId::Main, "No height data has been loaded.");
        return;
    }
    const auto chosen = ChooseFilePath(shell, FileDialogMode::Save, path, Description, Pattern,
                                       editor.saved.Path(SavedLayer::HeightMap));
    if (!chosen)
        return;
    if (!SaveFileReporting(shell, WindowId::Main, *chosen,
                           HeightMapFileBytes(editor.document.Heights()),
                           {"Unable to save file...", "Unable to save file..."}))
        return;
    MarkLayerSaved(editor, SavedLayer::HeightMap, *chosen);
    ShowSavedNotice(shell, WindowId::Main, *chosen);
}
