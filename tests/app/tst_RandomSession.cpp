// A long session of random but valid user events against the real windows, over a loaded
// map, heights and rails: menu items (all but "&Exit" and the geodata map, undo and redo
// among them), the height view's menu, palette buttons and the area tools' buttons, keys (all
// but Escape, which ends the program), scroll bars, and mouse moves, presses, drags and
// releases in every mode and tool. Message boxes are recorded and file dialogs
// answered by the test shell, so nothing waits. Afterwards the program must still respond,
// every layer must be well-formed, undoing every step and redoing it must bring back the same
// layers, and every layer must save and reload to the same bytes.
//
// MAPEDITOR_SESSION_SEED and MAPEDITOR_SESSION_EVENTS replay or lengthen a session.

#include "SessionFixture.h"

#include "app/HeightViewWindow.h"
#include "app/PaletteButton.h"
#include "app/TextureViewWidget.h"
#include "app/ToolPalette.h"
#include "core/edit/CommandRegistry.h"
#include "core/edit/UnsavedChanges.h"
#include "core/edit/ViewOps.h"
#include "core/files/HeightMapFile.h"
#include "core/files/RailSegmentFile.h"
#include "core/files/RailroadDefinitionFile.h"
#include "core/files/TextureMapFile.h"
#include "support/RecordingShell.h"
#include "support/TempDir.h"

#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>
#include <QToolButton>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <random>
#include <set>

namespace {

unsigned long EnvironmentNumber(const char* name, unsigned long fallback) {
    const char* text = std::getenv(name);
    return text ? std::strtoul(text, nullptr, 10) : fallback;
}

// The menu items a session may choose: every command of the main window's menus but the one
// that ends the program and the one that builds a map from geodata (the session has none).
std::vector<CommandId> SessionCommands() {
    std::vector<CommandId> commands;
    for (const CommandEntry& entry : CommandRegistry())
        if (entry.menu != MenuId::None && entry.menu != MenuId::HeightViewOptions &&
            entry.id != CommandId::Exit && entry.id != CommandId::NewMapFromGeodata)
            commands.push_back(entry.id);
    return commands;
}

const Qt::Key SessionKeys[] = {Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_Down, Qt::Key_F1,
                               Qt::Key_F2,   Qt::Key_F3, Qt::Key_F4,    Qt::Key_F5,   Qt::Key_F6,
                               Qt::Key_F7,   Qt::Key_F8, Qt::Key_F9,    Qt::Key_A};

class RandomSession : public SessionFixture {
  protected:
    void SetUp() override {
        SessionFixture::SetUp();
        const std::filesystem::path samples = std::filesystem::path(TEST_DATA_DIR) / "samples";
        for (const char* extension : {".tm", ".hm", ".rrd", ".seg"})
            std::filesystem::copy_file(samples / (std::string("central-europe") + extension),
                                       folder.File(std::string("sample") + extension));
        WriteBytes(folder.File("tiny.dem"), std::vector<uint8_t>(64, 0x12));
        Execute(CommandId::LoadTextureFile, folder.File("sample.tm"));
        shell.answers.assign({folder.File("sample.hm")});
        HeightView().OptionsMenu()->actions().front()->trigger(); // "&Open"
        // An import's options dialog would wait for the user: the session takes the defaults.
        HeightView().SetImportOptionsAsker([] { return std::optional(ElevationImportOptions{}); });
        Execute(CommandId::LoadRrd, folder.File("sample.rrd"));
        Execute(CommandId::LoadSegment, folder.File("sample.seg"));
        ASSERT_TRUE(editor().document.Tiles().HasTileMap());
        ASSERT_TRUE(editor().document.Heights().HasHeightMap());
        ASSERT_GT(editor().document.Rails().RailSectionCount, 0);

        // The tracker reads the test's pointer instead of the real one.
        LeftButtonTracker& tracker = main().View().Tracker();
        tracker.leftButtonHeld = [this] { return leftHeld; };
        tracker.cursorPosition = [this] { return cursor; };
        targetAreas = editor().document.TargetAreas();
        // The session starts from the loaded map: undoing stops there.
        editor().history->Stack().clear();
    }

    HeightViewWindow& HeightView() {
        return *static_cast<HeightViewWindow*>(session->HeightView());
    }

    // Runs a command through its menu item, answering its file dialog (if any) with `answer`.
    void Execute(CommandId command, std::optional<std::string> answer = std::nullopt) {
        shell.answers.assign({answer});
        Item(command)->trigger();
        shell.answers.clear();
    }

