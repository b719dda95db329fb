#include "core/edit/ViewOps.h"

#include <algorithm>

namespace {
void KeepOriginInScrollRanges(ViewState& view, Shell& shell) {
    view.ViewOriginColumn = std::clamp(view.ViewOriginColumn, 0, HorizontalScrollMax);
    view.ViewOriginRow = std::clamp(view.ViewOriginRow, 0, VerticalScrollMax);
    shell.ScrollPositionsChanged();
}
} // namespace

void ClampViewOrigin(Editor& editor, Shell& shell) {
    KeepOriginInScrollRanges(editor.view, shell);
    editor.document.AnnounceViewChanged(ViewAspect::Block);
}

void CenterViewOn(Editor& editor, Shell& shell, int column, int row) {
    auto& view = editor.view;
    const ViewState before = view;
    view.ViewOriginColumn = column - view.ViewCells / 2;
    view.ViewOriginRow = row - view.ViewCells / 2;
    // The 3D window follows the unclamped origin, so a window hanging over the map's top or
    // left edge shows flat water there; only the scroll origin is clamped.
    view.TerrainLeft = view.ViewOriginColumn;
    view.TerrainTop = view.ViewOriginRow;
    KeepOriginInScrollRanges(view, shell);
    // Every edit ends in a re-centre that leaves the block where it is; what the edit changed
    // has been announced already, so only a block or window that moved is news.
    if (view.ViewOriginColumn != before.ViewOriginColumn ||
        view.ViewOriginRow != before.ViewOriginRow || view.TerrainLeft != before.TerrainLeft ||
        view.TerrainTop != before.TerrainTop)
        editor.document.AnnounceViewChanged(ViewAspect::Block);
}

void RecentreViews(Editor& editor, Shell& shell) {
    const auto& view = editor.view;
    CenterViewOn(editor, shell, view.ViewOriginColumn + view.ViewCells / 2,
                 view.ViewOriginRow + view.ViewCells / 2);
}
