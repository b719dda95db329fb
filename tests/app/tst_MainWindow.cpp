// The main window as the user meets it: the state right after start-up, the menu, commands
// chosen through the real menu items, the scroll bars and the end of the program.

#include "SessionFixture.h"

#include "app/TextureViewWidget.h"
#include "core/edit/Commands.h"

#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>

namespace {

// The menu as text: items by label, "-" for separators, popups as "label[...]".
std::string Describe(const QList<QAction*>& actions) {
    std::string text;
    for (QAction* action : actions) {
        if (!text.empty())
            text += "|";
        if (action->isSeparator()) {
            text += "-";
            continue;
        }
        text += action->text().toStdString();
        if (action->menu())
            text += "[" + Describe(action->menu()->actions()) + "]";
    }
    return text;
}

std::vector<int> CheckedCommands(MainWindow& window) {
    std::vector<int> checked;
    for (QAction* action : window.findChildren<QAction*>())
        if (action->isChecked())
            checked.push_back(action->data().toInt());
    std::sort(checked.begin(), checked.end());
    return checked;
}

} // namespace

using MainWindowStartUp = SessionFixture;

TEST_F(MainWindowStartUp, OpensAtFiftyPercentWithBothSecondaryWindowsShownAndChecked) {
    EXPECT_EQ(main().windowTitle(), "Map Editor");
    EXPECT_TRUE(main().isVisible());
    EXPECT_EQ(editor().view.TilePixelWidth, 32);
    EXPECT_EQ(editor().view.ViewColumns, 32);
    EXPECT_TRUE(session->HeightView()->isVisible());
    EXPECT_TRUE(session->TerrainView()->isVisible());
    EXPECT_TRUE(session->Palette()->isVisible());
    // The marks of the menu resource after the three first commands: 50%, both windows,
    // and the flags that start at 1.
    const std::vector<int> expected = {
        CommandShow3DView,     CommandShowHeightView, CommandShowTextures,   CommandZoom50,
        CommandAutoDrawRivers, CommandShowRailroads,  CommandShowTargetAreas};
    std::vector<int> sorted = expected;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(CheckedCommands(main()), sorted);
}

TEST_F(MainWindowStartUp, BundledDataLoadsWithoutAnyMessage) {
    for (const AppTestShell::Message& message : shell.messages)
        ADD_FAILURE() << message.caption << ": " << message.text;
}

TEST_F(MainWindowStartUp, ScrollBarsSpanTheMapInCells) {
    EXPECT_EQ(main().HorizontalBar().maximum(), 640);
    EXPECT_EQ(main().VerticalBar().maximum(), 320);
    EXPECT_EQ(main().HorizontalBar().pageStep(), 10);
    EXPECT_EQ(main().VerticalBar().singleStep(), 1);
}

TEST_F(MainWindowStartUp, MenuHasEveryLabelSeparatorAndPopup) {
    EXPECT_EQ(Describe(main().menuBar()->actions()),
              "&File[&Load Texture File...|&Save Texture File...|-|Preferences[&AutoDraw "
              "Rivers|Use &X-Windows Mouse Focus]|-|&Exit]|"
              "&View[&Zoom[400%|200%|150%|100%|50%|25%]|&Show[&Gridlines|&Latitude && "
              "Longitude|&Railroads|&Target Areas|Mouse World Location|&Height Map|3D View]]|"
              "Tile &Utilities[&Randomize Tiles|&Expand Fields|Field Transitions|&Mark Tile "
              "Errors]|"
              "3d &Preview[OpenGL Driver Info|-|Show &Textures|Show 3d Grid]|"
              "&Railroads[&Create Rails|&Move Rails|-|Save RRD|Load RRD|-|Save Segment|Load "
              "Segment|Append Segment]");
}

using MainWindowCommands = SessionFixture;

TEST_F(MainWindowCommands, ToggleItemsFollowTheirFlag) {
    Item(CommandShowGridlines)->trigger();
    EXPECT_EQ(editor().flags.ShowGridlines, 1);
    EXPECT_TRUE(Item(CommandShowGridlines)->isChecked());
    Item(CommandShowGridlines)->trigger();
    EXPECT_EQ(editor().flags.ShowGridlines, 0);
    EXPECT_FALSE(Item(CommandShowGridlines)->isChecked());

    Item(CommandAutoDrawRivers)->trigger();
    EXPECT_EQ(editor().flags.AutoDrawRivers, 0);
    EXPECT_FALSE(Item(CommandAutoDrawRivers)->isChecked());
}

