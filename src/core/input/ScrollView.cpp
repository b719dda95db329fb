#include "core/input/Input.h"

#include "core/edit/ViewOps.h"

#include <cstdint>

void RedrawAfterScroll(Editor& editor, Shell& shell) {
    RecentreViews(editor, shell);
}

void ScrollView(Editor& editor, Shell& shell, ScrollAxis axis, ScrollStep step, int position) {
    int32_t& origin =
        axis == ScrollAxis::Horizontal ? editor.view.ViewOriginColumn : editor.view.ViewOriginRow;
    // The origin is always within the scroll ranges here, so these sums cannot overflow;
    // RecentreViews clamps them back into range.
    switch (step) {
    case ScrollStep::LineBack:
        origin -= 1;
        break;
    case ScrollStep::LineForward:
        origin += 1;
        break;
    case ScrollStep::PageBack:
        origin -= 10;
        break;
    case ScrollStep::PageForward:
        origin += 10;
        break;
    case ScrollStep::ToPosition:
        origin = static_cast<int16_t>(position);
        break;
    }
    RedrawAfterScroll(editor, shell);
}
