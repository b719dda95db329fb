#include "core/edit/PointerReadout.h"

#include "core/edit/CommandRegistry.h"
#include "core/map/LatLong.h"
#include "core/map/MapGeometry.h"

#include <cmath>
#include <cstdio>

namespace {

std::string TileText(TileCell cell) {
    const std::string name(TileDisplayName(CodeOf(cell)));
    const int turns = RotationOf(cell);
    if (turns == 0)
        return name;
    return name + ", " + std::to_string(turns) + (turns == 1 ? " quarter turn" : " quarter turns");
}

CommandId ToolCommand(ToolMode mode) {
    switch (mode) {
    case ToolMode::TilePainting:
        break;
    case ToolMode::HeightEditing:
        return CommandId::HeightEditingMode;
    case ToolMode::CreateRails:
        return CommandId::CreateRails;
    case ToolMode::MoveRails:
        return CommandId::MoveRails;
    case ToolMode::Select:
        return CommandId::SelectTool;
    case ToolMode::FloodFill:
        return CommandId::FloodFillTool;
    case ToolMode::Line:
        return CommandId::LineTool;
    case ToolMode::Paste:
        return CommandId::Paste;
    case ToolMode::HeightBrush:
        return CommandId::HeightBrushTool;
    }
    return CommandId::TilePaintingMode;
}

} // namespace

std::string DegreesAndMinutes(double degrees, char positive, char negative) {
    const long minutes = static_cast<long>(std::floor(std::fabs(degrees) * 60.0 + 1e-9));
    char text[32];
    std::snprintf(text, sizeof text, "%ld\xC2\xB0%02ld'%c", minutes / 60, minutes % 60,
                  degrees < 0 ? negative : positive);
    return text;
}

PointerReadout ReadPointer(const Editor& editor) {
    const ViewState& view = editor.view;
    const CursorState& cursor = editor.cursor;
    const int pixels = view.TilePixels > 0 ? view.TilePixels : 1;
    const int column = view.ViewOriginColumn + FloorDivide(cursor.MouseX, pixels);
    const int row = view.ViewOriginRow + FloorDivide(cursor.MouseY, pixels);
    // The pointer's place in cells, its position inside the cell included.
    const double x = view.ViewOriginColumn + static_cast<double>(cursor.MouseX) / pixels;
    const double y = view.ViewOriginRow + static_cast<double>(cursor.MouseY) / pixels;

    PointerReadout readout;
    readout.cell = "column " + std::to_string(column) + ", row " + std::to_string(row);
    readout.position = DegreesAndMinutes(LatitudeOfRow(0) - y / CellsPerDegree, 'N', 'S') + " " +
                       DegreesAndMinutes(LongitudeOfColumn(0) + x / CellsPerDegree, 'E', 'W');
    if (IsInsideMap(row, column)) {
        if (editor.document.Tiles().HasTileMap())
            readout.tile = TileText(editor.document.Tiles().At(row, column));
        if (editor.document.Heights().HasHeightMap())
            readout.height =
                "height " + std::to_string(editor.document.Heights().At(CellIndex(row, column)));
    }
    if (editor.checks.Zoom)
        readout.zoom = PlainLabel(CommandEntryOf(*editor.checks.Zoom).label);
    readout.tool = PlainLabel(CommandEntryOf(ToolCommand(editor.EditMode)).label);
    return readout;
}
