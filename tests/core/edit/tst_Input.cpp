#include "core/input/Input.h"

#include "core/edit/LoadedEditor.h"

namespace {
using Input = EditorTest;

int ColumnAndRow(const CursorState& c) {
    return c.MouseColumn * 10 + c.MouseRow;
}
} // namespace

TEST_F(Input, HeightStampKeysSetWaterLevelAndClasses) {
    FillTiles(editor, MakeCell(2, 1)); // grass
    FillHeights(editor, 0);
    // Coast, water, river bed, road bed, town, field, the selected tile, grass.
    const TileCell row0[] = {MakeCell(1, 3), 2, 14, 34, MakeCell(3, 10), 38, 27, 1};
    for (int column = 0; column < 8; ++column)
        editor.document.SetTile(0, column, row0[column]);
    editor.document.SetHeight(7, 500);
    editor.SelectedTile = 27;
    const auto heights = [&] {
        std::string text;
        for (int column = 0; column < 8; ++column)
            text += std::to_string(editor.document.Heights().At(column)) + " ";
        return text;
    };
    PressKey(editor, shell, Key::F3);
    EXPECT_EQ(heights(), "0 0 1 1 1 1 1 500 ");
    EXPECT_EQ(editor.heightShade[MapCellCount - 1], ShadeOfHeight(1));
    for (Key key : {Key::F5, Key::F6, Key::F7, Key::F8, Key::F9})
        PressKey(editor, shell, key);
    EXPECT_EQ(heights(), "0 0 0 65535 65000 65535 65535 500 ");
    // Without a tile map the keys do nothing.
    editor.document.DiscardTiles();
    shell.Clear();
    for (Key key : {Key::F3, Key::F4, Key::F5, Key::F6, Key::F7, Key::F8, Key::F9})
        EXPECT_FALSE(HeightStampKeys(editor, shell, key));
    EXPECT_TRUE(shell.calls.empty());
}

TEST_F(Input, CursorWorkedExampleAndTruncatingArithmetic) {
    const auto& c = editor.cursor;
    UpdateCursorState(editor, 48, 16);
    EXPECT_EQ(ColumnAndRow(c), 10);
    EXPECT_EQ(c.MouseWorldX, -159 * 262144 + 131072);
    EXPECT_EQ(c.MouseWorldY, -1760 * 262144 + 131072);
    // Division truncates and the remainder keeps the sign of x: -1 is in cell 0.
    editor.view.ViewOriginColumn = 10;
    UpdateCursorState(editor, -1, -40);
    EXPECT_EQ(c.PrevMouseColumn, 1);
    EXPECT_EQ(ColumnAndRow(c), -1);
    EXPECT_EQ(c.MouseWorldX, -150 * 262144 - 262144 / 32);
    EXPECT_EQ(c.MouseWorldY, -1761 * 262144 - 8 * 262144 / 32);
    UpdateCursorState(editor, 2000000000, 0); // wraps in 32 bits, no overflow
    EXPECT_EQ(c.MouseColumn, 62500000);
}

