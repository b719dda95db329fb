#include "core/edit/Input.h"

#include "core/edit/LoadedEditor.h"
#include "support/RecordingShell.h"

#include <gtest/gtest.h>

using Calls = std::vector<std::string>;

namespace {
const Calls ScrollRedraw = {"scroll", "invalidate Main", "update Main", "invalidate HeightView",
                            "update HeightView"};
}

TEST(ScrollView, RequestsMoveTheOriginAndRecentreClampsIt) {
    auto editor = MakeEditor();
    RecordingShell shell;
    auto& view = editor->view;
    view.ViewOriginColumn = 635;
    ScrollView(*editor, shell, ScrollAxis::Horizontal, SB_PAGEDOWN);
    EXPECT_EQ(view.ViewOriginColumn, 640);
    EXPECT_EQ(shell.calls, ScrollRedraw);

    view.ViewOriginRow = 0;
    ScrollView(*editor, shell, ScrollAxis::Vertical, SB_LINEUP);
    EXPECT_EQ(view.ViewOriginRow, 0);
    ScrollView(*editor, shell, ScrollAxis::Vertical, SB_LINEDOWN);
    ScrollView(*editor, shell, ScrollAxis::Vertical, SB_PAGEDOWN);
    EXPECT_EQ(view.ViewOriginRow, 11);
    ScrollView(*editor, shell, ScrollAxis::Vertical, SB_PAGEUP);
    EXPECT_EQ(view.ViewOriginRow, 1);
    EXPECT_EQ(view.ViewOriginColumn, 640);

    ScrollView(*editor, shell, ScrollAxis::Horizontal, SB_THUMBTRACK, 123);
    EXPECT_EQ(view.ViewOriginColumn, 123);
    ScrollView(*editor, shell, ScrollAxis::Vertical, SB_THUMBPOSITION, 300);
    EXPECT_EQ(view.ViewOriginRow, 300);
    // The box position is read as a signed 16-bit number: 65535 is -1, clamped to 0.
    ScrollView(*editor, shell, ScrollAxis::Vertical, SB_THUMBPOSITION, 65535);
    EXPECT_EQ(view.ViewOriginRow, 0);

    // Other codes change nothing but still redraw.
    shell.Clear();
    ScrollView(*editor, shell, ScrollAxis::Horizontal, 8);
    EXPECT_EQ(view.ViewOriginColumn, 123);
    EXPECT_EQ(shell.calls, ScrollRedraw);
}

TEST(PressKey, ArrowsScrollByOneCellAndRebuildThe3DView) {
    auto editor = MakeEditor();
    RecordingShell shell;
    FillHeights(*editor, 0);
    PressKey(*editor, shell, VK_LEFT);
    EXPECT_EQ(editor->view.ViewOriginColumn, 0);
    EXPECT_EQ(shell.calls, (Calls{"frame", "scroll", "invalidate Main", "update Main",
                                  "invalidate HeightView", "update HeightView"}));
    PressKey(*editor, shell, VK_RIGHT);
    PressKey(*editor, shell, VK_DOWN);
    PressKey(*editor, shell, VK_DOWN);
    PressKey(*editor, shell, VK_UP);
    EXPECT_EQ(editor->view.ViewOriginColumn, 1);
    EXPECT_EQ(editor->view.ViewOriginRow, 1);
}

TEST(PressKey, EscapeModeKeysAndIgnoredKeys) {
    Editor editor;
    RecordingShell shell;
    PressKey(editor, shell, 'A');
    PressKey(editor, shell, 0x79); // F10
    EXPECT_TRUE(shell.calls.empty());
    PressKey(editor, shell, VK_F2);
    EXPECT_EQ(Modes(editor), (ModeValues{1, 1, 1}));
    EXPECT_EQ(shell.calls, (Calls{"invalidate Main", "invalidate ToolPalette"}));
    shell.Clear();
    PressKey(editor, shell, VK_F1);
    EXPECT_EQ(Modes(editor), (ModeValues{0, 0, 0}));
    EXPECT_EQ(shell.calls, (Calls{"invalidate Main", "invalidate ToolPalette"}));
    shell.Clear();
    PressKey(editor, shell, VK_ESCAPE);
    EXPECT_EQ(shell.calls, (Calls{"destroy"}));
}

