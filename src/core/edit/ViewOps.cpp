#include "core/edit/ViewOps.h"

#include "core/mesh/TerrainMesh.h"

#include <algorithm>

void ClampViewOrigin(Editor& editor, Shell& shell) {
    auto& view = editor.view;
    view.ViewOriginColumn = std::clamp(view.ViewOriginColumn, 0, HorizontalScrollMax);
    view.ViewOriginRow = std::clamp(view.ViewOriginRow, 0, VerticalScrollMax);
    shell.ScrollPositionsChanged();
    editor.document.AnnounceViewChanged(ViewAspect::Block);
}

void CenterViewOn(Editor& editor, Shell& shell, int column, int row) {
    auto& view = editor.view;
    view.ViewOriginColumn = column - view.ViewCells / 2;
    view.ViewOriginRow = row - view.ViewCells / 2;
    // The mesh follows the unclamped origin, so a window hanging over the map's top or left
    // edge shows flat water there; only the scroll origin is clamped.
    BuildTerrainMesh(editor, shell, view.ViewOriginColumn, view.ViewOriginRow);
    ClampViewOrigin(editor, shell);
}

void RecentreViews(Editor& editor, Shell& shell) {
    const auto& view = editor.view;
    CenterViewOn(editor, shell, view.ViewOriginColumn + view.ViewCells / 2,
                 view.ViewOriginRow + view.ViewCells / 2);
}
