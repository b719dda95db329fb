#include "core/files/MapFiles.h"

#include "core/Messages.h"
#include "core/edit/UnsavedChanges.h"
#include "core/edit/ViewOps.h"
#include "core/files/FileCommands.h"
#include "core/files/HeightMapFile.h"
#include "core/files/RailSegmentFile.h"
#include "core/files/RailroadDefinitionFile.h"
#include "core/files/TextureMapFile.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>
#include <vector>

namespace {

namespace fs = std::filesystem;

// How each layer's file is named, read and reported.
struct LayerFile {
    SavedLayer layer;
    std::array<const char*, 2> extensions; // the first is given to new files
    const char* noun;
    const char* description;
    const char* pattern;
    SaveFailureCaptions captions;
    WindowId owner;
    bool (*read)(Editor&, Shell&, const std::string&);
};

const std::array<LayerFile, SavedLayerCount>& LayerFiles() {
    static const std::array<LayerFile, SavedLayerCount> files = {{
        {SavedLayer::TextureMap,
         {".tm", nullptr},
         "Texture map",
         "Texture Map Files (*.tm)",
         "*.tm",
         {"Unable to open file...", "Unable to save file..."},
         WindowId::Main,
         ReadTextureMapFile},
        {SavedLayer::HeightMap,
         {".hm", ".raw"},
         "Height map",
         "Height Map Files (*.hm, *.raw)",
         "*.hm; *.raw",
         {"Unable to save file...", "Unable to save file..."},
         WindowId::Main,
         ReadHeightMapFile},
        {SavedLayer::Railroads,
         {".rrd", nullptr},
         "Railroads",
         "Railroad Definition Files (*.rrd)",
         "*.rrd",
         {"Unable to open file...", "Unable to open file..."},
         WindowId::None,
         ReadRailroadDefinitionFile},
        {SavedLayer::RailSegment,
         {".seg", nullptr},
         "Rail segment",
         "Rail Segments (*.seg)",
         "*.seg",
         {"Unable to open file...", "Unable to open file..."},
         WindowId::None,
         ReadRailSegmentFile},
    }};
    return files;
}

const char* const MapDescription = "Map Files (*.tm, *.hm, *.raw, *.rrd, *.seg)";
const char* const MapPattern = "*.tm; *.hm; *.raw; *.rrd; *.seg";

// Whether saving the map would write this layer at all.
bool HoldsAnything(const Editor& editor, SavedLayer layer) {
    switch (layer) {
    case SavedLayer::TextureMap:
        return editor.document.Tiles().HasTileMap();
    case SavedLayer::HeightMap:
        return editor.document.Heights().HasHeightMap();
    case SavedLayer::Railroads:
        return editor.document.Rails().RailSectionCount > 0 || !editor.saved.Path(layer).empty();
    case SavedLayer::RailSegment:
        return editor.document.Rails().PendingRailPointCount > 0;
    }
    return false;
}

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// The folder and base name all the map's files share: "/maps/north" for "/maps/north.tm".
std::string StemOf(const std::string& path) {
    const fs::path file(path);
    return (file.parent_path() / file.stem()).string();
}

// The file of the map's stem with one of the layer's extensions (in any case), or "".
std::string FindLayerFile(const std::string& stem, const LayerFile& file) {
    const fs::path base(stem);
    const fs::path folder = base.has_parent_path() ? base.parent_path() : fs::path(".");
    std::error_code error;
    for (const char* extension : file.extensions) {
        if (!extension)
            continue;
        for (fs::directory_iterator it(folder, error), end; !error && it != end;
             it.increment(error)) {
            const fs::path& candidate = it->path();
            if (candidate.stem() == base.filename() &&
                Lower(candidate.extension().string()) == extension && it->is_regular_file(error))
                return base.has_parent_path() ? candidate.string() : candidate.filename().string();
        }
    }
    return {};
}

// The stem of the map as it is now: its texture map's file, else the first layer's.
std::string MapStem(const Editor& editor) {
    for (const LayerFile& file : LayerFiles())
        if (const std::string& path = editor.saved.Path(file.layer); !path.empty())
            return StemOf(path);
    return {};
}

// Writes one layer to `path` without a notice; false after a reported failure.
bool WriteLayer(Editor& editor, Shell& shell, const LayerFile& file, const std::string& path) {
    if (!SaveFileReporting(shell, file.owner, path, LayerFileBytes(editor, file.layer),
                           file.captions))
        return false;
    MarkLayerSaved(editor, file.layer, path);
    return true;
}

void ShowSavedFiles(Shell& shell, const std::vector<std::string>& paths) {
    std::string text;
    for (const std::string& path : paths)
        text += (text.empty() ? "" : "\n") + FormatText("%s has been saved.", path);
    if (!text.empty())
        ShowCompletionNotice(shell, WindowId::Main, text);
}

} // namespace

std::string MapName(const Editor& editor) {
    if (const std::string stem = MapStem(editor); !stem.empty())
        return fs::path(stem).filename().string();
    const bool loaded = editor.document.Tiles().HasTileMap() ||
                        editor.document.Heights().HasHeightMap() ||
                        !editor.document.Rails().IsEmpty();
    return loaded ? "Untitled" : "";
}

