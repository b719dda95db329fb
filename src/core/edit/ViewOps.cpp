#include "core/edit/ViewOps.h"

#include "core/mesh/TerrainMesh.h"
#include "core/mesh/TerrainMeshRefill.h"

#include <algorithm>

namespace {
void KeepOriginInScrollRanges(ViewState& view, Shell& shell) {
    view.ViewOriginColumn = std::clamp(view.ViewOriginColumn, 0, HorizontalScrollMax);
    view.ViewOriginRow = std::clamp(view.ViewOriginRow, 0, VerticalScrollMax);
    shell.ScrollPositionsChanged();
}
} // namespace

void BuildTerrainMesh(Editor& editor, Shell& shell, int left, int top) {
    if (!editor.document.Heights().HasHeightMap())
        return;
    const int cells = editor.view.ViewCells;
    const CellRect changed = editor.document.TakeTerrainChanges();
    if (editor.mesh.filledFor == TerrainMesh::Window{left, top, cells, cells})
        RefillTerrainMeshCells(editor.mesh, editor.document.Heights(), editor.document.Tiles(),
                               left, top, cells, cells,
                               QRect(changed.left, changed.top, changed.Width(), changed.Height()));
    else
        FillTerrainMesh(editor.mesh, editor.document.Heights(), editor.document.Tiles(), left, top,
                        cells, cells);
    shell.DrawTerrainFrame();
}

void ClampViewOrigin(Editor& editor, Shell& shell) {
    KeepOriginInScrollRanges(editor.view, shell);
    editor.document.AnnounceViewChanged(ViewAspect::Block);
}

void CenterViewOn(Editor& editor, Shell& shell, int column, int row) {
    auto& view = editor.view;
    const int oldColumn = view.ViewOriginColumn;
    const int oldRow = view.ViewOriginRow;
    view.ViewOriginColumn = column - view.ViewCells / 2;
    view.ViewOriginRow = row - view.ViewCells / 2;
    // The mesh follows the unclamped origin, so a window hanging over the map's top or left
    // edge shows flat water there; only the scroll origin is clamped.
    BuildTerrainMesh(editor, shell, view.ViewOriginColumn, view.ViewOriginRow);
    KeepOriginInScrollRanges(view, shell);
    // Every edit ends in a re-centre that leaves the block where it is; what the edit changed
    // has been announced already, so only a block that moved is news.
    if (view.ViewOriginColumn != oldColumn || view.ViewOriginRow != oldRow)
        editor.document.AnnounceViewChanged(ViewAspect::Block);
}

void RecentreViews(Editor& editor, Shell& shell) {
    const auto& view = editor.view;
    CenterViewOn(editor, shell, view.ViewOriginColumn + view.ViewCells / 2,
                 view.ViewOriginRow + view.ViewCells / 2);
}
