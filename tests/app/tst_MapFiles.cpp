// The map as a whole, as a user drives it: Open Map, Save Map, Save Map As, New Map and Recent
// Maps through their shortcuts and menus, with the title following, and the file dialogs
// starting at the layer's file, adding the extension and asking before replacing.

#include "SessionFixture.h"
#include "core/edit/UnsavedChanges.h"
#include "core/height/HeightMapCodec.h"
#include "support/TempDir.h"

#include <QMenu>

namespace {

using Bytes = std::vector<uint8_t>;

class MapFilesTest : public SessionFixture {
  protected:
    void Press(int key, Qt::KeyboardModifiers modifiers) {
        QTest::keyClick(&main().View(), static_cast<Qt::Key>(key), modifiers);
        Settle();
    }
    std::string LastMessage() const {
        return shell.messages.empty() ? std::string() : shell.messages.back().text;
    }
    Bytes Layer(SavedLayer layer) { return LayerFileBytes(editor(), layer); }

    TempDir dir;
};

TEST_F(MapFilesTest, OpenSaveSaveAsNewAndRecentWorkOnTheWholeMap) {
    Bytes tiles(MapCellCount), heights(HeightMapFileSize);
    for (size_t i = 0; i < tiles.size(); ++i)
        tiles[i] = static_cast<uint8_t>(i % 59);
    for (size_t i = 0; i < heights.size(); ++i)
        heights[i] = static_cast<uint8_t>(i * 3);
    WriteBytes(dir.File("north.tm"), tiles);
    WriteBytes(dir.File("north.HM"), heights);
    WriteBytes(dir.File("other.rrd"), {0, 0, 0, 0});

    // Shortcuts reach the menu items only in the active window.
    main().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main()));

    // One dialog picks up every file of the name, whatever the case of its extension.
    shell.answers.push_back(dir.File("north.tm"));
    Press(Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(Layer(SavedLayer::TextureMap), tiles);
    EXPECT_EQ(Layer(SavedLayer::HeightMap), heights);
    EXPECT_EQ(LastMessage(), "Map north:\nTexture map: north.tm\nHeight map: north.HM\n"
                             "Railroads: not found\nRail segment: not found");
    EXPECT_EQ(main().windowTitle(), "north[*] - Map Editor");
    EXPECT_FALSE(main().isWindowModified());

    main().Menu().Action(CommandId::RandomizeTiles)->trigger();
    EXPECT_TRUE(main().isWindowModified());
    // Back to its own file: no dialog, no question; the height map was not changed.
    Press(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(ReadBytes(dir.File("north.tm")), Layer(SavedLayer::TextureMap));
    EXPECT_EQ(LastMessage(), dir.File("north.tm") + " has been saved.");
    EXPECT_TRUE(shell.replaceQuestions.empty());
    EXPECT_FALSE(main().isWindowModified());

    // Save As starts at the map's file and adds the extensions to a bare name.
    shell.answers.push_back(dir.File("south"));
    Press(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(shell.proposals.back(), dir.File("north.tm"));
    EXPECT_EQ(ReadBytes(dir.File("south.tm")), Layer(SavedLayer::TextureMap));
    EXPECT_EQ(ReadBytes(dir.File("south.hm")), heights);
    EXPECT_EQ(main().windowTitle(), "south[*] - Map Editor");
    // A file that is not the layer's own is replaced only when the user agrees.
    const Bytes northBefore = ReadBytes(dir.File("north.tm"));
    main().Menu().Action(CommandId::RandomizeTiles)->trigger();
    shell.answers.push_back(dir.File("north.tm"));
    main().Menu().Action(CommandId::SaveTextureFile)->trigger();
    EXPECT_EQ(shell.proposals.back(), dir.File("south.tm"));
    EXPECT_EQ(shell.replaceQuestions, std::vector<std::string>{dir.File("north.tm")});
    EXPECT_EQ(ReadBytes(dir.File("north.tm")), northBefore);
    EXPECT_TRUE(main().isWindowModified());

    // A new map asks before the unsaved tiles go.
    editor().SelectedTile = 7;
    const Bytes unsaved = Layer(SavedLayer::TextureMap);
    Press(Qt::Key_N, Qt::ControlModifier);
    ASSERT_EQ(shell.questions.size(), 1u);
    EXPECT_EQ(Layer(SavedLayer::TextureMap), unsaved);
    shell.discardChanges = true;
    Press(Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(Layer(SavedLayer::TextureMap), Bytes(MapCellCount, 7));
    EXPECT_TRUE(std::all_of(editor().document.Heights().Heights().begin(),
                            editor().document.Heights().Heights().end(),
                            [](uint16_t h) { return h == 1; }));
    EXPECT_EQ(main().windowTitle(), "Untitled[*] - Map Editor");

    // The maps opened and saved are offered again, newest first.
    QMenu& recent = main().RecentMenu();
    emit recent.aboutToShow();
    ASSERT_GE(recent.actions().size(), 2);
    EXPECT_EQ(recent.actions()[0]->text().toStdString(), dir.File("south.tm"));
    EXPECT_EQ(recent.actions()[1]->text().toStdString(), dir.File("north.tm"));
    recent.actions()[1]->trigger();
    Settle();
    EXPECT_EQ(Layer(SavedLayer::HeightMap), heights);
    EXPECT_EQ(main().windowTitle(), "north[*] - Map Editor");
}

} // namespace
