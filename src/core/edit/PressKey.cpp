#include "core/edit/EditModes.h"
#include "core/edit/Input.h"
#include "core/edit/UnsavedChanges.h"

void PressKey(Editor& editor, Shell& shell, int virtualKey) {
    auto& view = editor.view;
    switch (virtualKey) {
    case VK_ESCAPE:
        if (ConfirmQuit(editor, shell, WindowId::Main))
            shell.DestroyMainWindow();
        return;
    case VK_LEFT:
        view.ViewOriginColumn -= 1;
        break;
    case VK_UP:
        view.ViewOriginRow -= 1;
        break;
    case VK_RIGHT:
        view.ViewOriginColumn += 1;
        break;
    case VK_DOWN:
        view.ViewOriginRow += 1;
        break;
    case VK_F1:
        SelectTilePaintingMode(editor, shell);
        return;
    case VK_F2:
        SelectHeightEditingMode(editor, shell, WindowId::ToolPalette);
        return;
    default:
        HeightStampKeys(editor, shell, virtualKey);
        return;
    }
    RedrawAfterScroll(editor, shell);
}
