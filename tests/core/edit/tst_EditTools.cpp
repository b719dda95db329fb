#include "core/edit/EditTools.h"

#include "core/edit/LoadedEditor.h"
#include "support/RecordingShell.h"

#include <gtest/gtest.h>

using Calls = std::vector<std::string>;

namespace {
// An editor with grass everywhere and the cursor on map cell (row, column).
std::unique_ptr<Editor> EditorAt(int row, int column) {
    auto editor = MakeEditor();
    FillTiles(*editor, 1);
    editor->view.ViewOriginColumn = column - 3;
    editor->view.ViewOriginRow = row - 2;
    editor->cursor.MouseColumn = 3;
    editor->cursor.MouseRow = 2;
    return editor;
}
} // namespace

TEST(TilePainting, TurnClearAndPaint) {
    auto editor = EditorAt(10, 20);
    RecordingShell shell;
    TileMap& tiles = editor->tileMap;
    tiles.Set(10, 20, MakeCell(3, 27));
    EditAtCursor(*editor, shell, WM_RBUTTONDOWN, 0);
    EXPECT_EQ(tiles.At(10, 20), MakeCell(0, 27));
    EXPECT_EQ(shell.calls, (Calls{"invalidate Main", "update Main"}));
    tiles.Set(10, 20, MakeCell(2, 27));
    EditAtCursor(*editor, shell, WM_MBUTTONDOWN, 0);
    EXPECT_EQ(tiles.At(10, 20), MakeCell(2, 1));

    // Left press and release both store SelectedTile as the whole cell (rotation 0).
    editor->SelectedTile = 60;
    EditAtCursor(*editor, shell, WM_LBUTTONUP, 0);
    EXPECT_EQ(tiles.At(10, 20), 60);
    tiles.Set(10, 20, MakeCell(1, 5));
    EditAtCursor(*editor, shell, WM_LBUTTONDOWN, 0);
    EXPECT_EQ(tiles.At(10, 20), 60);
}

TEST(TilePainting, RiversAndRoadsWithAutoDraw) {
    auto editor = EditorAt(10, 20);
    RecordingShell shell;
    TileMap& tiles = editor->tileMap;
    editor->SelectedTile = 43;
    tiles.Set(10, 20, 53);
    EditAtCursor(*editor, shell, WM_LBUTTONDOWN, 0);
    EXPECT_EQ(tiles.At(10, 20), 53);
    EXPECT_EQ(shell.calls, (Calls{"invalidate Main", "update Main"})); // repaints anyway

    // Coast becomes a river mouth turned back a quarter from the coast's rotation.
    for (int code : {3, 32, 44}) {
        tiles.Set(10, 20, MakeCell(0, code));
        EditAtCursor(*editor, shell, WM_LBUTTONDOWN, 0);
        EXPECT_EQ(tiles.At(10, 20), MakeCell(3, 21));
    }
    tiles.Set(10, 20, MakeCell(2, 3));
    EditAtCursor(*editor, shell, WM_LBUTTONDOWN, 0);
    EXPECT_EQ(tiles.At(10, 20), MakeCell(1, 21));
    tiles.Set(10, 20, MakeCell(2, 1));
    EditAtCursor(*editor, shell, WM_LBUTTONDOWN, 0);
    EXPECT_EQ(tiles.At(10, 20), 43);

    editor->SelectedTile = 35;
    tiles.Set(10, 20, 45);
    EditAtCursor(*editor, shell, WM_LBUTTONDOWN, 0);
    EXPECT_EQ(tiles.At(10, 20), 45);
    tiles.Set(10, 20, MakeCell(2, 38));
    EditAtCursor(*editor, shell, WM_LBUTTONDOWN, 0);
    EXPECT_EQ(tiles.At(10, 20), MakeCell(0, 35));

    // Without AutoDraw the river end is stored like any tile, over a river too.
    editor->flags.AutoDrawRivers = 0;
    editor->SelectedTile = 43;
    tiles.Set(10, 20, 53);
    tiles.Set(9, 20, 43);
    EditAtCursor(*editor, shell, WM_LBUTTONDOWN, 0);
    EXPECT_EQ(tiles.At(10, 20), 43);
    EXPECT_EQ(tiles.At(9, 20), 43);
}

