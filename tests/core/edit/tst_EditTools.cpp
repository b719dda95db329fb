#include "core/input/EditTools.h"
#include "core/tilemap/JoinRiverAt.h"

#include "core/edit/LoadedEditor.h"

namespace {
// Grass everywhere and the cursor on map cell (10, 20).
class EditTools : public EditorTest {
  protected:
    void SetUp() override {
        FillTiles(editor, 1);
        editor.view.ViewOriginColumn = 17;
        editor.view.ViewOriginRow = 8;
        editor.cursor.MouseColumn = 3;
        editor.cursor.MouseRow = 2;
    }
    // Puts `before` into cell (10, 20), applies the tool and returns the cell.
    TileCell PaintOver(TileCell before, ButtonAction action = ButtonAction::LeftPress) {
        shell.Clear();
        editor.document.SetTile(10, 20, before);
        EditAtCursor(editor, shell, action, {});
        return editor.document.Tiles().At(10, 20);
    }
};
} // namespace

TEST_F(EditTools, TurnClearPaintRiversAndRoads) {
    EXPECT_EQ(PaintOver(MakeCell(3, 27), ButtonAction::RightPress), MakeCell(0, 27));
    EXPECT_EQ(PaintOver(MakeCell(2, 27), ButtonAction::MiddlePress), MakeCell(2, 1));
    editor.SelectedTile = 60; // stored whole, rotation 0, by press and release alike
    EXPECT_EQ(PaintOver(MakeCell(1, 5), ButtonAction::LeftRelease), 60);

    editor.SelectedTile = 43;
    EXPECT_EQ(PaintOver(53), 53); // already a river: unchanged, still repainted
    for (int coast : {3, 32, 44}) // the coast becomes a river mouth, turned back a quarter
        EXPECT_EQ(PaintOver(MakeCell(0, coast)), MakeCell(3, 21));
    EXPECT_EQ(PaintOver(MakeCell(2, 3)), MakeCell(1, 21));
    EXPECT_EQ(PaintOver(MakeCell(2, 1)), 43);
    editor.SelectedTile = 35;
    EXPECT_EQ(PaintOver(45), 45);
    EXPECT_EQ(PaintOver(MakeCell(2, 38)), 35);

    editor.flags.AutoDrawRivers = false; // stored like any tile, over rivers too, no joining
    editor.SelectedTile = 43;
    editor.document.SetTile(9, 20, 43);
    EXPECT_EQ(PaintOver(53), 43);
    EXPECT_EQ(editor.document.Tiles().At(9, 20), 43);

    // The block reaching past the map's right edge, the cursor left of its left edge: no cell
    // is painted, not even one a row further on.
    const auto cells = editor.document.Tiles().Cells();
    const std::vector<TileCell> before(cells.begin(), cells.end());
    for (const auto& [origin, column] : {std::pair{630, 10}, {0, -1}}) {
        editor.view.ViewOriginColumn = origin;
        editor.cursor.MouseColumn = column;
        EditAtCursor(editor, shell, ButtonAction::LeftPress, {});
    }
    EXPECT_TRUE(std::ranges::equal(editor.document.Tiles().Cells(), before));
}

TEST_F(EditTools, JoinRiverAtFirstNeighbourWinsAndEdgesStayInside) {
    TileMap tiles = editor.document.Tiles();
    tiles.Set(10, 20, 43);
    tiles.Set(10, 21, MakeCell(1, 43)); // right
    tiles.Set(11, 20, MakeCell(2, 43)); // below, looked at first
    JoinRiverAt(tiles, 10, 20);
    EXPECT_EQ(tiles.At(10, 20), MakeCell(3, 43));
    EXPECT_EQ(tiles.At(11, 20), MakeCell(1, 16));
    EXPECT_EQ(tiles.At(10, 21), MakeCell(1, 43));
    // At the map's corners the neighbours outside are neither read nor written.
    tiles.Set(0, 0, 43);
    JoinRiverAt(tiles, 0, 0);
    EXPECT_EQ(tiles.At(0, 0), 43);
    tiles.Set(319, 638, 43);
    JoinRiverAt(tiles, 319, 639);
    EXPECT_EQ(tiles.At(319, 638), MakeCell(2, 43));
    JoinRiverAt(tiles, -1, 5);
}

TEST_F(EditTools, HeightStepsSaturate) {
    editor.EditMode = ToolMode::HeightEditing;
    FillHeights(editor, 65530);
    const auto edit = [&](uint16_t before, ButtonAction action, Modifiers keys = {}) {
        editor.document.SetHeight(CellIndex(10, 20), before);
        EditAtCursor(editor, shell, action, keys);
        return editor.document.Heights().At(CellIndex(10, 20));
    };
    EXPECT_EQ(edit(65530, ButtonAction::LeftPress), 65535);
    EXPECT_EQ(edit(10, ButtonAction::RightPress), 0);
    EXPECT_EQ(edit(5, ButtonAction::RightPress, {false, true}), 0);
    EXPECT_EQ(edit(0, ButtonAction::LeftPress, {true, true}), 1);
    EXPECT_EQ(edit(1, ButtonAction::LeftPress, {false, true}), 101);
    EXPECT_EQ(edit(7, ButtonAction::LeftRelease), 7);
    EXPECT_EQ(edit(7, ButtonAction::MiddlePress), 7);
    editor.document.FreeHeights();
    shell.Clear();
    EditAtCursor(editor, shell, ButtonAction::LeftPress, {});
    EXPECT_TRUE(shell.calls.empty());
}

TEST_F(EditTools, RailsCreatedOnReleaseAndMovedOnPress) {
    auto& rails = editor.document.Rails();
    editor.cursor.MouseWorldX = 1000;
    editor.cursor.MouseWorldY = -2000;
    editor.EditMode = ToolMode::CreateRails;
    EditAtCursor(editor, shell, ButtonAction::LeftPress, {});
    EXPECT_EQ(rails.PendingRailPointCount, 0);
    EditAtCursor(editor, shell, ButtonAction::LeftRelease, {});
    EXPECT_EQ(rails.PendingRailPoints[0], (RailPoint{1000, -2000}));
    EXPECT_TRUE(shell.calls.empty());

    editor.EditMode = ToolMode::MoveRails;
    editor.cursor.MouseWorldX = 5;
    EditAtCursor(editor, shell, ButtonAction::LeftRelease, {});
    EXPECT_EQ(rails.PendingRailPoints[0].x, 1000);
    EditAtCursor(editor, shell, ButtonAction::LeftPress, {});
    EXPECT_EQ(rails.PendingRailPoints[0], (RailPoint{5, -2000}));
    // Nothing to grab, or no tile map: no move.
    editor.cursor.MouseWorldX = 9;
    editor.document.EditRails([](RailNetwork& r) { r.PendingRailPointCount = 0; });
    EditAtCursor(editor, shell, ButtonAction::LeftPress, {});
    editor.document.EditRails([](RailNetwork& r) { r.PendingRailPointCount = 1; });
    editor.document.DiscardTiles();
    EditAtCursor(editor, shell, ButtonAction::LeftPress, {});
    EXPECT_EQ(rails.PendingRailPoints[0], (RailPoint{5, -2000}));
}
