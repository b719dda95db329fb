#include "core/commands/Commands.h"
#include "core/edit/LoadedEditor.h"
#include "core/edit/UnsavedChanges.h"
#include "core/input/Input.h"

namespace {
class Undo : public EditorTest {
  protected:
    void SetUp() override {
        FillTiles(editor, 1);
        FillHeights(editor, 1000);
        editor.SelectedTile = 9;
    }
    // A left-button stroke through the view cells of row 1, clicked in the first.
    void Stroke(std::initializer_list<int> columns) {
        UpdateCursorState(editor, 32 * *columns.begin() + 8, 40);
        PressLeftButton(editor, shell, {});
        for (const int column : columns)
            for (int reading = 0; reading < 2; ++reading)
                TrackLeftButton(editor, shell, 32 * column + 8 + reading, 40, {});
        EndLeftButtonTracking(editor, shell);
        ReleaseLeftButton(editor, shell, {});
    }
    std::string UndoName() const { return editor.history->UndoName().toStdString(); }
};
} // namespace

TEST_F(Undo, StrokesClicksKeysAndUtilitiesAreOneStepEach) {
    Stroke({1, 2, 3});
    EXPECT_EQ(UndoName(), "Paint Tiles");
    UpdateCursorState(editor, 40 + 32 * 5, 40);
    PressRightButton(editor, shell, {});
    EXPECT_EQ(UndoName(), "Turn Tile");
    PressKey(editor, shell, Key::F9); // cells of the selected tile to 65535
    EXPECT_EQ(UndoName(), "Stamp Heights");
    ExecuteCommand(editor, shell, CommandId::ExpandFields);
    ExecuteCommand(editor, shell, CommandId::ShowGridlines); // changes no layer: no step
    EXPECT_EQ(UndoName(), "Expand Fields");
    EXPECT_EQ(editor.history->StepCount(), 4);
    const std::vector<TileCell> edited(editor.document.Tiles().Cells().begin(),
                                       editor.document.Tiles().Cells().end());

    for (const char* step : {"Expand Fields", "Stamp Heights", "Turn Tile", "Paint Tiles"}) {
        EXPECT_EQ(UndoName(), step);
        ExecuteCommand(editor, shell, CommandId::Undo);
    }
    for (int i = 0; i < MapCellCount; ++i) {
        ASSERT_EQ(editor.document.Tiles().At(i), 1) << i;
        ASSERT_EQ(editor.document.Heights().At(i), 1000) << i;
    }
    EXPECT_EQ(editor.heightShade[0], ShadeOfHeight(1000)); // the height view follows
    ExecuteCommand(editor, shell, CommandId::Undo);        // nothing left: nothing happens
    for (int step = 0; step < 4; ++step)
        ExecuteCommand(editor, shell, CommandId::Redo);
    EXPECT_TRUE(std::equal(edited.begin(), edited.end(), editor.document.Tiles().Cells().begin()));
    EXPECT_EQ(editor.document.Tiles().At(1, 2), 9);
    EXPECT_EQ(editor.document.Heights().At(CellIndex(1, 2)), 65535);
}

TEST_F(Undo, RailPointsAndCommitsStepByStep) {
    editor.EditMode = ToolMode::CreateRails;
    for (const int x : {40, 200}) {
        UpdateCursorState(editor, x, 40);
        PressLeftButton(editor, shell, {});
        ReleaseLeftButton(editor, shell, {});
    }
    ReleaseRightButton(editor, shell, {});
    EXPECT_EQ(editor.document.Rails().RailSectionCount, 1);
    EXPECT_EQ(UndoName(), "Commit Rails");
    ExecuteCommand(editor, shell, CommandId::Undo);
    EXPECT_EQ(editor.document.Rails().RailSectionCount, 0);
    EXPECT_EQ(editor.document.Rails().PendingRailPointCount, 2);
    EXPECT_EQ(UndoName(), "Lay Rail Point");
    PressMiddleButton(editor, shell, {}); // a new step drops the undone commit
    EXPECT_EQ(UndoName(), "Remove Rail Point");
    EXPECT_EQ(editor.history->RedoName(), "");
    ExecuteCommand(editor, shell, CommandId::Undo);
    ExecuteCommand(editor, shell, CommandId::Undo);
    EXPECT_EQ(editor.document.Rails().PendingRailPointCount, 1);
}

TEST_F(Undo, LoadingOverNothingAndBackToTheSavedBytesIsClean) {
    MarkLayerSaved(editor, SavedLayer::TextureMap, {});
    Stroke({4});
    EXPECT_TRUE(IsLayerUnsaved(editor, SavedLayer::TextureMap));
    ExecuteCommand(editor, shell, CommandId::Undo);
    EXPECT_FALSE(IsLayerUnsaved(editor, SavedLayer::TextureMap));

    // A layer that was not loaded is gone again after undoing its load.
    editor.document.FreeHeights();
    EditHistory& history = *editor.history;
    history.Begin(editor.document);
    FillHeights(editor, 7);
    history.Commit(editor.document, "Open Height Map");
    history.Undo(editor.document);
    EXPECT_FALSE(editor.document.Heights().HasHeightMap());
    history.Redo(editor.document);
    ASSERT_TRUE(editor.document.Heights().HasHeightMap());
    EXPECT_EQ(editor.document.Heights().At(MapCellCount - 1), 7);
}

TEST(EditHistory, OldestStepsDropWhenOverTheMemoryCap) {
    Editor editor;
    FillTiles(editor, 0);
    EditHistory history(64 * 1024);
    // Each step repaints 4,000 cells, about 24 KiB of changes: only the newest two fit.
    for (TileCell tile = 1; tile <= 5; ++tile) {
        history.Begin(editor.document);
        editor.document.EditTiles([&](TileMap& tiles) {
            std::fill_n(tiles.Cells().begin(), 4000, tile);
            return WholeMap;
        });
        history.Commit(editor.document, "Paint Tiles");
    }
    EXPECT_EQ(history.StepCount(), 2);
    EXPECT_LE(history.Bytes(), 64u * 1024);
    EXPECT_TRUE(history.Undo(editor.document));
    EXPECT_TRUE(history.Undo(editor.document));
    EXPECT_FALSE(history.Undo(editor.document));
    EXPECT_EQ(editor.document.Tiles().At(0), 3);
    EXPECT_TRUE(history.Redo(editor.document));
    EXPECT_EQ(editor.document.Tiles().At(3999), 4);
}