TEST(TilePainting, NothingOutsideTheMapOrWithoutATileMap) {
    auto editor = EditorAt(10, 20);
    RecordingShell shell;
    editor->view.ViewOriginColumn = 630;
    editor->cursor.MouseColumn = 10;
    editor->SelectedTile = 9;
    EditAtCursor(*editor, shell, WM_LBUTTONDOWN, 0);
    editor->view.ViewOriginColumn = 0;
    editor->cursor.MouseColumn = -1;
    EditAtCursor(*editor, shell, WM_LBUTTONDOWN, 0);
    EXPECT_TRUE(shell.calls.empty());

    editor->tileMap.DiscardTileMap();
    editor->cursor.MouseColumn = 1;
    EditAtCursor(*editor, shell, WM_LBUTTONDOWN, 0);
    EXPECT_TRUE(shell.calls.empty());
    editor->EditMode = 7; // no such tool
    FillTiles(*editor, 1);
    EditAtCursor(*editor, shell, WM_LBUTTONDOWN, 0);
    EXPECT_TRUE(shell.calls.empty());
}

struct RiverJoinCase {
    const char* name;
    int dRow, dColumn;     // the neighbour holding a river end
    int neighbourRotation; // its rotation before the join
    bool testCellIsRiver;  // whether a river lies at the cell the table tests
    int testDRow, testDColumn;
    int paintedRotation;
    TileCell neighbourAfter;
};

TEST(JoinRiverAt, EveryNeighbourAndRotation) {
    const RiverJoinCase cases[] = {
        {"above r0 river", -1, 0, 0, true, -1, -1, 1, MakeCell(3, 16)},
        {"above r0", -1, 0, 0, false, -1, -1, 1, MakeCell(3, 43)},
        {"above r1", -1, 0, 1, false, 0, 0, 1, MakeCell(1, 14)},
        {"above r2", -1, 0, 2, false, 0, 0, 1, MakeCell(2, 16)},
        {"above r3", -1, 0, 3, false, 0, 0, 1, MakeCell(1, 14)},
        {"below r0 river", 1, 0, 0, true, 1, -1, 3, MakeCell(0, 16)},
        {"below r0", 1, 0, 0, false, 1, -1, 3, MakeCell(1, 43)},
        {"below r1", 1, 0, 1, false, 0, 0, 3, MakeCell(1, 14)},
        {"below r2", 1, 0, 2, false, 0, 0, 3, MakeCell(1, 16)},
        {"below r3", 1, 0, 3, false, 0, 0, 3, MakeCell(1, 14)},
        {"right r0 river", 0, 1, 0, true, 0, 2, 2, MakeCell(0, 15)},
        {"right r0", 0, 1, 0, false, 0, 2, 2, MakeCell(0, 43)},
        {"right r1", 0, 1, 1, false, 0, 0, 2, MakeCell(0, 16)},
        {"right r2", 0, 1, 2, false, 0, 0, 2, MakeCell(0, 14)},
        {"right r3", 0, 1, 3, false, 0, 0, 2, MakeCell(3, 16)},
        {"left r0 river", 0, -1, 0, true, 0, -2, 0, MakeCell(0, 15)},
        {"left r0", 0, -1, 0, false, 0, -2, 0, MakeCell(2, 43)},
        {"left r1", 0, -1, 1, false, 0, 0, 0, MakeCell(1, 16)},
        {"left r2", 0, -1, 2, false, 0, 0, 0, MakeCell(2, 16)},
        {"left r3", 0, -1, 3, false, 0, 0, 0, MakeCell(2, 16)},
    };
    for (const RiverJoinCase& c : cases) {
        SCOPED_TRACE(c.name);
        // Painted through the tool, so the whole path of a left press is covered.
        auto editor = EditorAt(10, 20);
        RecordingShell shell;
        TileMap& tiles = editor->tileMap;
        editor->SelectedTile = 43;
        tiles.Set(10 + c.dRow, 20 + c.dColumn, MakeCell(c.neighbourRotation, 43));
        if (c.testCellIsRiver)
            tiles.Set(10 + c.testDRow, 20 + c.testDColumn, 14);
        EditAtCursor(*editor, shell, WM_LBUTTONDOWN, 0);
        EXPECT_EQ(tiles.At(10, 20), MakeCell(c.paintedRotation, 43));
        EXPECT_EQ(tiles.At(10 + c.dRow, 20 + c.dColumn), c.neighbourAfter);
    }
}