TEST(HeightStampKeys, WaterLevelAndClassStamps) {
    auto editor = MakeEditor();
    RecordingShell shell;
    FillTiles(*editor, MakeCell(2, 1)); // grass
    FillHeights(*editor, 0);
    editor->tileMap.Set(0, 0, MakeCell(1, 3));  // coast
    editor->tileMap.Set(0, 1, 2);               // water
    editor->tileMap.Set(0, 2, 14);              // river bed
    editor->tileMap.Set(0, 3, 34);              // road bed
    editor->tileMap.Set(0, 4, MakeCell(3, 10)); // town
    editor->tileMap.Set(0, 5, 38);              // field
    editor->tileMap.Set(0, 6, 27);              // the selected tile
    editor->heightMap.Set(CellIndex(0, 7), 500);
    editor->SelectedTile = 27;

    PressKey(*editor, shell, VK_F3);
    const auto height = [&](int column) { return editor->heightMap.At(CellIndex(0, column)); };
    EXPECT_EQ(height(0), 0);
    EXPECT_EQ(height(1), 0);
    EXPECT_EQ(height(2), 1);
    EXPECT_EQ(height(7), 500);
    EXPECT_EQ(editor->heightMap.At(CellIndex(319, 639)), 1);
    EXPECT_EQ(editor->heightShade[CellIndex(319, 639)], ShadeOfHeight(1));
    EXPECT_EQ(shell.calls, (Calls{"frame", "scroll", "invalidate HeightView"}));

    PressKey(*editor, shell, VK_F5);
    EXPECT_EQ(height(2), 0);
    PressKey(*editor, shell, VK_F6);
    EXPECT_EQ(height(3), 65535);
    PressKey(*editor, shell, VK_F7);
    EXPECT_EQ(height(4), 65000);
    PressKey(*editor, shell, VK_F8);
    EXPECT_EQ(height(5), 65535);
    EXPECT_EQ(height(6), 1);
    PressKey(*editor, shell, VK_F9);
    EXPECT_EQ(height(6), 65535);
    EXPECT_EQ(height(8), 1);
}

TEST(HeightStampKeys, NeedBothMaps) {
    auto editor = MakeEditor();
    RecordingShell shell;
    FillTiles(*editor, 2);
    for (int key = VK_F3; key <= VK_F9; ++key)
        EXPECT_FALSE(HeightStampKeys(*editor, shell, key));
    editor->tileMap.DiscardTileMap();
    FillHeights(*editor, 7);
    PressKey(*editor, shell, VK_F3);
    EXPECT_TRUE(shell.calls.empty());
    EXPECT_EQ(editor->heightMap.At(0), 7);
}

TEST(CursorState, WorkedExampleAndNegativePositions) {
    auto editor = MakeEditor();
    UpdateCursorState(*editor, 48, 16);
    const auto& c = editor->cursor;
    EXPECT_EQ(c.MouseColumn, 1);
    EXPECT_EQ(c.MouseRow, 0);
    EXPECT_EQ(c.MouseWorldX, -159 * 262144 + 131072);
    EXPECT_EQ(c.MouseWorldY, -1760 * 262144 + 131072);

    UpdateCursorState(*editor, 100, 70);
    EXPECT_EQ(c.PrevMouseColumn, 1);
    EXPECT_EQ(c.PrevMouseRow, 0);
    EXPECT_EQ(c.MouseX, 100);
    EXPECT_EQ(c.MouseY, 70);

    // Truncating division, remainder with the sign of x: -1 is in cell 0, 1/32 back.
    editor->view.ViewOriginColumn = 10;
    UpdateCursorState(*editor, -1, -40);
    EXPECT_EQ(c.MouseColumn, 0);
    EXPECT_EQ(c.MouseRow, -1);
    EXPECT_EQ(c.MouseWorldX, -150 * 262144 - 262144 / 32);
    EXPECT_EQ(c.MouseWorldY, -1761 * 262144 - 8 * 262144 / 32);

    // Far outside the window the 32-bit arithmetic wraps instead of overflowing.
    UpdateCursorState(*editor, 2000000000, 0);
    EXPECT_EQ(c.MouseColumn, 62500000);
}

