#include "core/edit/EditModes.h"
#include "core/edit/UnsavedChanges.h"
#include "core/input/Input.h"
#include "core/tools/Tool.h"

void PressKey(Editor& editor, Shell& shell, Key key) {
    if (ToolFor(editor.EditMode).KeyPress(editor, shell, key))
        return;
    auto& view = editor.view;
    switch (key) {
    case Key::Escape:
        if (ConfirmQuit(editor, shell, WindowId::Main))
            shell.DestroyMainWindow();
        return;
    case Key::Left:
        view.ViewOriginColumn -= 1;
        break;
    case Key::Up:
        view.ViewOriginRow -= 1;
        break;
    case Key::Right:
        view.ViewOriginColumn += 1;
        break;
    case Key::Down:
        view.ViewOriginRow += 1;
        break;
    case Key::F1:
        SelectTilePaintingMode(editor);
        return;
    case Key::F2:
        SelectHeightEditingMode(editor);
        return;
    default:
        HeightStampKeys(editor, shell, key);
        return;
    }
    RedrawAfterScroll(editor, shell);
}
