#include "core/edit/EditModes.h"

namespace {
void SetEditMode(Editor& editor, int32_t mode) {
    editor.EditMode = mode;
    editor.VertexMode = mode == HeightEditingMode ? 1 : 0;
}

void SetRailChecks(Editor& editor, Shell& shell, bool createRails, bool moveRails) {
    editor.checks.CreateRails = createRails;
    editor.checks.MoveRails = moveRails;
    shell.MenuChecksChanged();
}

void FinishRailSwitch(Editor& editor, Shell& shell) {
    shell.Invalidate(WindowId::Main, false);
    editor.VertexMode = 0;
}
} // namespace

void SelectTilePaintingMode(Editor& editor, Shell& shell) {
    SetEditMode(editor, TilePaintingMode);
    shell.Invalidate(WindowId::Main, false);
    editor.PaletteMode = 0;
    shell.Invalidate(WindowId::ToolPalette, false);
}

void SelectHeightEditingMode(Editor& editor, Shell& shell, WindowId lastRepaint) {
    SetEditMode(editor, HeightEditingMode);
    shell.Invalidate(WindowId::Main, false);
    editor.PaletteMode = 1;
    shell.Invalidate(lastRepaint, false);
}

void SwitchToCreateRails(Editor& editor, Shell& shell) {
    if (editor.EditMode != CreateRailsMode) {
        SetRailChecks(editor, shell, true, false);
        editor.EditMode = CreateRailsMode;
    } else {
        SetRailChecks(editor, shell, false, editor.checks.MoveRails);
        editor.EditMode = TilePaintingMode;
    }
    FinishRailSwitch(editor, shell);
}

void SwitchToMoveRails(Editor& editor, Shell& shell) {
    if (editor.EditMode != MoveRailsMode) {
        SetRailChecks(editor, shell, false, true);
        editor.EditMode = MoveRailsMode;
    } else {
        SetRailChecks(editor, shell, true, false);
        editor.EditMode = CreateRailsMode;
    }
    FinishRailSwitch(editor, shell);
}