TEST(MoveMouse, VertexSnappingAtHalfACell) {
    auto editor = MakeEditor();
    RecordingShell shell;
    editor->view.TilePixelWidth = editor->view.TilePixelHeight = 64;
    editor->VertexMode = 1;
    MoveMouse(*editor, shell, {500, 500, 32, 32}, true);
    EXPECT_EQ(editor->cursor.MouseColumn, 0);
    EXPECT_EQ(editor->cursor.MouseRow, 0);
    MoveMouse(*editor, shell, {500, 500, 33, 95}, true);
    EXPECT_EQ(editor->cursor.MouseColumn, 1);
    EXPECT_EQ(editor->cursor.MouseRow, 1);
    // Snapping keeps the world point of the cursor itself.
    EXPECT_EQ(editor->cursor.MouseWorldX, -160 * 262144 + 33 * 262144 / 64);
}

TEST(MoveMouse, RepaintsOnlyWhenTheVertexChangesOrTheButtonIsDown) {
    auto editor = MakeEditor();
    RecordingShell shell;
    MoveMouse(*editor, shell, {500, 500, 40, 40}, true);
    EXPECT_TRUE(shell.calls.empty()); // no repaint outside VertexMode
    editor->VertexMode = 1;
    MoveMouse(*editor, shell, {500, 500, 50, 40}, true);
    EXPECT_EQ(shell.calls, (Calls{"invalidate Main", "update Main"}));
    shell.Clear();
    MoveMouse(*editor, shell, {500, 500, 60, 40}, true);
    EXPECT_TRUE(shell.calls.empty());
    editor->cursor.LeftButtonDown = 1;
    MoveMouse(*editor, shell, {500, 500, 60, 40}, true);
    EXPECT_EQ(shell.calls, (Calls{"invalidate Main", "update Main"}));
}

TEST(MoveMouse, FocusFollowsMouseAndHandOverAtTheLeftEdge) {
    auto editor = MakeEditor();
    RecordingShell shell;
    MoveMouse(*editor, shell, {500, 300, 10, 10}, false);
    EXPECT_TRUE(shell.calls.empty());
    editor->flags.FocusFollowsMouse = 1;
    MoveMouse(*editor, shell, {500, 300, 10, 10}, true);
    EXPECT_TRUE(shell.calls.empty());
    MoveMouse(*editor, shell, {500, 300, 10, 10}, false);
    EXPECT_EQ(shell.calls, (Calls{"focus"}));

    shell.Clear();
    MoveMouse(*editor, shell, {2, 300, 10, 10}, true);
    EXPECT_EQ(editor->cursor.PointerIn3D, 0);
    MoveMouse(*editor, shell, {1, 300, -5, 10}, true);
    EXPECT_EQ(editor->cursor.PointerIn3D, 1);
    EXPECT_EQ(shell.calls, (Calls{"handover 300"}));
    // The cursor state still follows the position read before the hand-over.
    EXPECT_EQ(editor->cursor.MouseX, -5);
}

TEST(LeftButton, TrackingEditsWhenTheCursorStaysInItsCell) {
    auto editor = MakeEditor();
    RecordingShell shell;
    FillTiles(*editor, 1);
    editor->SelectedTile = 9;
    MoveMouse(*editor, shell, {500, 500, 40, 40}, true); // cell (1, 1)
    ASSERT_TRUE(PressLeftButton(*editor, shell, 0));
    EXPECT_EQ(editor->cursor.LeftButtonDown, 1);
    EXPECT_TRUE(shell.calls.empty());

    // First reading in the cell of the last move: a click edits at once.
    TrackLeftButton(*editor, shell, 41, 41, 0);
    EXPECT_EQ(editor->tileMap.At(1, 1), 9);
    EXPECT_EQ(shell.calls, (Calls{"invalidate Main", "update Main",
                                  "invalidateRect Main 32 32 64 64", "update Main"}));
    // A cell entered during the drag is edited from its second reading on.
    shell.Clear();
    TrackLeftButton(*editor, shell, 70, 41, 0);
    EXPECT_EQ(editor->tileMap.At(1, 2), 1);
    EXPECT_TRUE(shell.calls.empty());
    TrackLeftButton(*editor, shell, 71, 42, 0);
    EXPECT_EQ(editor->tileMap.At(1, 2), 9);

    shell.Clear();
    EndLeftButtonTracking(*editor, shell);
    EXPECT_EQ(shell.calls, (Calls{"scroll", "invalidate HeightView", "update HeightView"}));
    editor->tileMap.Set(1, 2, 1);
    ReleaseLeftButton(*editor, shell, 0);
    EXPECT_EQ(editor->cursor.LeftButtonDown, 0);
    EXPECT_EQ(editor->tileMap.At(1, 2), 9); // the release paints once more
}

