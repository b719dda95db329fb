#include "core/edit/EditModes.h"
#include "core/edit/ViewOps.h"
#include "core/input/EditTools.h"
#include "core/input/Input.h"
#include "core/tools/AreaToolSupport.h"
#include "core/tools/Tool.h"

#include <algorithm>
#include <cstdint>
#include <string>

namespace {
bool IsRelease(ButtonAction action) {
    return action == ButtonAction::LeftRelease || action == ButtonAction::RightRelease;
}

// A button reaches the current tool: a classic tool acts at the cursor's cell, a tool that
// takes the pointer gets the press or release itself.
void ApplyTool(Editor& editor, Shell& shell, ButtonAction action, Modifiers modifiers) {
    const Tool& tool = ToolFor(editor.EditMode);
    if (!tool.TakesPointer())
        EditAtCursor(editor, shell, action, modifiers);
    else if (IsRelease(action))
        tool.Release(editor, shell, action, modifiers, PointerCell(editor));
    else
        tool.Press(editor, shell, action, modifiers, PointerCell(editor));
}

// One click that is one undo step.
void EditAsOneStep(Editor& editor, Shell& shell, ButtonAction action, Modifiers modifiers) {
    editor.history->Begin(editor.document);
    ApplyTool(editor, shell, action, modifiers);
    editor.history->Commit(editor.document, ToolFor(editor.EditMode).StepName(action));
}

// The rubber band from the last point laid follows the pointer.
void FollowWithRubberBand(Editor& editor, const CellRect& overlayBefore) {
    if (editor.EditMode == ToolMode::CreateRails && editor.flags.ShowRailroads &&
        editor.document.Rails().PendingRailPointCount > 0)
        AnnounceOverlayChanged(editor, overlayBefore);
}

// Re-centre the views around the edited block.
void RecentreAfterEdit(Editor& editor, Shell& shell) {
    RecentreViews(editor, shell);
}
} // namespace

void MoveMouse(Editor& editor, Shell& shell, const PointerPosition& pointer,
               bool mainWindowHasFocus) {
    auto& cursor = editor.cursor;
    // Where the marks drawn at the pointer were before it moved.
    const CellRect overlayBefore = PointerOverlayCells(editor);
    if (editor.flags.FocusFollowsMouse && !mainWindowHasFocus)
        shell.FocusMainWindow();
    if (pointer.screenX < 2) {
        cursor.PointerIn3D = true;
        shell.HandPointerTo3D(pointer.screenY);
    }
    UpdateCursorState(editor, pointer.clientX, pointer.clientY);
    FollowWithRubberBand(editor, overlayBefore);
    if (const Tool& tool = ToolFor(editor.EditMode); tool.TakesPointer())
        tool.Move(editor, shell, PointerCell(editor), cursor.LeftButtonDown);
    if (!editor.VertexMode)
        return;
    // Snap to the nearest grid vertex; exactly half a cell stays on the vertex before it.
    const auto& view = editor.view;
    const int i = cursor.MouseColumn;
    const int j = cursor.MouseRow;
    if (pointer.clientX - static_cast<double>(i) * view.TilePixels > view.TilePixels / 2.0)
        cursor.MouseColumn = i + 1;
    if (pointer.clientY - static_cast<double>(j) * view.TilePixels > view.TilePixels / 2.0)
        cursor.MouseRow = j + 1;
    if (cursor.MouseColumn != cursor.PrevMouseColumn || cursor.MouseRow != cursor.PrevMouseRow ||
        cursor.LeftButtonDown)
        AnnounceOverlayChanged(editor, overlayBefore);
}

bool PressLeftButton(Editor& editor, Shell& shell, Modifiers modifiers) {
    editor.cursor.LeftButtonDown = true;
    // Everything up to the release is one step.
    editor.history->Begin(editor.document);
    if (ToolFor(editor.EditMode).TakesPointer()) {
        ApplyTool(editor, shell, ButtonAction::LeftPress, modifiers);
        return false;
    }
    if (!editor.VertexMode)
        return true;
    EditAtCursor(editor, shell, ButtonAction::LeftPress, modifiers);
    RecentreAfterEdit(editor, shell);
    return false;
}

void TrackLeftButton(Editor& editor, Shell& shell, int clientX, int clientY,
                     Modifiers pressModifiers) {
    const auto& cursor = editor.cursor;
    const CellRect overlayBefore = PointerOverlayCells(editor);
    const int worldXBefore = cursor.MouseWorldX;
    const int worldYBefore = cursor.MouseWorldY;
    UpdateCursorState(editor, clientX, clientY);
    // The button is polled while held: only a move of the pointer moves the rubber band.
    if (cursor.MouseWorldX != worldXBefore || cursor.MouseWorldY != worldYBefore)
        FollowWithRubberBand(editor, overlayBefore);
    if (cursor.MouseColumn != cursor.PrevMouseColumn || cursor.MouseRow != cursor.PrevMouseRow)
        return;
    // A stroke dragged off the block edits nothing the user cannot see.
    const auto& block = editor.view;
    if (clientX < 0 || clientY < 0 || cursor.MouseColumn >= block.ViewCells ||
        cursor.MouseRow >= block.ViewCells)
        return;
    EditAtCursor(editor, shell, ButtonAction::LeftPress, pressModifiers);
}

void EndLeftButtonTracking(Editor& editor, Shell& shell) {
    RecentreAfterEdit(editor, shell);
}

void ReleaseLeftButton(Editor& editor, Shell& shell, Modifiers modifiers) {
    editor.cursor.LeftButtonDown = false;
    ApplyTool(editor, shell, ButtonAction::LeftRelease, modifiers);
    editor.history->Commit(editor.document,
                           ToolFor(editor.EditMode).StepName(ButtonAction::LeftRelease));
}

void PressRightButton(Editor& editor, Shell& shell, Modifiers modifiers) {
    EditAsOneStep(editor, shell, ButtonAction::RightPress, modifiers);
}

void ReleaseRightButton(Editor& editor, Shell& shell, Modifiers modifiers) {
    if (editor.EditMode == ToolMode::CreateRails || ToolFor(editor.EditMode).TakesPointer())
        EditAsOneStep(editor, shell, ButtonAction::RightRelease, modifiers);
}

void PressMiddleButton(Editor& editor, Shell& shell, Modifiers modifiers) {
    if (editor.EditMode != ToolMode::CreateRails ||
        editor.document.Rails().PendingRailPointCount == 0) {
        EditAsOneStep(editor, shell, ButtonAction::MiddlePress, modifiers);
        return;
    }
    editor.history->Begin(editor.document);
    editor.document.EditRails(RemoveLastRailPoint);
    editor.history->Commit(editor.document,
                           ToolFor(editor.EditMode).StepName(ButtonAction::MiddlePress));
}
