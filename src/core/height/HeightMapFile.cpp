#include "core/height/HeightMapFile.h"

#include "core/Messages.h"
#include "core/edit/UnsavedChanges.h"
#include "core/edit/ViewOps.h"
#include "core/io/FileCommands.h"

namespace {

const char* const Description = "Height Map Files (*.hm, *.raw)";
const char* const Pattern = "*.hm; *.raw";

} // namespace

void OpenHeightMap(Editor& editor, Shell& shell, const std::string& path) {
    const auto chosen = ChooseFilePath(shell, FileDialogMode::Open, path, Description, Pattern);
    if (chosen && ConfirmReplaceLayer(editor, shell, SavedLayer::HeightMap, WindowId::Main))
        ReadHeightMapFile(editor, shell, *chosen);
}

void ReadHeightMapFile(Editor& editor, Shell& shell, const std::string& path) {
    const auto bytes = ReadMapFile(shell, path, HeightMapFileSize, "height map file");
    if (!bytes) {
        shell.Invalidate(WindowId::Main, false);
        return;
    }
    std::vector<uint16_t> heights(MapCellCount);
    for (size_t i = 0; i < heights.size(); ++i)
        heights[i] = static_cast<uint16_t>((*bytes)[2 * i] | ((*bytes)[2 * i + 1] << 8));
    ReplaceHeightMap(editor, shell, std::move(heights));
    MarkLayerSaved(editor, SavedLayer::HeightMap);
}

void ReplaceHeightMap(Editor& editor, Shell& shell, std::vector<uint16_t> heights) {
    editor.heightMap.Replace(std::move(heights));
    RebuildHeightShade(editor.heightMap, editor.heightShade);
    shell.Invalidate(WindowId::HeightView, false);
    CenterViewOn(editor, shell, 0, 0);
}

std::vector<uint8_t> HeightMapFileBytes(const HeightMap& heights) {
    std::vector<uint8_t> bytes;
    bytes.reserve(heights.Heights().size() * 2);
    for (const uint16_t height : heights.Heights()) {
        bytes.push_back(static_cast<uint8_t>(height & 0xFF));
        bytes.push_back(static_cast<uint8_t>(height >> 8));
    }
    return bytes;
}

void SaveHeightMap(Editor& editor, Shell& shell, const std::string& path) {
    if (!editor.heightMap.HasHeightMap()) {
        ShowSaveFailure(shell, WindowId::Main, "No height data has been loaded.");
        return;
    }
    const auto chosen = ChooseFilePath(shell, FileDialogMode::Save, path, Description, Pattern);
    if (!chosen)
        return;
    if (!SaveFileReporting(shell, WindowId::Main, *chosen, HeightMapFileBytes(editor.heightMap),
                           {"Unable to save file...", "Unable to save file..."}))
        return;
    MarkLayerSaved(editor, SavedLayer::HeightMap);
    ShowSavedNotice(shell, WindowId::Main, *chosen);
}
