#include "core/edit/Input.h"

#include "core/edit/ViewOps.h"

#include <cstdint>

void RedrawAfterScroll(Editor& editor, Shell& shell) {
    RecentreViews(editor, shell);
    shell.Invalidate(WindowId::Main, false);
    shell.Update(WindowId::Main);
    shell.Invalidate(WindowId::HeightView, false);
    shell.Update(WindowId::HeightView);
}

void ScrollView(Editor& editor, Shell& shell, ScrollAxis axis, int request, int position) {
    int32_t& origin =
        axis == ScrollAxis::Horizontal ? editor.view.ViewOriginColumn : editor.view.ViewOriginRow;
    // The origin is always within the scroll ranges here, so these sums cannot overflow;
    // RecentreViews clamps them back into range.
    switch (request) {
    case SB_LINEUP:
        origin -= 1;
        break;
    case SB_LINEDOWN:
        origin += 1;
        break;
    case SB_PAGEUP:
        origin -= 10;
        break;
    case SB_PAGEDOWN:
        origin += 10;
        break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
        origin = static_cast<int16_t>(position);
        break;
    default:
        break;
    }
    RedrawAfterScroll(editor, shell);
}
