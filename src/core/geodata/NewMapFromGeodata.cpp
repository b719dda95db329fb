#include "core/geodata/NewMapFromGeodata.h"

#include "core/Messages.h"
#include "core/edit/UnsavedChanges.h"
#include "core/files/HeightMapFile.h"
#include "core/io/FileIO.h"
#include "core/rails/TargetAreas.h"
#include "core/undo/EditHistory.h"

namespace {

// Both layers are replaced, so one question covers whichever of them holds unsaved work.
bool ConfirmReplaceMaps(const Editor& editor, Shell& shell) {
    std::vector<SavedLayer> unsaved;
    for (const SavedLayer layer : {SavedLayer::TextureMap, SavedLayer::HeightMap})
        if (IsLayerUnsaved(editor, layer))
            unsaved.push_back(layer);
    return unsaved.empty() ||
           shell.ConfirmDiscardChanges(
               WindowId::Main,
               UnsavedChangesText(unsaved, "Replace them with the new map without saving them?"));
}

} // namespace

void NewMapFromGeodata(Editor& editor, Shell& shell, const NewMapRequest& request) {
    shell.SetWaitCursor(true);
    const GeodataReadResult read = ReadGeodata(request.sources);
    const auto map =
        read.layers ? std::optional(GenerateMap(*read.layers, request.options)) : std::nullopt;
    shell.SetWaitCursor(false);
    if (!map) {
        ShowFailureNotice(shell, WindowId::Main, read.error);
        return;
    }
    if (!ConfirmReplaceMaps(editor, shell))
        return;
    std::string report = MapGenerationReport(*read.layers, request.options, *map);
    if (!request.targetListPath.empty()) {
        std::string error;
        if (!WriteFileAtomically(request.targetListPath, TargetListBytes(map->targets), &error)) {
            ShowSaveFailure(shell, WindowId::Main,
                            request.targetListPath + ": " + error + "\nThe map was not replaced.");
            return;
        }
        report += "\n" + request.targetListPath + " has been written.";
    }
    editor.history->Record(editor.document, "New Map from Geodata", [&] {
        editor.document.ReplaceTiles(map->tiles);
        ReplaceHeightMap(editor, shell, map->heights);
    });
    editor.document.SetTargetAreas(map->targets);
    ShowCompletionNotice(shell, WindowId::Main, report);
}
