#pragma once
// An editing tool: what the pointer buttons, the pointer's moves and the keys do over the
// texture view, what it draws over the view, the name of the undo step it makes and the hint
// the status bar shows for it. One class per tool; ToolFor picks the current one.
//
// The four classic tools act cell by cell through Act, driven by the input rules' tracking of
// the left button and their vertex snap. Tools that say TakesPointer get the press, every
// move and the release themselves instead, with the map cell under the pointer. Either way a
// press of the left button begins one undo step and its release ends it.

#include "core/Shell.h"
#include "core/edit/InputEvents.h"
#include "core/map/MapPoint.h"

#include <optional>
#include <string>

class QPainter;
struct Editor;
enum class ToolMode;

class Tool {
  public:
    virtual ~Tool() = default;

    // The undo step an action makes ("Paint Tiles").
    virtual std::string StepName(ButtonAction action) const = 0;
    // One line saying what the buttons and keys do.
    virtual std::string Hint() const = 0;

    // A classic tool acts at map cell (row, column), which is on the map; rail tools use the
    // cursor's world point. Without the layer the tool works on, nothing happens.
    virtual void Act(Editor& /*editor*/, Shell& /*shell*/, ButtonAction /*action*/,
                     Modifiers /*modifiers*/, int /*row*/, int /*column*/) const {}

    // Whether the tool takes Press, Move and Release itself.
    virtual bool TakesPointer() const { return false; }
    // A button went down (LeftPress, RightPress, MiddlePress) or up (LeftRelease,
    // RightRelease) over `cell`.
    virtual void Press(Editor& /*editor*/, Shell& /*shell*/, ButtonAction /*action*/,
                       Modifiers /*modifiers*/, MapPoint /*cell*/) const {}
    virtual void Release(Editor& /*editor*/, Shell& /*shell*/, ButtonAction /*action*/,
                         Modifiers /*modifiers*/, MapPoint /*cell*/) const {}
    // The pointer moved to `cell`; `leftHeld` while the left button is down.
    virtual void Move(Editor& /*editor*/, Shell& /*shell*/, MapPoint /*cell*/,
                      bool /*leftHeld*/) const {}
    // A key went down; true when the tool used it, so that it has no other effect.
    virtual bool KeyPress(Editor& /*editor*/, Shell& /*shell*/, Key /*key*/) const { return false; }
    // Draws the tool's marks over the texture view (view pixels, origin at the block's
    // top-left corner).
    virtual void PaintOverlay(QPainter& /*painter*/, const Editor& /*editor*/) const {}
};

// The tool of a mode.
const Tool& ToolFor(ToolMode mode);
