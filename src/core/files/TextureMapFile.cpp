#include "core/files/TextureMapFile.h"

#include "core/Messages.h"
#include "core/edit/UnsavedChanges.h"
#include "core/files/FileCommands.h"
#include "core/tilemap/TextureMapCodec.h"

namespace {

const char* const Description = "Texture Map Files (*.tm)";
const char* const Pattern = "*.tm";

} // namespace

void LoadTextureMap(Editor& editor, Shell& shell, const std::string& path) {
    const auto chosen = ChooseFilePath(shell, FileDialogMode::Open, path, Description, Pattern,
                                       editor.saved.Path(SavedLayer::TextureMap));
    if (chosen && ConfirmReplaceLayer(editor, shell, SavedLayer::TextureMap, WindowId::Main))
        ReadTextureMapFile(editor, shell, *chosen);
}

bool ReadTextureMapFile(Editor& editor, Shell& shell, const std::string& path) {
    auto decoded = DecodeTextureMapFile(path);
    if (decoded) {
        editor.history->Record(editor.document, "Load Texture File",
                               [&] { editor.document.ReplaceTiles(std::move(*decoded.layer)); });
        MarkLayerSaved(editor, SavedLayer::TextureMap, path);
    } else {
        ShowOpenFailure(shell, WindowId::Main, PathWithReason(path, decoded.problem));
    }
    return decoded.layer.has_value();
}

void SaveTextureMap(Editor& editor, Shell& shell, const std::string& path) {
    if (!editor.document.Tiles().HasTileMap()) {
        ShowSaveFailure(shell, WindowId::Main, "No texture data has been loaded.");
        return;
    }
    const auto chosen = ChooseFilePath(shell, FileDialogMode::Save, path, Description, Pattern,
                                       editor.saved.Path(SavedLayer::TextureMap));
    if (!chosen)
        return;
    // A map that cannot be created is an open failure; one that fails later was not saved.
    if (!SaveFileReporting(shell, WindowId::Main, *chosen,
                           EncodeTextureMap(editor.document.Tiles()),
                           {"Unable to open file...", "Unable to save file..."}))
        return;
    MarkLayerSaved(editor, SavedLayer::TextureMap, *chosen);
    ShowSavedNotice(shell, WindowId::Main, *chosen);
}