TEST_F(MainWindowCommands, ZoomMovesTheOnlyMark) {
    Item(CommandZoom150)->trigger();
    EXPECT_EQ(editor().view.TilePixelWidth, 96);
    EXPECT_EQ(editor().view.ViewRows, 10);
    for (int command :
         {CommandZoom400, CommandZoom200, CommandZoom100, CommandZoom50, CommandZoom25})
        EXPECT_FALSE(Item(command)->isChecked()) << command;
    EXPECT_TRUE(Item(CommandZoom150)->isChecked());
    // Choosing the checked item again keeps it checked.
    Item(CommandZoom150)->trigger();
    EXPECT_TRUE(Item(CommandZoom150)->isChecked());
}

TEST_F(MainWindowCommands, RailModeMarksShowTheLastSwitch) {
    Item(CommandMoveRails)->trigger();
    Item(CommandMoveRails)->trigger();
    EXPECT_EQ(editor().EditMode, 2);
    EXPECT_TRUE(Item(CommandCreateRails)->isChecked());
    EXPECT_FALSE(Item(CommandMoveRails)->isChecked());
    Item(CommandCreateRails)->trigger();
    EXPECT_EQ(editor().EditMode, 0);
    EXPECT_FALSE(Item(CommandCreateRails)->isChecked());
}

TEST_F(MainWindowCommands, HidingASecondaryWindowByItsItemClearsTheMark) {
    Item(CommandShowHeightView)->trigger();
    EXPECT_FALSE(session->HeightView()->isVisible());
    EXPECT_FALSE(Item(CommandShowHeightView)->isChecked());
}

TEST_F(MainWindowCommands, ClosingASecondaryWindowHidesItAndClearsItsMark) {
    struct Secondary {
        QWidget* window;
        int32_t DisplayFlags::*flag;
        int command;
    };
    const Secondary windows[] = {
        {session->HeightView(), &DisplayFlags::ShowHeightView, CommandShowHeightView},
        {session->TerrainView(), &DisplayFlags::Show3DView, CommandShow3DView},
    };
    for (const Secondary& secondary : windows) {
        secondary.window->close();
        Settle();
        EXPECT_FALSE(secondary.window->isVisible()) << secondary.command;
        EXPECT_EQ(editor().flags.*secondary.flag, 0) << secondary.command;
        EXPECT_FALSE(Item(secondary.command)->isChecked()) << secondary.command;
        // The menu item brings the same window back.
        Item(secondary.command)->trigger();
        EXPECT_TRUE(secondary.window->isVisible()) << secondary.command;
    }
}

TEST_F(MainWindowCommands, LoadTextureFileAsksAndCancelChangesNothing) {
    shell.messages.clear();
    shell.answers.push_back(std::nullopt);
    Item(CommandLoadTextureFile)->trigger();
    EXPECT_TRUE(shell.answers.empty());
    EXPECT_FALSE(editor().tileMap.HasTileMap());
    EXPECT_TRUE(shell.messages.empty());
}

TEST_F(MainWindowCommands, ExitClosesTheMainWindow) {
    Item(CommandExit)->trigger();
    EXPECT_FALSE(main().isVisible());
}

TEST_F(MainWindowCommands, EscapeInTheViewClosesTheMainWindow) {
    QTest::keyClick(&main().View(), Qt::Key_Escape);
    EXPECT_FALSE(main().isVisible());
}

using MainWindowScrolling = SessionFixture;

TEST_F(MainWindowScrolling, PageStepsStopAtTheRangeEnd) {
    editor().view.ViewOriginColumn = 635;
    main().HorizontalBar().triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(editor().view.ViewOriginColumn, 640);
    EXPECT_EQ(main().HorizontalBar().value(), 640);
}

TEST_F(MainWindowScrolling, LineStepsMoveByOneCellAndNotBelowZero) {
    main().VerticalBar().triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(editor().view.ViewOriginRow, 1);
    main().VerticalBar().triggerAction(QAbstractSlider::SliderSingleStepSub);
    main().VerticalBar().triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(editor().view.ViewOriginRow, 0);
    EXPECT_EQ(main().VerticalBar().value(), 0);
}

TEST_F(MainWindowScrolling, ArrowKeysInTheViewMoveTheOrigin) {
    QTest::keyClick(&main().View(), Qt::Key_Right);
    QTest::keyClick(&main().View(), Qt::Key_Down);
    QTest::keyClick(&main().View(), Qt::Key_Down);
    EXPECT_EQ(editor().view.ViewOriginColumn, 1);
    EXPECT_EQ(editor().view.ViewOriginRow, 2);
    EXPECT_EQ(main().VerticalBar().value(), 2);
}
