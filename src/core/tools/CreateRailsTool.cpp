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

std::string CreateRailsTool::Hint() const {
    return "Left: lay a rail point; right: commit the rail; middle: remove the last point.";
}
