// The main window as the user meets it: the state right after start-up, commands
// chosen through the real menu items, the scroll bars and the end of the program.

#include "SessionFixture.h"

#include "core/commands/Commands.h"
#include "core/edit/UnsavedChanges.h"
#include "support/TempDir.h"
#ifdef MAPEDITOR_WITH_GDAL
#include "support/SyntheticRaster.h"
#endif

#include <QKeyEvent>
#include <QScrollBar>

#include <tuple>

using MainWindowTest = SessionFixture;

TEST_F(MainWindowTest, StartsAtFiftyPercentWithBothSecondaryWindowsShownAndChecked) {
    for (const AppTestShell::Message& message : shell.messages)
        ADD_FAILURE() << "the bundled data loads silently: " << message.text;
    EXPECT_EQ(main().windowTitle(), "Map Editor");
    EXPECT_TRUE(main().isVisible() && session->Palette()->isVisible());
    EXPECT_TRUE(session->HeightView()->isVisible() && session->TerrainView()->isVisible());
    EXPECT_EQ(editor().view.TilePixels, 32);
    EXPECT_EQ(editor().view.ViewCells, 32);
    // The marks after the three first commands: 50%, both windows, the flags that start at 1.
    QStringList checked;
    for (QAction* action : main().findChildren<QAction*>())
        if (action->isChecked())
            checked << action->text();
    checked.sort();
    EXPECT_EQ(checked.join("|"), "&AutoDraw Rivers|&Height Map|&Railroads|&Target Areas|3D "
                                 "View|50%|Show &Textures");
    // The scroll bars span the map in cells.
    EXPECT_EQ(main().HorizontalBar().maximum(), 640);
    EXPECT_EQ(main().VerticalBar().maximum(), 320);
    EXPECT_EQ(main().HorizontalBar().pageStep(), 10);
}

TEST_F(MainWindowTest, CheckMarksFollowTogglesAndZoom) {
    for (bool expected : {true, false}) {
        Item(CommandId::ShowGridlines)->trigger();
        EXPECT_EQ(editor().flags.ShowGridlines, expected);
        EXPECT_EQ(Item(CommandId::ShowGridlines)->isChecked(), expected);
    }

    Item(CommandId::Zoom150)->trigger();
    Item(CommandId::Zoom150)->trigger(); // choosing the checked item again keeps it checked
    EXPECT_EQ(editor().view.TilePixels, 96);
    EXPECT_EQ(editor().view.ViewCells, 10);
    for (CommandId command : {CommandId::Zoom400, CommandId::Zoom200, CommandId::Zoom150,
                              CommandId::Zoom100, CommandId::Zoom50, CommandId::Zoom25})
        EXPECT_EQ(Item(command)->isChecked(), command == CommandId::Zoom150);
}

TEST_F(MainWindowTest, ClosingASecondaryWindowHidesItAndClearsItsMark) {
    const std::tuple<QWidget*, bool DisplayFlags::*, CommandId> windows[] = {
        {session->HeightView(), &DisplayFlags::ShowHeightView, CommandId::ShowHeightView},
        {session->TerrainView(), &DisplayFlags::Show3DView, CommandId::Show3DView}};
    for (const auto& [window, flag, command] : windows) {
        window->close();
        Settle();
        EXPECT_FALSE(window->isVisible());
        EXPECT_FALSE(editor().flags.*flag);
        EXPECT_FALSE(Item(command)->isChecked());
        Item(command)->trigger(); // the menu item brings the same window back
        EXPECT_TRUE(window->isVisible());
    }
}

TEST_F(MainWindowTest, ExitClosesTheMainWindow) {
    Item(CommandId::Exit)->trigger();
    EXPECT_FALSE(main().isVisible());
    EXPECT_TRUE(shell.questions.empty()) << "nothing to lose, nothing to ask";
}

