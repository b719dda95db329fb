// The main window as the user meets it: the state right after start-up, commands
// chosen through the real menu items, the scroll bars and the end of the program.

#include "SessionFixture.h"

#include "app/CommandLineFiles.h"
#include "app/EditorStatusBar.h"
#include "app/InputAdapter.h"
#include "app/NewMapFromGeodataDialog.h"
#include "app/SessionSettings.h"
#include "core/commands/Commands.h"
#include "core/edit/UnsavedChanges.h"
#include "support/TempDir.h"
#ifdef MAPEDITOR_WITH_GDAL
#include "support/SyntheticRaster.h"
#endif

#include <QKeyEvent>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QTimer>
#include <QWheelEvent>
#include <QWindow>

#include <tuple>

using MainWindowTest = SessionFixture;

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

TEST_F(MainWindowTest, UnsavedChangesAreAskedAboutOnceBeforeTheWindowCloses) {
    editor().document.ReplaceTiles(std::vector<TileCell>(MapCellCount, MakeCell(0, 1)));
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
    editor().document.ReplaceTiles(std::vector<TileCell>(MapCellCount, MakeCell(0, 1)));
    EXPECT_FALSE(Item(CommandId::Undo)->isEnabled());
    EXPECT_EQ(Item(CommandId::Redo)->shortcuts(),
              (QList<QKeySequence>{QKeySequence("Ctrl+Shift+Z"), QKeySequence("Ctrl+Y")}));
    Item(CommandId::RandomizeTiles)->trigger();
    EXPECT_EQ(Item(CommandId::Undo)->text(), "&Undo Randomize Tiles");
    const std::vector<TileCell> randomized(editor().document.Tiles().Cells().begin(),
                                           editor().document.Tiles().Cells().end());
    main().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main()));
    QTest::keyClick(&main().View(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(std::count(editor().document.Tiles().Cells().begin(),
                         editor().document.Tiles().Cells().end(), MakeCell(0, 1)),
              MapCellCount);
    EXPECT_EQ(Item(CommandId::Redo)->text(), "&Redo Randomize Tiles");
    EXPECT_FALSE(Item(CommandId::Undo)->isEnabled());
    QTest::keyClick(&main().View(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_TRUE(std::equal(randomized.begin(), randomized.end(),
                           editor().document.Tiles().Cells().begin()));
}

#ifdef MAPEDITOR_WITH_GDAL
TEST_F(MainWindowTest, NewMapFromGeodataShowsTheNewMapAsOneStepUnlessTheDialogIsCancelled) {
    TempDir dir;
    NewMapRequest request;
    request.sources.land = dir.File("land.tif");
    ASSERT_TRUE(WriteSyntheticRaster(
        request.sources.land,
        LatLongRaster(-5, 55, 20, 10, 1, [](int column, int) { return column > 4; })));
    editor().document.ReplaceTiles(std::vector<TileCell>(MapCellCount, MakeCell(0, 1)));
    MarkLayerSaved(editor(), SavedLayer::TextureMap, {}); // nothing unsaved: no question
    std::optional<NewMapRequest> answer;
    main().SetNewMapAsker([&](QWidget*) { return answer; });

    Item(CommandId::NewMapFromGeodata)->trigger(); // cancelled
    EXPECT_EQ(editor().document.Tiles().At(0), MakeCell(0, 1));
    answer = request;
    Item(CommandId::NewMapFromGeodata)->trigger();
    EXPECT_EQ(CodeOf(editor().document.Tiles().At(0)), 2); // the sea west of 0 E
    EXPECT_TRUE(editor().document.Heights().HasHeightMap());
    EXPECT_EQ(Item(CommandId::Undo)->text(), "&Undo New Map from Geodata");
}
#endif

namespace {

const std::string Sample = TEST_DATA_DIR "/samples/central-europe.";

void Wheel(QWidget& view, QPoint client, QPoint angle, Qt::KeyboardModifiers modifiers) {
    QWheelEvent wheel(client, view.mapToGlobal(client), QPoint(), angle, Qt::NoButton, modifiers,
                      Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&view, &wheel);
}

} // namespace

TEST_F(MainWindowTest, StatusBarNamesThePlaceUnderThePointerAndTheTool) {
    OpenCommandLineFiles(editor(), shell, {Sample + "tm", Sample + "hm"});
    using Field = EditorStatusBar::Field;
    const EditorStatusBar& status = main().Status();
    // At 32 pixels a cell: the middle of cell (1, 20), 1.5 and 20.5 cells from the map's
    // corner at 5 degrees west and 55 north.
    QTest::mouseMove(&main().View(), QPoint(48, 656));
    EXPECT_EQ(status.Text(Field::Cell), "column 1, row 20");
    EXPECT_EQ(status.Text(Field::Position), "54\u00b021'N 4\u00b057'W");
    const TileCell cell = editor().document.Tiles().At(20, 1);
    const std::string_view tile = TileDisplayName(CodeOf(cell));
    EXPECT_TRUE(status.Text(Field::Tile).startsWith(QLatin1String(tile.data(), tile.size())));
    EXPECT_EQ(status.Text(Field::Height),
              QString("height %1").arg(editor().document.Heights().At(CellIndex(20, 1))));
    EXPECT_EQ(status.Text(Field::Zoom), "50%");
    EXPECT_EQ(status.Text(Field::Tool), "Tile Painting");
    QTest::keyClick(&main().View(), Qt::Key_F2);
    QTest::keyClick(&main().View(), Qt::Key_Right); // the map moves under the pointer
    EXPECT_EQ(status.Text(Field::Tool), "Height Editing");
    EXPECT_EQ(status.Text(Field::Cell), "column 2, row 20");
    EXPECT_FALSE(status.ToolHint().isEmpty()); // what the tool does with each button
}

TEST_F(MainWindowTest, WheelScrollsAndCtrlWheelZoomsAroundTheCellUnderThePointer) {
    QWidget& view = main().View();
    const int lines = QApplication::wheelScrollLines();
    editor().view.ViewOriginColumn = 100;
    editor().view.ViewOriginRow = 100;
    Wheel(view, QPoint(300, 300), QPoint(0, -120), Qt::NoModifier); // one notch towards the user
    EXPECT_EQ(editor().view.ViewOriginRow, 100 + lines);
    Wheel(view, QPoint(300, 300), QPoint(0, 120), Qt::ShiftModifier);
    EXPECT_EQ(editor().view.ViewOriginColumn, 100 - lines);
    EXPECT_EQ(main().HorizontalBar().value(), 100 - lines);

    // Cell (9, 9) of the block lies under pixel (300, 300) at 32 pixels; after zooming in to
    // 64 pixels the same map cell is still under it.
    const int column = editor().view.ViewOriginColumn + 300 / 32;
    const int row = editor().view.ViewOriginRow + 300 / 32;
    Wheel(view, QPoint(300, 300), QPoint(0, 120), Qt::ControlModifier);
    EXPECT_EQ(editor().view.TilePixels, 64);
    EXPECT_TRUE(Item(CommandId::Zoom100)->isChecked());
    EXPECT_EQ(editor().view.ViewOriginColumn + 300 / 64, column);
    EXPECT_EQ(editor().view.ViewOriginRow + 300 / 64, row);
    for (int notch = 0; notch < 8; ++notch) // past the last step: it stays at 25%
        Wheel(view, QPoint(300, 300), QPoint(0, -120), Qt::ControlModifier);
    EXPECT_EQ(editor().view.TilePixels, 16);
    EXPECT_EQ(main().Status().Text(EditorStatusBar::Field::Zoom), "25%");
}

TEST_F(MainWindowTest, MenusShowEveryKeyOfTheViewAndTheZoomShortcuts) {
    main().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main()));
    QTest::keyClick(&main().View(), Qt::Key_2, Qt::ControlModifier);
    EXPECT_TRUE(Item(CommandId::Zoom200)->isChecked());
    EXPECT_EQ(editor().view.TilePixels, 128);

    QString shortcutColumn; // what the menus show right of the labels
    for (QAction* action : main().menuBar()->findChildren<QAction*>())
        shortcutColumn += action->text().section('\t', 1) + "," +
                          action->shortcut().toString(QKeySequence::NativeText) + ",";
    for (int key = Qt::Key_Escape; key <= Qt::Key_F35; ++key) {
        if (KeyOf(key)) {
            EXPECT_TRUE(shortcutColumn.contains(QKeySequence(key).toString() + ","))
                << QKeySequence(key).toString().toStdString();
        }
    }
    for (const char* zoom : {"Ctrl+1", "Ctrl+6"})
        EXPECT_TRUE(shortcutColumn.contains(zoom));
}

TEST_F(MainWindowTest, DriverInfoListsTheExtensionsInAScrolledAreaInsideTheScreen) {
    shell.realListBoxes = true;
    editor().driver.Extensions.clear();
    for (int i = 0; i < 400; ++i) // longer than any screen is tall
        editor().driver.Extensions += "GL_EXT_number_" + std::to_string(i) + " ";
    QRect box;
    QString list;
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        EXPECT_EQ(modal->windowTitle(), "OpenGL Implementation Information");
        box = modal->frameGeometry();
        list = modal->findChild<QPlainTextEdit*>()->toPlainText();
        QTest::keyClick(modal, Qt::Key_Return); // OK
    });
    Item(CommandId::DriverInfo)->trigger();
    EXPECT_TRUE(main().screen()->availableGeometry().contains(box));
    EXPECT_EQ(list.count('\n'), 399);
    EXPECT_TRUE(list.startsWith("GL_EXT_number_0\nGL_EXT_number_1\n"));
}

