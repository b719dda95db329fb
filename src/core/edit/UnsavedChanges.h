#pragma once
// Neither quitting nor loading a file over a layer throws away work silently: when a layer
// holds changes that are in no file, the user is asked first. With nothing unsaved both go
// ahead at once, without a question.

#include "core/Shell.h"
#include "core/edit/Editor.h"

#include <string>
#include <vector>

// The bytes that saving the layer now would write (empty for a map that is not loaded).
std::vector<uint8_t> LayerFileBytes(const Editor& editor, SavedLayer layer);

// The layer as it is now has just been loaded from or written to its file at `path`.
void MarkLayerSaved(Editor& editor, SavedLayer layer, const std::string& path);

// Whether the layer's present content is in no file. A rail segment counts only while it has
// points.
bool IsLayerUnsaved(const Editor& editor, SavedLayer layer);

// The layers whose present content is in no file, in menu order.
std::vector<SavedLayer> UnsavedLayers(const Editor& editor);

// "The texture map and the railroads have changes that are not saved." and the question.
std::string UnsavedChangesText(const std::vector<SavedLayer>& layers, const std::string& question);

// True when the program may end: nothing is unsaved, or the user chose to quit without saving
// (asked in a box owned by `owner`).
bool ConfirmQuit(const Editor& editor, Shell& shell, WindowId owner);

// True when a chosen file may replace `layer`: the layer holds nothing unsaved, or the user
// chose to load without saving (asked in a box owned by `owner`).
bool ConfirmReplaceLayer(const Editor& editor, Shell& shell, SavedLayer layer, WindowId owner);
