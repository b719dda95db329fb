#include "core/edit/EditModes.h"

namespace {
void SetEditMode(Editor& editor, ToolMode mode) {
    editor.EditMode = mode;
    editor.VertexMode = mode == ToolMode::HeightEditing;
}

void SetRailChecks(Editor& editor, Shell& shell, bool createRails, bool moveRails) {
    editor.checks.CreateRails = createRails;
    editor.checks.MoveRails = moveRails;
    shell.MenuChecksChanged();
}

void FinishRailSwitch(Editor& editor) {
    editor.VertexMode = false;
    editor.document.AnnounceViewChanged(ViewAspect::Display);
}
} // namespace

void SelectTilePaintingMode(Editor& editor) {
    SetEditMode(editor, ToolMode::TilePainting);
    editor.PaletteMode = 0;
    editor.document.AnnounceViewChanged(ViewAspect::Display);
}

void SelectHeightEditingMode(Editor& editor) {
    SetEditMode(editor, ToolMode::HeightEditing);
    editor.PaletteMode = 1;
    editor.document.AnnounceViewChanged(ViewAspect::Display);
}

void SwitchTool(Editor& editor, ToolMode mode) {
    SetEditMode(editor, mode);
    editor.PaletteMode = -1;
    editor.document.AnnounceViewChanged(ViewAspect::Display);
}

void SwitchToCreateRails(Editor& editor, Shell& shell) {
    if (editor.EditMode != ToolMode::CreateRails) {
        SetRailChecks(editor, shell, true, false);
        editor.EditMode = ToolMode::CreateRails;
    } else {
        SetRailChecks(editor, shell, false, editor.checks.MoveRails);
        editor.EditMode = ToolMode::TilePainting;
    }
    FinishRailSwitch(editor);
}

void SwitchToMoveRails(Editor& editor, Shell& shell) {
    if (editor.EditMode != ToolMode::MoveRails) {
        SetRailChecks(editor, shell, false, true);
        editor.EditMode = ToolMode::MoveRails;
    } else {
        SetRailChecks(editor, shell, true, false);
        editor.EditMode = ToolMode::CreateRails;
    }
    FinishRailSwitch(editor);
}