    int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random); }
    bool Chance(int percent) { return Pick(100) < percent; }

    // A file for a dialog: a layer file written earlier in the session, the sample, a file
    // that does not exist, a folder that cannot be written, or Cancel.
    std::optional<std::string> DialogAnswer(const std::string& extension) {
        switch (Pick(5)) {
        case 0:
        case 1:
            return folder.File("session" + extension);
        case 2:
            return folder.File("sample" + extension);
        case 3:
            return folder.File("missing/none" + extension);
        default:
            return std::nullopt;
        }
    }

    void ChooseMenuItem() {
        const CommandId command =
            commands[static_cast<size_t>(Pick(static_cast<int>(commands.size())))];
        shell.discardChanges = Chance(50); // loading over unsaved changes, or keeping them
        std::optional<std::string> answer;
        switch (command) {
        case CommandId::OpenMap:
        case CommandId::SaveMap:
        case CommandId::SaveMapAs:
        case CommandId::LoadTextureFile:
        case CommandId::SaveTextureFile:
            answer = DialogAnswer(".tm");
            break;
        case CommandId::LoadRrd:
        case CommandId::SaveRrd:
            answer = DialogAnswer(".rrd");
            break;
        case CommandId::LoadSegment:
        case CommandId::SaveSegment:
        case CommandId::AppendSegment:
            answer = DialogAnswer(".seg");
            break;
        default:
            break;
        }
        Execute(command, answer);
    }

    void ChooseHeightViewItem() {
        const QList<QAction*> items = HeightView().OptionsMenu()->actions();
        QAction* item = items[Pick(static_cast<int>(items.size()))];
        const bool convert = item->text() == "&Convert DEM File...";
        shell.answers.assign(
            {convert && Chance(50) ? folder.File("tiny.dem") : DialogAnswer(".hm")});
        item->trigger();
        shell.answers.clear();
    }

    void PressPaletteButton() {
        // The mode buttons and the area tools' buttons often: they decide what every later
        // pointer action does.
        if (Chance(25)) {
            const auto toolButtons = session->Palette()->findChildren<QToolButton*>();
            QTest::mouseClick(toolButtons[Pick(static_cast<int>(toolButtons.size()))],
                              Qt::LeftButton);
            return;
        }
        const int index = Chance(30) ? Pick(2) : Pick(PaletteButtonCount);
        QTest::mouseClick(session->Palette()->Button(index), Qt::LeftButton);
    }

    void PressKey() {
        const Qt::Key key = SessionKeys[Pick(std::size(SessionKeys))];
        QWidget* target = Chance(80) ? static_cast<QWidget*>(&main().View()) : session->Palette();
        QTest::keyClick(target, key);
    }

    void Scroll() {
        QScrollBar& bar = Chance(50) ? main().HorizontalBar() : main().VerticalBar();
        switch (Pick(4)) {
        case 0:
            bar.triggerAction(Chance(50) ? QAbstractSlider::SliderSingleStepAdd
                                         : QAbstractSlider::SliderSingleStepSub);
            break;
        case 1:
            bar.triggerAction(Chance(50) ? QAbstractSlider::SliderPageStepAdd
                                         : QAbstractSlider::SliderPageStepSub);
            break;
        default:
            // Dragging the box: positions while it moves, then the release.
            bar.setSliderDown(true);
            bar.setSliderPosition(Pick(bar.maximum() + 1));
            bar.setSliderDown(false);
            break;
        }
    }

    // A point of the view away from the screen's left edge (which hands the pointer to the
    // 3D view).
    QPoint RandomViewPoint() {
        TextureViewWidget& view = main().View();
        QPoint point(Pick(view.width()), Pick(view.height()));
        if (view.mapToGlobal(point).x() < 2)
            point.setX(2 - view.mapToGlobal(QPoint(0, 0)).x());
        return point;
    }

    Qt::KeyboardModifiers RandomModifiers() {
        Qt::KeyboardModifiers modifiers;
        if (Chance(20))
            modifiers |= Qt::ShiftModifier;
        if (Chance(20))
            modifiers |= Qt::ControlModifier;
        return modifiers;
    }

    Qt::MouseButtons HeldButtons() const {
        return (leftHeld ? Qt::LeftButton : Qt::NoButton) |
               (rightHeld ? Qt::RightButton : Qt::NoButton);
    }

    void MoveMouse(QPoint client) {
        cursor = client;
        TextureViewWidget& view = main().View();
        QMouseEvent move(QEvent::MouseMove, client, view.mapToGlobal(client), Qt::NoButton,
                         HeldButtons(), Qt::NoModifier);
        QCoreApplication::sendEvent(&view, &move);
    }

    // A press, a drag of a few cells with tracker readings, and the release.
    void Drag(Qt::MouseButton button) {
        TextureViewWidget& view = main().View();
        const Qt::KeyboardModifiers modifiers = RandomModifiers();
        MoveMouse(RandomViewPoint());
        (button == Qt::LeftButton ? leftHeld : rightHeld) = true;
        QTest::mousePress(&view, button, modifiers, cursor);
        events += 2;
        for (int steps = Pick(6); steps > 0; --steps, ++events) {
            const QPoint next = cursor + QPoint(Pick(41) - 20, Pick(41) - 20);
            MoveMouse(QPoint(std::clamp(next.x(), 0, view.width() - 1),
                             std::clamp(next.y(), 0, view.height() - 1)));
            if (leftHeld && view.Tracker().IsActive()) {
                view.Tracker().Poll(); // the first reading in a cell
                view.Tracker().Poll(); // the second, which edits
            }
        }
        (button == Qt::LeftButton ? leftHeld : rightHeld) = false;
        if (Chance(10) && view.Tracker().IsActive())
            view.Tracker().Poll(); // the timer finds the button up before the release arrives
        QTest::mouseRelease(&view, button, modifiers, cursor);
        ++events;
    }

    void UseMouse() {
        switch (Pick(5)) {
        case 0:
            MoveMouse(RandomViewPoint());
            ++events;
            break;
        case 1:
            Drag(Qt::LeftButton);
            break;
        case 2:
            Drag(Qt::RightButton);
            break;
        case 3:
            MoveMouse(RandomViewPoint());
            QTest::mouseClick(&main().View(), Qt::MiddleButton, RandomModifiers(), cursor);
            events += 2;
            break;
        default:
            ClickHeightView();
            break;
        }
    }

    void ClickHeightView() {
        QWidget* canvas = HeightView().Canvas();
        const QPoint point(Pick(canvas->width()), Pick(canvas->height()));
        QTest::mousePress(canvas, Qt::LeftButton, Qt::NoModifier, point);
        QTest::mouseRelease(canvas, Qt::LeftButton, Qt::NoModifier, point);
        events += 2;
    }

    // One user action of a kind chosen by weight; most are pointer actions and keys.
    void RandomAction() {
        const int roll = Pick(100);
        if (roll < 5)
            ChooseMenuItem();
        else if (roll < 6)
            ChooseHeightViewItem();
        else if (roll < 14)
            PressPaletteButton();
        else if (roll < 30)
            PressKey();
        else if (roll < 42)
            Scroll();
        else {
            UseMouse();
            return;
        }
        ++events;
    }

    void ExpectWellFormedLayers() {
        const Editor& state = editor();
        ASSERT_TRUE(state.document.Tiles().HasTileMap());
        EXPECT_EQ(state.document.Tiles().Cells().size(), static_cast<size_t>(MapCellCount));
        ASSERT_TRUE(state.document.Heights().HasHeightMap());
        EXPECT_EQ(state.document.Heights().Heights().size(), static_cast<size_t>(MapCellCount));
        // Loading sections keeps the pending points, so only each count is bounded.
        EXPECT_GE(state.document.Rails().RailSectionCount, 0);
        EXPECT_LE(state.document.Rails().RailSectionCount, RailTableSize);
        EXPECT_GE(state.document.Rails().PendingRailPointCount, 0);
        EXPECT_LE(state.document.Rails().PendingRailPointCount, RailTableSize);
        EXPECT_EQ(state.document.TargetAreas().size(), targetAreas.size());

        EXPECT_GE(state.view.ViewOriginColumn, 0);
        EXPECT_LE(state.view.ViewOriginColumn, HorizontalScrollMax);
        EXPECT_GE(state.view.ViewOriginRow, 0);
        EXPECT_LE(state.view.ViewOriginRow, VerticalScrollMax);
        EXPECT_EQ(main().HorizontalBar().value(), state.view.ViewOriginColumn);
        EXPECT_EQ(main().VerticalBar().value(), state.view.ViewOriginRow);
        const std::map<int, int> zoomSteps = {{16, 64}, {32, 32}, {64, 16},
                                              {96, 10}, {128, 8}, {256, 4}};
        ASSERT_TRUE(zoomSteps.contains(state.view.TilePixels));
        EXPECT_EQ(state.view.ViewCells, zoomSteps.at(state.view.TilePixels));
        EXPECT_EQ(state.VertexMode, state.EditMode == ToolMode::HeightEditing);
        EXPECT_LT(state.SelectedTile, PaletteButtonCount - FirstTileButton);
        EXPECT_EQ(state.cursor.LeftButtonDown, false);
    }

    // Saves a layer, loads the file into a fresh editor, saves that again: the two files are
    // the same bytes and those of the session's layer.
    using LayerFileOperation = void (*)(Editor&, Shell&, const std::string&);
    void ExpectRoundTrip(const std::string& name, SavedLayer layer, LayerFileOperation save,
                         LayerFileOperation load) {
        const std::vector<uint8_t> expected = LayerFileBytes(editor(), layer);
        const std::string first = folder.File("final-" + name);
        const std::string second = folder.File("again-" + name);
        save(editor(), shell, first);
        EXPECT_EQ(ReadBytes(first), expected) << name;
        auto fresh = std::make_unique<Editor>();
        RecordingShell quiet;
        load(*fresh, quiet, first);
        save(*fresh, quiet, second);
        EXPECT_EQ(ReadBytes(second), ReadBytes(first)) << name;
    }

    const std::vector<CommandId> commands = SessionCommands();
    TempDir folder;
    std::mt19937 random{static_cast<std::mt19937::result_type>(
        EnvironmentNumber("MAPEDITOR_SESSION_SEED", 20261206))};
    QPoint cursor;
    bool leftHeld = false;
    bool rightHeld = false;
    long events = 0;
    std::vector<TargetArea> targetAreas;
};

} // namespace