TEST_F(MainWindowTest, UnsavedChangesAreAskedAboutOnceBeforeTheWindowCloses) {
    editor().tileMap.Replace(std::vector<TileCell>(MapCellCount, MakeCell(0, 1)));
    main().close(); // the close box
    EXPECT_TRUE(main().isVisible());
    ASSERT_EQ(shell.questions.size(), 1u);
    QKeyEvent heldEscape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier, QString(), true);
    QCoreApplication::sendEvent(&main().View(), &heldEscape);
    EXPECT_EQ(shell.questions.size(), 1u) << "a held-down Escape does not ask again and again";
    EXPECT_EQ(shell.questions[0].substr(0, 43), "The texture map has changes that are not sa");

    shell.discardChanges = true;
    Item(CommandId::Exit)->trigger();
    EXPECT_FALSE(main().isVisible());
    EXPECT_EQ(shell.questions.size(), 2u) << "the closing window does not ask again";
}

TEST_F(MainWindowTest, ScrollBarsAndArrowKeysMoveTheOriginWithinTheMap) {
    main().VerticalBar().triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(editor().view.ViewOriginRow, 0);
    editor().view.ViewOriginColumn = 635;
    main().HorizontalBar().triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(editor().view.ViewOriginColumn, 640);
    EXPECT_EQ(main().HorizontalBar().value(), 640);
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_Down})
        QTest::keyClick(&main().View(), key);
    EXPECT_EQ(editor().view.ViewOriginRow, 2);
    EXPECT_EQ(main().VerticalBar().value(), 2);
}

TEST_F(MainWindowTest, EditMenuUndoesAndRedoesByNameAndShortcut) {
    editor().tileMap.Replace(std::vector<TileCell>(MapCellCount, MakeCell(0, 1)));
    EXPECT_FALSE(Item(CommandId::Undo)->isEnabled());
    EXPECT_EQ(Item(CommandId::Redo)->shortcuts(),
              (QList<QKeySequence>{QKeySequence("Ctrl+Shift+Z"), QKeySequence("Ctrl+Y")}));
    Item(CommandId::RandomizeTiles)->trigger();
    EXPECT_EQ(Item(CommandId::Undo)->text(), "&Undo Randomize Tiles");
    const std::vector<TileCell> randomized(editor().tileMap.Cells().begin(),
                                           editor().tileMap.Cells().end());
    main().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main()));
    QTest::keyClick(&main().View(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(std::count(editor().tileMap.Cells().begin(), editor().tileMap.Cells().end(),
                         MakeCell(0, 1)),
              MapCellCount);
    EXPECT_EQ(Item(CommandId::Redo)->text(), "&Redo Randomize Tiles");
    EXPECT_FALSE(Item(CommandId::Undo)->isEnabled());
    QTest::keyClick(&main().View(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_TRUE(std::equal(randomized.begin(), randomized.end(), editor().tileMap.Cells().begin()));
}

#ifdef MAPEDITOR_WITH_GDAL
TEST_F(MainWindowTest, NewMapFromGeodataShowsTheNewMapAsOneStepUnlessTheDialogIsCancelled) {
    TempDir dir;
    NewMapRequest request;
    request.sources.land = dir.File("land.tif");
    ASSERT_TRUE(WriteSyntheticRaster(
        request.sources.land,
        LatLongRaster(-5, 55, 20, 10, 1, [](int column, int) { return column > 4; })));
    editor().tileMap.Replace(std::vector<TileCell>(MapCellCount, MakeCell(0, 1)));
    MarkLayerSaved(editor(), SavedLayer::TextureMap); // nothing unsaved: no question
    std::optional<NewMapRequest> answer;
    main().SetNewMapAsker([&](QWidget*) { return answer; });

    Item(CommandId::NewMapFromGeodata)->trigger(); // cancelled
    EXPECT_EQ(editor().tileMap.At(0), MakeCell(0, 1));
    answer = request;
    Item(CommandId::NewMapFromGeodata)->trigger();
    EXPECT_EQ(CodeOf(editor().tileMap.At(0)), 2); // the sea west of 0 E
    EXPECT_TRUE(editor().heightMap.HasHeightMap());
    EXPECT_EQ(Item(CommandId::Undo)->text(), "&Undo New Map from Geodata");
}
#endif
