#pragma once
// Editors with layers filled for the edit and input tests.

#include "core/edit/Editor.h"

#include <array>
#include <memory>
#include <vector>

inline void FillTiles(Editor& editor, TileCell cell) {
    editor.tileMap.Replace(std::vector<TileCell>(MapCellCount, cell));
}

inline void FillHeights(Editor& editor, uint16_t height) {
    editor.heightMap.Replace(std::vector<uint16_t>(MapCellCount, height));
}

// An editor at 32 pixels per cell and 32 x 32 cells, as the program runs after start-up.
inline std::unique_ptr<Editor> MakeEditor() {
    auto editor = std::make_unique<Editor>();
    editor->view.TilePixelWidth = editor->view.TilePixelHeight = 32;
    editor->view.ViewColumns = editor->view.ViewRows = 32;
    return editor;
}

// EditMode, VertexMode and PaletteMode, compared together.
inline std::array<int32_t, 3> Modes(const Editor& editor) {
    return {editor.EditMode, editor.VertexMode, editor.PaletteMode};
}
using ModeValues = std::array<int32_t, 3>;