TEST(JoinRiverAt, FirstNeighbourWinsAndEdgesStayInside) {
    auto editor = MakeEditor();
    FillTiles(*editor, 1);
    TileMap& tiles = editor->tileMap;
    tiles.Set(10, 20, 43);
    tiles.Set(10, 21, MakeCell(1, 43)); // right
    tiles.Set(11, 20, MakeCell(2, 43)); // below, tested before right
    JoinRiverAt(tiles, 10, 20);
    EXPECT_EQ(tiles.At(10, 20), MakeCell(3, 43));
    EXPECT_EQ(tiles.At(11, 20), MakeCell(1, 16));
    EXPECT_EQ(tiles.At(10, 21), MakeCell(1, 43));

    // A river end at the map's corners has neighbours outside: nothing there is touched.
    tiles.Set(0, 0, 43);
    JoinRiverAt(tiles, 0, 0);
    EXPECT_EQ(tiles.At(0, 0), 43);
    tiles.Set(319, 639, 43);
    tiles.Set(319, 638, MakeCell(0, 43));
    JoinRiverAt(tiles, 319, 639);
    EXPECT_EQ(tiles.At(319, 639), MakeCell(0, 43));
    EXPECT_EQ(tiles.At(319, 638), MakeCell(2, 43));
    JoinRiverAt(tiles, -1, 5); // outside: ignored
}

TEST(HeightEditing, StepsSaturationAndMeshRebuild) {
    auto editor = EditorAt(10, 20);
    RecordingShell shell;
    editor->EditMode = 1;
    FillHeights(*editor, 65530);
    const int index = CellIndex(10, 20);
    EditAtCursor(*editor, shell, WM_LBUTTONDOWN, 0);
    EXPECT_EQ(editor->heightMap.At(index), 65535);
    EXPECT_EQ(shell.calls, (Calls{"frame", "invalidate TerrainView erase"}));
    // The mesh window at the origin now carries the raised cell: cell (10, 20) is column 3,
    // row 2 of the window, the first corner of quad 2 x 31 + 3.
    EXPECT_FLOAT_EQ(editor->mesh.quads[2 * 31 + 3].vertices[0].position[1], 255.0f);

    editor->heightMap.Set(index, 10);
    EditAtCursor(*editor, shell, WM_RBUTTONDOWN, 0);
    EXPECT_EQ(editor->heightMap.At(index), 0);
    editor->heightMap.Set(index, 5);
    EditAtCursor(*editor, shell, WM_RBUTTONDOWN, MK_CONTROL);
    EXPECT_EQ(editor->heightMap.At(index), 0);
    EditAtCursor(*editor, shell, WM_LBUTTONDOWN, MK_SHIFT | MK_CONTROL);
    EXPECT_EQ(editor->heightMap.At(index), 1);
    EditAtCursor(*editor, shell, WM_LBUTTONDOWN, MK_CONTROL);
    EXPECT_EQ(editor->heightMap.At(index), 101);
    EditAtCursor(*editor, shell, WM_LBUTTONUP, MK_CONTROL);
    EditAtCursor(*editor, shell, WM_MBUTTONDOWN, MK_CONTROL);
    EXPECT_EQ(editor->heightMap.At(index), 101);

    editor->heightMap.FreeHeightMap();
    shell.Clear();
    EditAtCursor(*editor, shell, WM_LBUTTONDOWN, 0);
    EXPECT_TRUE(shell.calls.empty());
}

TEST(RailTools, CreateOnReleaseAndMoveOnPress) {
    auto editor = EditorAt(10, 20);
    RecordingShell shell;
    editor->cursor.MouseWorldX = 1000;
    editor->cursor.MouseWorldY = -2000;
    editor->EditMode = 2;
    EditAtCursor(*editor, shell, WM_LBUTTONDOWN, 0);
    EXPECT_EQ(editor->rails.PendingRailPointCount, 0);
    EditAtCursor(*editor, shell, WM_LBUTTONUP, 0);
    EXPECT_EQ(editor->rails.PendingRailPointCount, 1);
    EXPECT_TRUE(shell.calls.empty());

    editor->EditMode = 3;
    editor->cursor.MouseWorldX = 5;
    EditAtCursor(*editor, shell, WM_LBUTTONUP, 0);
    EXPECT_EQ(editor->rails.PendingRailPoints[0].x, 1000);
    EditAtCursor(*editor, shell, WM_LBUTTONDOWN, 0);
    EXPECT_EQ(editor->rails.PendingRailPoints[0], (RailPoint{5, -2000}));
    EXPECT_EQ(shell.calls, (Calls{"invalidate Main"}));

    // Nothing to grab, or no tile map: no move and no repaint.
    editor->rails.PendingRailPointCount = 0;
    shell.Clear();
    EditAtCursor(*editor, shell, WM_LBUTTONDOWN, 0);
    editor->rails.PendingRailPointCount = 1;
    editor->tileMap.DiscardTileMap();
    EditAtCursor(*editor, shell, WM_LBUTTONDOWN, 0);
    editor->EditMode = 2;
    EditAtCursor(*editor, shell, WM_LBUTTONUP, 0);
    EXPECT_TRUE(shell.calls.empty());
    EXPECT_EQ(editor->rails.PendingRailPointCount, 1);
}