TEST_F(MainWindowTest, SecondaryWindowsAreOwnedPlacedClearOfMenuAndPaletteAndRemembered) {
    const QRect menu(main().menuBar()->mapToGlobal(QPoint(0, 0)), main().menuBar()->size());
    const QRect palette(session->Palette()->mapToGlobal(QPoint(0, 0)), session->Palette()->size());
    for (QWidget* window : {session->HeightView(), session->TerrainView()}) {
        ASSERT_NE(window->windowHandle(), nullptr);
        EXPECT_EQ(window->windowHandle()->transientParent(), main().windowHandle());
        EXPECT_FALSE(window->frameGeometry().intersects(menu));
        EXPECT_FALSE(window->frameGeometry().intersects(palette))
            << window->frameGeometry().x() << " " << window->frameGeometry().width() << " "
            << palette.x();
    }

    // What one run leaves, the next run finds.
    Item(CommandId::Zoom150)->trigger();
    Item(CommandId::ShowGridlines)->trigger();
    Item(CommandId::Show3DView)->trigger(); // off
    session->HeightView()->move(40, 300);
    SaveSessionSettings(*session);
    session.reset();
    session = std::make_unique<EditorSession>(shell);
    ASSERT_EQ(session->StartUp(), 0);
    session->PostStartCommands();
    RestoreSessionSettings(*session);
    Settle();
    EXPECT_EQ(editor().view.TilePixels, 96);
    EXPECT_TRUE(editor().flags.ShowGridlines && Item(CommandId::ShowGridlines)->isChecked());
    EXPECT_FALSE(editor().flags.Show3DView || session->TerrainView()->isVisible());
    EXPECT_EQ(session->HeightView()->pos(), QPoint(40, 300));
    QSettings().clear(); // the next tests start afresh
}
