#include "core/tools/CreateRailsTool.h"

#include "core/edit/Editor.h"

void CreateRailsTool::Act(Editor& editor, Shell& shell, ButtonAction action,
                          Modifiers /*modifiers*/, int /*row*/, int /*column*/) const {
    if (!editor.document.Tiles().HasTileMap())
        return;
    if (action == ButtonAction::LeftRelease) {
        editor.document.EditRails([&](RailNetwork& rails) {
            AddRailPoint(rails, shell, editor.cursor.MouseWorldX, editor.cursor.MouseWorldY);
        });
    } else if (action == ButtonAction::RightRelease) {
        editor.document.EditRails([&](RailNetwork& rails) { CommitRailPoints(rails, shell); });
    }
}

std::string CreateRailsTool::StepName(ButtonAction action) const {
    if (action == ButtonAction::RightRelease)
        return "Commit Rails";
    return action == ButtonAction::MiddlePress ? "Remove Rail Point" : "Lay Rail Point";
}

CellRect CreateRailsTool::OverlayCells(const Editor& editor) const {
    const RailNetwork& rails = editor.document.Rails();
    if (!editor.flags.ShowRailroads || rails.PendingRailPointCount < 1)
        return {};
    const RailPoint& last =
        rails.PendingRailPoints[static_cast<size_t>(rails.PendingRailPointCount - 1)];
    const auto& cursor = editor.cursor;
    return CellRect::Spanning(CellOfWorld(last.y, WorldOriginRow),
                              CellOfWorld(last.x, WorldOriginColumn),
                              CellOfWorld(cursor.MouseWorldY, WorldOriginRow),
                              CellOfWorld(cursor.MouseWorldX, WorldOriginColumn));
}

std::string CreateRailsTool::Hint() const {
    return "Left: lay a rail point; right: commit the rail; middle: remove the last point.";
}
