#include "core/input/EditTools.h"

#include "core/tools/Tool.h"

void EditAtCursor(Editor& editor, Shell& shell, ButtonAction action, Modifiers modifiers) {
    // Widened so that no cursor or origin value can overflow the sum.
    const long long column =
        static_cast<long long>(editor.view.ViewOriginColumn) + editor.cursor.MouseColumn;
    const long long row =
        static_cast<long long>(editor.view.ViewOriginRow) + editor.cursor.MouseRow;
    if (row < 0 || row >= MapHeight || column < 0 || column >= MapWidth)
        return;
    ToolFor(editor.EditMode)
        .Act(editor, shell, action, modifiers, static_cast<int>(row), static_cast<int>(column));
}
