#include "core/edit/UnsavedChanges.h"

#include "core/height/HeightMapCodec.h"
#include "core/rails/RailSegmentCodec.h"
#include "core/rails/RailroadDefinitionCodec.h"
#include "core/tilemap/TextureMapCodec.h"

#include <array>

namespace {

constexpr std::array<SavedLayer, SavedLayerCount> AllLayers = {
    SavedLayer::TextureMap, SavedLayer::HeightMap, SavedLayer::Railroads, SavedLayer::RailSegment};

const char* LayerName(SavedLayer layer) {
    switch (layer) {
    case SavedLayer::TextureMap:
        return "the texture map";
    case SavedLayer::HeightMap:
        return "the height map";
    case SavedLayer::Railroads:
        return "the railroads";
    case SavedLayer::RailSegment:
        return "the rail segment being laid";
    }
    return "";
}

} // namespace

std::vector<uint8_t> LayerFileBytes(const Editor& editor, SavedLayer layer) {
    switch (layer) {
    case SavedLayer::TextureMap:
        return EncodeTextureMap(editor.document.Tiles());
    case SavedLayer::HeightMap:
        return HeightMapFileBytes(editor.document.Heights());
    case SavedLayer::Railroads:
        return RailroadDefinitionBytes(editor.document.Rails());
    case SavedLayer::RailSegment:
        return RailSegmentBytes(editor.document.Rails());
    }
    return {};
}

void MarkLayerSaved(Editor& editor, SavedLayer layer, const std::string& path) {
    editor.saved.Remember(layer, LayerFileBytes(editor, layer), path);
}

bool IsLayerUnsaved(const Editor& editor, SavedLayer layer) {
    // An empty segment cannot be saved and holds nothing: it was laid down or taken back.
    if (layer == SavedLayer::RailSegment && editor.document.Rails().PendingRailPointCount == 0)
        return false;
    return editor.saved.Differs(layer, LayerFileBytes(editor, layer));
}

std::vector<SavedLayer> UnsavedLayers(const Editor& editor) {
    std::vector<SavedLayer> unsaved;
    for (const SavedLayer layer : AllLayers) {
        if (IsLayerUnsaved(editor, layer))
            unsaved.push_back(layer);
    }
    return unsaved;
}

std::string UnsavedChangesText(const std::vector<SavedLayer>& layers, const std::string& question) {
    std::string names;
    for (size_t i = 0; i < layers.size(); ++i) {
        if (i > 0)
            names += i + 1 == layers.size() ? " and " : ", ";
        names += LayerName(layers[i]);
    }
    if (!names.empty())
        names[0] = 'T';
    const bool plural =
        layers.size() > 1 || (layers.size() == 1 && layers[0] == SavedLayer::Railroads);
    return names + (plural ? " have" : " has") + " changes that are not saved.\n\n" + question;
}

bool ConfirmQuit(const Editor& editor, Shell& shell, WindowId owner) {
    const std::vector<SavedLayer> unsaved = UnsavedLayers(editor);
    return unsaved.empty() || shell.ConfirmDiscardChanges(
                                  owner, UnsavedChangesText(unsaved, "Quit without saving them?"));
}

bool ConfirmReplaceLayer(const Editor& editor, Shell& shell, SavedLayer layer, WindowId owner) {
    return !IsLayerUnsaved(editor, layer) ||
           shell.ConfirmDiscardChanges(
               owner, UnsavedChangesText({layer}, "Load the chosen file without saving them?"));
}
