#pragma once
// The main window's input rules: scroll bars, keys and the mouse, as operations the app
// calls with each event it receives. They keep the cursor state, move the view, switch the
// tool and decide when the edit tools are called.
//
// How the app drives them:
// - Scroll bars: ScrollView with the axis and the step; for ScrollStep::ToPosition also the
//   box position.
// - Key presses in the main window or the tool palette: PressKey with the key.
// - Mouse moves over the main window: MoveMouse with the cursor's screen and client position
//   and whether the main window has the keyboard focus.
// - Left press: PressLeftButton. When it returns true, poll: call TrackLeftButton at once
//   with the cursor's current client position and the press's key flags, then again at each
//   poll while the button stays down, never from a nested blocking loop. When a poll finds
//   the button up, call EndLeftButtonTracking. When the release event arrives, first call
//   EndLeftButtonTracking if tracking is still running, then ReleaseLeftButton.
// - Right press and release, middle press: PressRightButton, ReleaseRightButton,
//   PressMiddleButton with the event's modifiers.

#include "core/Shell.h"
#include "core/edit/Editor.h"
#include "core/edit/InputEvents.h"

enum class ScrollAxis { Horizontal, Vertical };

// Lines move the origin by 1, pages by 10, the box sets it (read as a signed 16-bit
// number). Every step then re-centres (which clamps the origin into 0 ... 640 and
// 0 ... 320) and repaints the main window and the height view.
void ScrollView(Editor& editor, Shell& shell, ScrollAxis axis, ScrollStep step, int position = 0);
// The redraw after a scroll or an arrow key: re-centre, then invalidate and update the
// main window and then the height view.
void RedrawAfterScroll(Editor& editor, Shell& shell);

// Escape ends the program, the arrows scroll by one cell, F1 and F2 pick the tool, F3 to F9
// stamp heights (HeightStampKeys).
void PressKey(Editor& editor, Shell& shell, Key key);

// F3 to F9: set the heights of every cell of one tile class. Only when both a tile map and
// a height map exist; re-centres and rebuilds the height view's shade. False for other keys
// or when nothing was done.
bool HeightStampKeys(Editor& editor, Shell& shell, Key key);

struct PointerPosition {
    int screenX = 0;
    int screenY = 0;
    int clientX = 0; // in the main window's client area
    int clientY = 0;
};

// The cursor state for a client position: MouseX/Y, the previous and the new view cell
// and the world point, in 32-bit arithmetic with truncating division.
void UpdateCursorState(Editor& editor, int clientX, int clientY);

// A mouse move: focus follows the mouse when asked, hand-over of the pointer to the 3D view
// at screen x < 2, the cursor state, and in VertexMode the snap to the nearest grid vertex
// with an immediate repaint when the vertex changed or the left button is down.
void MoveMouse(Editor& editor, Shell& shell, const PointerPosition& pointer,
               bool mainWindowHasFocus);

// Left press. In VertexMode the tool acts once and the views are re-centred; returns false.
// Otherwise returns true: the app now tracks the button (see above).
bool PressLeftButton(Editor& editor, Shell& shell, Modifiers modifiers);
// One poll of the held left button: the cursor state for the client position; when the
// cursor is still in the cell of the previous reading and inside the block the view shows, the
// tool acts there with the press's
// modifiers and that cell is repainted at once.
void TrackLeftButton(Editor& editor, Shell& shell, int clientX, int clientY,
                     Modifiers pressModifiers);
// The button was found up: re-centre the views and repaint the height view.
void EndLeftButtonTracking(Editor& editor, Shell& shell);
// The release event: LeftButtonDown is cleared and the tool acts with the left release.
void ReleaseLeftButton(Editor& editor, Shell& shell, Modifiers modifiers);

void PressRightButton(Editor& editor, Shell& shell, Modifiers modifiers);
// Only in create-rails mode does the right release reach the tool.
void ReleaseRightButton(Editor& editor, Shell& shell, Modifiers modifiers);
// In create-rails mode with pending points the middle button drops the last one (no
// repaint); otherwise the tool acts with the middle press.
void PressMiddleButton(Editor& editor, Shell& shell, Modifiers modifiers);
