#include "core/tilemap/TextureMapFile.h"

#include "core/Messages.h"
#include "core/edit/UnsavedChanges.h"
#include "core/io/FileCommands.h"

namespace {

const char* const Description = "Texture Map Files (*.tm)";
const char* const Pattern = "*.tm";

} // namespace

void LoadTextureMap(Editor& editor, Shell& shell, const std::string& path) {
    const auto chosen = ChooseFilePath(shell, FileDialogMode::Open, path, Description, Pattern);
    if (!chosen || !ConfirmReplaceLayer(editor, shell, SavedLayer::TextureMap, WindowId::Main))
        return;
    auto bytes = ReadMapFile(shell, *chosen, MapCellCount, "texture map file");
    if (bytes) {
        editor.tileMap.Replace(std::move(*bytes));
        MarkLayerSaved(editor, SavedLayer::TextureMap);
    }
    shell.Invalidate(WindowId::Main, false);
}

void SaveTextureMap(Editor& editor, Shell& shell, const std::string& path) {
    if (!editor.tileMap.HasTileMap()) {
        ShowSaveFailure(shell, WindowId::Main, "No texture data has been loaded.");
        return;
    }
    const auto chosen = ChooseFilePath(shell, FileDialogMode::Save, path, Description, Pattern);
    if (!chosen)
        return;
    // A map that cannot be created is an open failure; one that fails later was not saved.
    if (!SaveFileReporting(shell, WindowId::Main, *chosen, editor.tileMap.Cells(),
                           {"Unable to open file...", "Unable to save file..."}))
        return;
    MarkLayerSaved(editor, SavedLayer::TextureMap);
    ShowSavedNotice(shell, WindowId::Main, *chosen);
    shell.Invalidate(WindowId::Main, false);
}
