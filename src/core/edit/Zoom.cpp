#include "core/edit/Zoom.h"

#include "core/edit/ViewOps.h"
#include "core/map/MapGeometry.h"
#include "core/mesh/TerrainMesh.h"

#include <algorithm>

#include <array>

namespace {
constexpr std::array<ZoomStep, 6> ZoomSteps = {{
    {CommandId::Zoom400, 256, 4},
    {CommandId::Zoom200, 128, 8},
    {CommandId::Zoom150, 96, 10},
    {CommandId::Zoom100, 64, 16},
    {CommandId::Zoom50, 32, 32},
    {CommandId::Zoom25, 16, 64},
}};
} // namespace

std::optional<ZoomStep> ZoomStepOf(CommandId command) {
    for (const ZoomStep& step : ZoomSteps)
        if (step.command == command)
            return step;
    return std::nullopt;
}

void SelectZoom(Editor& editor, Shell& shell, const ZoomStep& step) {
    auto& view = editor.view;
    view.TilePixels = step.tilePixels;
    editor.checks.Zoom = step.command;
    shell.MenuChecksChanged();
    view.ViewCells = step.cells;
    BuildTerrainGrid(editor.mesh, view.ViewCells, view.ViewCells);
    // The 3D view shows the terrain of the new block at once, not a flat grid until the next
    // scroll or edit.
    view.TerrainLeft = view.ViewOriginColumn;
    view.TerrainTop = view.ViewOriginRow;
    editor.document.AnnounceViewChanged(ViewAspect::Block);
}

void ZoomAtPointer(Editor& editor, Shell& shell, int steps, int clientX, int clientY) {
    auto& view = editor.view;
    // The steps run from the largest tiles to the smallest, so zooming in goes backwards.
    const auto current = std::find_if(ZoomSteps.begin(), ZoomSteps.end(), [&](const ZoomStep& s) {
        return s.tilePixels == view.TilePixels;
    });
    if (current == ZoomSteps.end())
        return;
    const long index = std::clamp<long>((current - ZoomSteps.begin()) - steps, 0,
                                        static_cast<long>(ZoomSteps.size()) - 1);
    const ZoomStep& next = ZoomSteps[static_cast<size_t>(index)];
    if (next.tilePixels == view.TilePixels)
        return;
    const int column = view.ViewOriginColumn + FloorDivide(clientX, view.TilePixels);
    const int row = view.ViewOriginRow + FloorDivide(clientY, view.TilePixels);
    view.ViewOriginColumn = column - FloorDivide(clientX, next.tilePixels);
    view.ViewOriginRow = row - FloorDivide(clientY, next.tilePixels);
    ClampViewOrigin(editor, shell);
    SelectZoom(editor, shell, next);
}
