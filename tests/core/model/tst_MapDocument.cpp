#include "core/edit/EditModes.h"
#include "core/edit/LoadedEditor.h"
#include "core/input/Input.h"

#include <vector>

namespace {
class MapDocumentTest : public EditorTest {
  protected:
    void SetUp() override {
        FillTiles(editor, 1);
        FillHeights(editor, 1000);
        heard.Clear();
    }
    void ClickAt(int column, int row) {
        MoveMouse(editor, shell, {500, 300, 32 * column + 8, 32 * row + 8}, true);
        PressLeftButton(editor, shell, {});
        TrackLeftButton(editor, shell, 32 * column + 8, 32 * row + 8, {});
        EndLeftButtonTracking(editor, shell);
        ReleaseLeftButton(editor, shell, {});
    }
};
} // namespace

TEST_F(MapDocumentTest, EditsAndUndoAnnounceExactlyTheCellsTheyChanged) {
    editor.view.ViewOriginColumn = 100;
    editor.view.ViewOriginRow = 50;
    editor.SelectedTile = 9;
    ClickAt(3, 4);
    ASSERT_EQ(heard.tiles.size(), 1u);
    EXPECT_EQ(heard.tiles[0], (CellRect{103, 54, 104, 55}));

    // A whole-map edit that changed two cells: its undo puts back and announces only the
    // rectangle holding those two.
    editor.history->Record(editor.document, "Two Cells", [&] {
        editor.document.EditTiles([](TileMap& tiles) {
            tiles.Set(10, 20, 5);
            tiles.Set(30, 7, 5);
            return WholeMap;
        });
    });
    heard.tiles.clear();
    ASSERT_TRUE(editor.history->Undo(editor.document));
    ASSERT_EQ(heard.tiles.size(), 1u);
    EXPECT_EQ(heard.tiles[0], (CellRect{7, 10, 21, 31}));
    EXPECT_EQ(editor.document.Tiles().At(10, 20), 1);
    EXPECT_TRUE(heard.heights.empty());
    EXPECT_EQ(heard.rails, 0);
}

TEST_F(MapDocumentTest, ABrushStrokeAnnouncesOnlyTheCellsItTouched) {
    SwitchTool(editor, ToolMode::HeightBrush);
    const int radius = editor.area.brush.radius;
    // Press in view cell (2, 5) and drag along the row to cell (12, 5).
    MoveMouse(editor, shell, {500, 300, 2 * 32 + 8, 5 * 32 + 8}, true);
    PressLeftButton(editor, shell, {});
    for (int column = 3; column <= 12; ++column)
        MoveMouse(editor, shell, {500, 300, column * 32 + 8, 5 * 32 + 8}, true);
    ReleaseLeftButton(editor, shell, {});

    // Every announced cell lies under the brush at one of its dabs, and the dabs changed
    // heights: nothing else of the map was announced.
    const CellRect swept{2 - radius, 5 - radius, 13 + radius, 6 + radius};
    ASSERT_FALSE(heard.heights.empty());
    long announcedArea = 0;
    for (const CellRect& cells : heard.heights) {
        EXPECT_GE(cells.left, swept.left);
        EXPECT_GE(cells.top, swept.top);
        EXPECT_LE(cells.right, swept.right);
        EXPECT_LE(cells.bottom, swept.bottom);
        announcedArea += cells.Width() * cells.Height();
    }
    EXPECT_LE(announcedArea, 11L * (2 * radius + 1) * (2 * radius + 1));
    EXPECT_NE(editor.document.Heights().At(CellIndex(5, 7)), 1000);
    EXPECT_TRUE(heard.tiles.empty());
}

TEST_F(MapDocumentTest, RailEditsPastTheTablesAreRefusedAndChangeNothing) {
    editor.document.EditRails([](RailNetwork& rails) {
        rails.PendingRailPoints[0] = {7, 8};
        rails.PendingRailPointCount = 1;
    });
    const RailNetwork before = editor.document.Rails();
    heard.rails = 0;
    for (const int32_t count : {RailTableSize + 1, -1}) {
        EXPECT_FALSE(editor.document.EditRails([count](RailNetwork& rails) {
            rails.PendingRailPoints[0] = {1, 2};
            rails.RailSectionCount = count;
        }));
        EXPECT_FALSE(editor.document.EditRails(
            [count](RailNetwork& rails) { rails.PendingRailPointCount = count; }));
    }
    EXPECT_EQ(heard.rails, 0);
    EXPECT_EQ(editor.document.Rails().PendingRailPoints[0], before.PendingRailPoints[0]);
    EXPECT_EQ(editor.document.Rails().PendingRailPointCount, 1);
    EXPECT_EQ(editor.document.Rails().RailSectionCount, 0);
    // A full table is still allowed.
    EXPECT_TRUE(editor.document.EditRails(
        [](RailNetwork& rails) { rails.RailSectionCount = RailTableSize; }));
    EXPECT_EQ(heard.rails, 1);
}