TEST_F(RandomSession, TwentyThousandEventsLeaveAResponsiveEditorWithSoundLayers) {
    const long wanted = static_cast<long>(EnvironmentNumber("MAPEDITOR_SESSION_EVENTS", 20000));
    SCOPED_TRACE("MAPEDITOR_SESSION_SEED=" +
                 std::to_string(EnvironmentNumber("MAPEDITOR_SESSION_SEED", 20261206)));
    int actions = 0;
    std::set<ToolMode> modesSeen;
    while (events < wanted) {
        RandomAction();
        // Posted commands (palette buttons, forwarded keys) and repaints run between actions,
        // as the event loop runs them between the user's inputs.
        if (++actions % 8 == 0)
            QCoreApplication::processEvents();
        modesSeen.insert(editor().EditMode);
        if (main().isHidden() || !editor().document.Tiles().HasTileMap() ||
            !editor().document.Heights().HasHeightMap())
            break; // reported below with the state it left
    }
    Settle();
    EXPECT_GE(events, wanted);
    EXPECT_EQ(modesSeen.size(), 9u) << "the pointer was used in every mode";
    EXPECT_TRUE(main().isVisible());
    ExpectWellFormedLayers();

    // Still responding: a command posted like any palette command is carried out and mirrored.
    const bool gridlines = editor().flags.ShowGridlines;
    main().PostCommand(CommandId::ShowGridlines);
    Settle();
    EXPECT_EQ(editor().flags.ShowGridlines, !gridlines);
    EXPECT_EQ(Item(CommandId::ShowGridlines)->isChecked(), !gridlines);
    EXPECT_FALSE(main().View().grab().isNull());

    // Every step of the session undone and then redone brings back the layers it left.
    std::vector<std::vector<uint8_t>> left;
    for (size_t layer = 0; layer < SavedLayerCount; ++layer)
        left.push_back(LayerFileBytes(editor(), static_cast<SavedLayer>(layer)));
    int steps = 0;
    for (; Item(CommandId::Undo)->isEnabled(); ++steps)
        Item(CommandId::Undo)->trigger();
    for (; Item(CommandId::Redo)->isEnabled(); --steps)
        Item(CommandId::Redo)->trigger();
    EXPECT_EQ(steps, 0);
    for (size_t layer = 0; layer < SavedLayerCount; ++layer)
        EXPECT_TRUE(LayerFileBytes(editor(), static_cast<SavedLayer>(layer)) == left[layer])
            << "layer " << layer;

    ExpectRoundTrip("map.tm", SavedLayer::TextureMap, SaveTextureMap, LoadTextureMap);
    ExpectRoundTrip("map.hm", SavedLayer::HeightMap, SaveHeightMap, OpenHeightMap);
    ExpectRoundTrip("net.rrd", SavedLayer::Railroads, SaveRailroadDefinition,
                    LoadRailroadDefinition);
    // A fresh editor has no sections, so any pending list below the limit loads back.
    ExpectRoundTrip("line.seg", SavedLayer::RailSegment, SaveRailSegment, LoadRailSegment);
}