TEST_F(Input, MouseVertexSnappingRepaintAndFocus) {
    using Overlays = std::vector<std::pair<CellRect, CellRect>>;
    editor.view.TilePixels = 64;
    MoveMouse(editor, shell, {500, 500, 40, 40}, true);
    EXPECT_TRUE(shell.calls.empty());
    EXPECT_TRUE(heard.overlays.empty()); // no snapping or repaint outside VertexMode
    editor.EditMode = ToolMode::HeightEditing;
    editor.VertexMode = true;
    MoveMouse(editor, shell, {500, 500, 32, 32}, true); // exactly half stays on vertex 0
    EXPECT_EQ(ColumnAndRow(editor.cursor), 0);
    MoveMouse(editor, shell, {500, 500, 33, 95}, true);
    EXPECT_EQ(ColumnAndRow(editor.cursor), 11);
    EXPECT_EQ(editor.cursor.MouseWorldX, -160 * 262144 + 33 * 262144 / 64); // not snapped
    MoveMouse(editor, shell, {500, 500, 40, 80}, true); // same vertex: no repaint
    editor.cursor.LeftButtonDown = true;
    MoveMouse(editor, shell, {500, 500, 40, 80}, true); // unless dragging
    // The cross's arms cover the four cells around its vertex.
    EXPECT_EQ(heard.overlays,
              (Overlays{{{-1, -1, 1, 1}, {0, 0, 2, 2}}, {{0, 0, 2, 2}, {0, 0, 2, 2}}}));

    // Focus follows the mouse when asked; the left edge hands over to the 3D view.
    shell.Clear();
    editor.EditMode = ToolMode::TilePainting;
    editor.VertexMode = false;
    editor.cursor.LeftButtonDown = false;
    MoveMouse(editor, shell, {500, 300, 10, 10}, false);
    editor.flags.FocusFollowsMouse = true;
    MoveMouse(editor, shell, {500, 300, 10, 10}, true);
    EXPECT_TRUE(shell.calls.empty());
    MoveMouse(editor, shell, {2, 300, 10, 10}, false);
    EXPECT_EQ(editor.cursor.PointerIn3D, false);
    MoveMouse(editor, shell, {1, 300, -5, 10}, true);
    EXPECT_EQ(editor.cursor.PointerIn3D, true);
    EXPECT_EQ(editor.cursor.MouseX, -5); // the position read before the hand-over
    EXPECT_EQ(Joined(shell.calls), "focus, handover 300");

    // While a rail is being laid, every move redraws the rubber band from the last point (in
    // cell column 3, row 2) to the pointer, where it was and where it is.
    editor.EditMode = ToolMode::CreateRails;
    heard.Clear();
    MoveMouse(editor, shell, {500, 300, 10, 10}, true);
    EXPECT_TRUE(heard.overlays.empty());
    editor.document.EditRails([](RailNetwork& r) {
        r.PendingRailPointCount = 1;
        r.PendingRailPoints[0] = {-157 * 262144 + 5, -1758 * 262144 + 5};
    });
    MoveMouse(editor, shell, {500, 300, 12, 10}, true);
    MoveMouse(editor, shell, {500, 300, 300, 200}, true);
    EXPECT_EQ(heard.overlays,
              (Overlays{{{0, 0, 4, 3}, {0, 0, 4, 3}}, {{0, 0, 4, 3}, {3, 2, 5, 4}}}));
    EXPECT_TRUE(heard.views.empty());
    // With the left button held the pointer is polled: the band follows it there too, and a
    // poll that finds it where it was announces nothing.
    heard.Clear();
    TrackLeftButton(editor, shell, 12, 10, {});
    TrackLeftButton(editor, shell, 12, 10, {});
    EXPECT_EQ(heard.overlays, (Overlays{{{3, 2, 5, 4}, {0, 0, 4, 3}}}));
}

TEST_F(Input, LeftButtonTrackingEditsWhenTheCursorStaysInItsCell) {
    FillTiles(editor, 1);
    FillHeights(editor, 1000);
    editor.SelectedTile = 9;
    UpdateCursorState(editor, 40, 40); // cell (1, 1)
    ASSERT_TRUE(PressLeftButton(editor, shell, {}));
    EXPECT_EQ(editor.cursor.LeftButtonDown, true);
    // The first reading finds the cell of the last move: a click edits at once.
    TrackLeftButton(editor, shell, 41, 41, {});
    EXPECT_EQ(editor.document.Tiles().At(1, 1), 9);
    // A cell entered during the drag is edited from its second reading on.
    TrackLeftButton(editor, shell, 70, 41, {});
    EXPECT_EQ(editor.document.Tiles().At(1, 2), 1);
    TrackLeftButton(editor, shell, 71, 42, {});
    EXPECT_EQ(editor.document.Tiles().At(1, 2), 9);
    EndLeftButtonTracking(editor, shell);
    editor.document.SetTile(1, 2, 1);
    ReleaseLeftButton(editor, shell, {});
    EXPECT_EQ(editor.cursor.LeftButtonDown, false);
    EXPECT_EQ(editor.document.Tiles().At(1, 2), 9); // the release paints once more
    // Height editing outside VertexMode is tracked too, with the press's key flags.
    editor.EditMode = ToolMode::HeightEditing;
    TrackLeftButton(editor, shell, 71, 42, Modifiers{false, true});
    EXPECT_EQ(editor.document.Heights().At(CellIndex(1, 2)), 1100);
    // Dragged past the block's edges (32 cells of 32 pixels) the stroke edits nothing, however
    // far out, and goes on where the pointer comes back.
    shell.Clear();
    for (const auto& [x, y] : {std::pair{1030, 41}, {-5, 41}, {41, 1030}, {INT32_MAX, 0}}) {
        TrackLeftButton(editor, shell, x, y, {});
        TrackLeftButton(editor, shell, x, y, {});
    }
    EXPECT_EQ(editor.document.Heights().At(CellIndex(1, 32)), 1000);
    EXPECT_EQ(editor.document.Heights().At(CellIndex(1, 0)), 1000);
    EXPECT_EQ(editor.document.Heights().At(CellIndex(32, 1)), 1000);
    EXPECT_TRUE(shell.calls.empty());
    TrackLeftButton(editor, shell, 71, 42, {});
    TrackLeftButton(editor, shell, 71, 42, {});
    EXPECT_EQ(editor.document.Heights().At(CellIndex(1, 2)), 1110);
}
