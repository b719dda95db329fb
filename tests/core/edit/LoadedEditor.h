#pragma once
// Editors with layers filled, and short forms of what the tests compare.

#include "core/edit/Editor.h"
#include "support/RecordingShell.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

inline void FillTiles(Editor& editor, TileCell cell) {
    editor.document.ReplaceTiles(std::vector<TileCell>(MapCellCount, cell));
}

inline void FillHeights(Editor& editor, uint16_t height) {
    editor.document.ReplaceHeights(std::vector<uint16_t>(MapCellCount, height));
}

// An editor at 32 pixels per cell and 32 x 32 cells, as the program runs after start-up.
inline std::unique_ptr<Editor> MakeEditor() {
    auto editor = std::make_unique<Editor>();
    editor->view.TilePixels = 32;
    editor->view.ViewCells = 32;
    return editor;
}

// Such an editor and a shell recording what it is asked to do.
class EditorTest : public ::testing::Test {
  protected:
    std::unique_ptr<Editor> owned = MakeEditor();
    Editor& editor = *owned;
    RecordingShell shell;
};

// Recorded shell calls as one line: "checks, invalidate Main".
inline std::string Joined(const std::vector<std::string>& calls) {
    std::string line;
    for (const std::string& call : calls)
        line += (line.empty() ? "" : ", ") + call;
    return line;
}
