#include "core/edit/Zoom.h"

#include "core/edit/Commands.h"
#include "core/mesh/TerrainMesh.h"

#include <array>

namespace {
constexpr std::array<ZoomStep, 6> ZoomSteps = {{
    {CommandZoom400, 256, 4},
    {CommandZoom200, 128, 8},
    {CommandZoom150, 96, 10},
    {CommandZoom100, 64, 16},
    {CommandZoom50, 32, 32},
    {CommandZoom25, 16, 64},
}};
} // namespace

std::optional<ZoomStep> ZoomStepOf(int commandId) {
    for (const ZoomStep& step : ZoomSteps)
        if (step.command == commandId)
            return step;
    return std::nullopt;
}

void SelectZoom(Editor& editor, Shell& shell, const ZoomStep& step) {
    auto& view = editor.view;
    view.TilePixelWidth = view.TilePixelHeight = step.tilePixels;
    editor.checks.ZoomCommand = step.command;
    shell.MenuChecksChanged();
    view.ViewColumns = view.ViewRows = step.cells;
    BuildTerrainGrid(editor.mesh, view.ViewColumns, view.ViewRows);
    shell.Invalidate(WindowId::None, true);
}