void NewMap(Editor& editor, Shell& shell) {
    if (const auto unsaved = UnsavedLayers(editor);
        !unsaved.empty() &&
        !shell.ConfirmDiscardChanges(
            WindowId::Main, UnsavedChangesText(unsaved, "Start a new map without saving them?")))
        return;
    const TileCode tile = editor.SelectedTile;
    editor.history->Record(editor.document, "New Map", [&] {
        editor.document.ReplaceTiles(std::vector<TileCell>(MapCellCount, MakeCell(0, tile)));
        editor.document.EditRails([](RailNetwork& rails) {
            rails.RailSectionCount = 0;
            rails.PendingRailPointCount = 0;
        });
        ReplaceHeightMap(editor, shell,
                         std::vector<uint16_t>(MapCellCount, IsWaterTile(tile) ? 0 : 1));
    });
    for (const LayerFile& file : LayerFiles())
        MarkLayerSaved(editor, file.layer, {});
}

std::optional<std::string> OpenMap(Editor& editor, Shell& shell, const std::string& path) {
    const std::string oldStem = MapStem(editor);
    const auto chosen = ChooseFilePath(shell, FileDialogMode::Open, path, MapDescription,
                                       MapPattern, {}, oldStem.empty() ? oldStem : oldStem + ".tm");
    if (!chosen)
        return std::nullopt;
    const std::string stem = StemOf(*chosen);
    std::array<std::string, SavedLayerCount> found;
    std::vector<SavedLayer> unsaved;
    for (size_t i = 0; i < found.size(); ++i) {
        const LayerFile& file = LayerFiles()[i];
        found[i] = FindLayerFile(stem, file);
        if (!found[i].empty() && IsLayerUnsaved(editor, file.layer))
            unsaved.push_back(file.layer);
    }
    if (std::all_of(found.begin(), found.end(), [](const auto& p) { return p.empty(); })) {
        ShowOpenFailure(shell, WindowId::Main,
                        PathWithReason(*chosen, "No texture map, height map, railroad "
                                                "definition or rail segment has this name."));
        return std::nullopt;
    }
    if (!unsaved.empty() &&
        !shell.ConfirmDiscardChanges(
            WindowId::Main, UnsavedChangesText(unsaved, "Open the map without saving them?")))
        return std::nullopt;
    std::string report = "Map " + fs::path(stem).filename().string() + ":";
    bool anyRead = false;
    editor.history->Record(editor.document, "Open Map", [&] {
        for (size_t i = 0; i < found.size(); ++i) {
            const LayerFile& file = LayerFiles()[i];
            std::string line = "not found";
            if (!found[i].empty()) {
                const bool read = file.read(editor, shell, found[i]);
                anyRead = anyRead || read;
                line = fs::path(found[i]).filename().string() + (read ? "" : " (not read)");
            }
            report += "\n" + std::string(file.noun) + ": " + line;
        }
    });
    ShowCompletionNotice(shell, WindowId::Main, report);
    if (!anyRead)
        return std::nullopt;
    return stem + fs::path(*chosen).extension().string();
}

bool SaveMap(Editor& editor, Shell& shell) {
    std::vector<std::string> written;
    for (const LayerFile& file : LayerFiles()) {
        if (!HoldsAnything(editor, file.layer))
            continue;
        std::string path = editor.saved.Path(file.layer);
        if (!path.empty() && !IsLayerUnsaved(editor, file.layer))
            continue;
        if (path.empty()) {
            const std::string stem = MapStem(editor);
            const auto chosen =
                ChooseFilePath(shell, FileDialogMode::Save, {}, file.description, file.pattern, {},
                               stem.empty() ? std::string() : stem + file.extensions[0]);
            if (!chosen)
                break;
            path = *chosen;
        }
        if (!WriteLayer(editor, shell, file, path))
            break;
        written.push_back(path);
    }
    ShowSavedFiles(shell, written);
    return UnsavedLayers(editor).empty();
}

std::optional<std::string> SaveMapAs(Editor& editor, Shell& shell) {
    const std::string oldStem = MapStem(editor);
    const auto chosen = ChooseFilePath(shell, FileDialogMode::Save, {}, "Texture Map Files (*.tm)",
                                       "*.tm", editor.saved.Path(SavedLayer::TextureMap),
                                       oldStem.empty() ? std::string() : oldStem + ".tm");
    if (!chosen)
        return std::nullopt;
    const std::string stem = StemOf(*chosen);
    // Every file is agreed to before the first is written.
    std::vector<std::pair<const LayerFile*, std::string>> targets;
    for (const LayerFile& file : LayerFiles()) {
        if (!HoldsAnything(editor, file.layer))
            continue;
        const std::string target =
            file.layer == SavedLayer::TextureMap ? *chosen : stem + file.extensions[0];
        if (target != *chosen && !MayReplaceFile(shell, target, editor.saved.Path(file.layer)))
            return std::nullopt;
        targets.emplace_back(&file, target);
    }
    std::vector<std::string> written;
    for (const auto& [file, target] : targets) {
        if (!WriteLayer(editor, shell, *file, target))
            break;
        written.push_back(target);
    }
    ShowSavedFiles(shell, written);
    if (written.size() != targets.size() || written.empty())
        return std::nullopt;
    return written.front();
}