TEST(LeftButton, TrackingUsesThePressKeyFlags) {
    auto editor = MakeEditor();
    RecordingShell shell;
    FillTiles(*editor, 1);
    FillHeights(*editor, 1000);
    editor->EditMode = 1; // height editing without VertexMode: tracked like painting
    UpdateCursorState(*editor, 10, 10);
    ASSERT_TRUE(PressLeftButton(*editor, shell, MK_CONTROL));
    TrackLeftButton(*editor, shell, 10, 10, MK_CONTROL);
    EXPECT_EQ(editor->heightMap.At(0), 1100);
}

TEST(LeftButton, VertexModeActsOnceAndRecentres) {
    auto editor = MakeEditor();
    RecordingShell shell;
    FillHeights(*editor, 1000);
    editor->EditMode = 1;
    editor->VertexMode = 1;
    MoveMouse(*editor, shell, {500, 500, 40, 40}, true); // snaps to vertex (1, 1)
    shell.Clear();
    EXPECT_FALSE(PressLeftButton(*editor, shell, MK_SHIFT));
    EXPECT_EQ(editor->heightMap.At(CellIndex(1, 1)), 1001);
    EXPECT_EQ(shell.calls, (Calls{"frame", "invalidate TerrainView erase", "frame", "scroll",
                                  "invalidate HeightView", "update HeightView"}));
}

TEST(OtherButtons, RoutedByMode) {
    auto editor = MakeEditor();
    RecordingShell shell;
    FillTiles(*editor, MakeCell(3, 20));
    UpdateCursorState(*editor, 5, 5);
    PressRightButton(*editor, shell, 0);
    EXPECT_EQ(editor->tileMap.At(0), MakeCell(0, 20));
    PressMiddleButton(*editor, shell, 0);
    EXPECT_EQ(editor->tileMap.At(0), MakeCell(0, 1));

    // The right release reaches the tool only while creating rails: it commits.
    auto& rails = editor->rails;
    rails.PendingRailPointCount = 2;
    ReleaseRightButton(*editor, shell, 0);
    EXPECT_EQ(rails.PendingRailPointCount, 2);
    editor->EditMode = 2;
    ReleaseRightButton(*editor, shell, 0);
    EXPECT_EQ(rails.PendingRailPointCount, 0);
    EXPECT_EQ(rails.RailSectionCount, 1);

    // The middle button drops the last pending point without a repaint.
    rails.PendingRailPointCount = 3;
    shell.Clear();
    PressMiddleButton(*editor, shell, 0);
    EXPECT_EQ(rails.PendingRailPointCount, 2);
    EXPECT_TRUE(shell.calls.empty());
    // The left release lays the point; the press does not.
    UpdateCursorState(*editor, 48, 16);
    PressLeftButton(*editor, shell, 0);
    TrackLeftButton(*editor, shell, 48, 16, 0);
    EXPECT_EQ(rails.PendingRailPointCount, 2);
    ReleaseLeftButton(*editor, shell, 0);
    ASSERT_EQ(rails.PendingRailPointCount, 3);
    EXPECT_EQ(rails.PendingRailPoints[2],
              (RailPoint{-159 * 262144 + 131072, -1760 * 262144 + 131072}));
}

TEST(LeftButton, CellRectangleStaysInRangeFarOutsideTheWindow) {
    auto editor = MakeEditor();
    RecordingShell shell;
    FillTiles(*editor, 1);
    TrackLeftButton(*editor, shell, INT32_MAX, 0, 0);
    TrackLeftButton(*editor, shell, INT32_MAX, 0, 0);
    // The cell lies outside the map, so nothing is painted; its rectangle ends at INT32_MAX.
    EXPECT_EQ(shell.calls,
              (Calls{"invalidateRect Main 2147483616 0 2147483647 32", "update Main"}));
}
