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

void FinishRailSwitch(Editor& editor, Shell& shell) {
    shell.Invalidate(WindowId::Main, false);
    editor.VertexMode = false;
}
} // namespace

void SelectTilePaintingMode(Editor& editor, Shell& shell) {
    SetEditMode(editor, ToolMode::TilePainting);
    shell.Invalidate(WindowId::Main, false);
    editor.PaletteMode = 0;
    shell.Invalidate(WindowId::ToolPalette, false);
}

void SelectHeightEditingMode(Editor& editor, Shell& shell, WindowId lastRepaint) {
    SetEditMode(editor, ToolMode::HeightEditing);
    shell.Invalidate(WindowId::Main, false);
    editor.PaletteMode = 1;
    shell.Invalidate(lastRepaint, false);
}

void SwitchTool(Editor& editor, Shell& shell, ToolMode mode) {
    SetEditMode(editor, mode);
    editor.PaletteMode = -1;
    shell.Invalidate(WindowId::Main, false);
    shell.Invalidate(WindowId::ToolPalette, false);
}

void SwitchToCreateRails(Editor& editor, Shell& shell) {
    if (editor.EditMode != ToolMode::CreateRails) {
        SetRailChecks(editor, shell, true, false);
        editor.EditMode = ToolMode::CreateRails;
    } else {
        SetRailChecks(editor, shell, false, editor.checks.MoveRails);
        editor.EditMode = ToolMode::TilePainting;
    }
    FinishRailSwitch(editor, shell);
}

void SwitchToMoveRails(Editor& editor, Shell& shell) {
    if (editor.EditMode != ToolMode::MoveRails) {
        SetRailChecks(editor, shell, false, true);
        editor.EditMode = ToolMode::MoveRails;
    } else {
        SetRailChecks(editor, shell, true, false);
        editor.EditMode = ToolMode::CreateRails;
    }
    FinishRailSwitch(editor, shell);
}
