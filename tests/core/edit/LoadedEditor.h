#pragma once
// Editors with layers filled, and short forms of what the tests compare.

#include "core/edit/Editor.h"
#include "core/model/MapDocument.h"
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

// Hears what a document announces.
struct Announcements : ScopedDocumentListener {
    using ScopedDocumentListener::ScopedDocumentListener;
    std::vector<CellRect> tiles;
    std::vector<CellRect> heights;
    int rails = 0;
    std::vector<ViewAspect> views;
    std::vector<std::pair<CellRect, CellRect>> overlays; // before and now
    void TilesChanged(const CellRect& cells) override { tiles.push_back(cells); }
    void HeightsChanged(const CellRect& cells) override { heights.push_back(cells); }
    void RailsChanged() override { ++rails; }
    void ViewChanged(ViewAspect aspect) override { views.push_back(aspect); }
    void PointerOverlayChanged(const CellRect& before, const CellRect& now) override {
        overlays.emplace_back(before, now);
    }
    void Clear() {
        tiles.clear();
        heights.clear();
        rails = 0;
        views.clear();
        overlays.clear();
    }
};

// Such an editor, a shell recording what it is asked to do and what its document announced.
class EditorTest : public ::testing::Test {
  protected:
    std::unique_ptr<Editor> owned = MakeEditor();
    Editor& editor = *owned;
    RecordingShell shell;
    Announcements heard{editor.document};
};

// Recorded shell calls as one line: "checks, scroll".
inline std::string Joined(const std::vector<std::string>& calls) {
    std::string line;
    for (const std::string& call : calls)
        line += (line.empty() ? "" : ", ") + call;
    return line;
}
