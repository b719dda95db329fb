#pragma once
// The editor's input vocabulary. The app translates its toolkit's events into these in one
// place; the input rules and the tools know nothing else.

// What a pointer button did over the texture view, as the tools see it.
enum class ButtonAction { LeftPress, LeftRelease, RightPress, RightRelease, MiddlePress };

// The modifier keys held with a button.
struct Modifiers {
    bool shift = false;
    bool control = false;
};

// The keys the main window acts on.
enum class Key { Escape, Left, Up, Right, Down, F1, F2, F3, F4, F5, F6, F7, F8, F9 };

// A request from a scroll bar: a line or a page back or forward, or the box moved to a
// position.
enum class ScrollStep { LineBack, LineForward, PageBack, PageForward, ToPosition };
