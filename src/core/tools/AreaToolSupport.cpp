#include "core/tools/AreaToolSupport.h"

#include "core/edit/Editor.h"
#include "core/edit/ViewOps.h"

#include <algorithm>
#include <cstdint>

QRect ViewPixelsOf(const Editor& editor, const CellRect& cells) {
    const auto& view = editor.view;
    // Widened and clamped: a rectangle far from the view stays within int.
    const auto pixel = [&](int64_t cell, int32_t origin) {
        const int64_t value = (cell - origin) * view.TilePixels;
        return static_cast<int>(std::clamp<int64_t>(value, -(1 << 24), 1 << 24));
    };
    const int left = pixel(cells.left, view.ViewOriginColumn);
    const int top = pixel(cells.top, view.ViewOriginRow);
    return QRect(QPoint(left, top), QPoint(pixel(cells.right, view.ViewOriginColumn) - 1,
                                           pixel(cells.bottom, view.ViewOriginRow) - 1));
}

CellRect PointerOverlayCells(const Editor& editor) {
    return ToolFor(editor.EditMode).OverlayCells(editor);
}

void AnnounceOverlayChanged(Editor& editor, const CellRect& before) {
    editor.document.AnnouncePointerOverlay(before, PointerOverlayCells(editor));
}

void FinishLayerEdit(Editor& editor, Shell& shell) {
    if (editor.document.Heights().HasHeightMap())
        RebuildHeightShade(editor.document.Heights(), editor.heightShade);
    RecentreViews(editor, shell);
}

MapPoint PointerCell(const Editor& editor) {
    return {editor.view.ViewOriginRow + editor.cursor.MouseRow,
            editor.view.ViewOriginColumn + editor.cursor.MouseColumn};
}
