#include "app/HeightViewWindow.h"
#include "core/commands/Commands.h"
#include "core/edit/Editor.h"
#include "core/undo/EditHistory.h"
#include "support/RecordingShell.h"
#include "support/TempDir.h"
#ifdef MAPEDITOR_WITH_GDAL
#include "support/SyntheticRaster.h"
#endif

#include <QMenu>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

struct HeightViewFixture : testing::Test {
    std::unique_ptr<Editor> editor = std::make_unique<Editor>();
    RecordingShell shell;
    HeightViewWindow window{*editor, shell};

    HeightViewFixture() {
        editor->view.ViewCells = 32;
        editor->view.TilePixels = 32;
    }
    void DragTo(QPointF at) {
        QMouseEvent drag(QEvent::MouseMove, at, at, Qt::NoButton, Qt::LeftButton, {});
        QCoreApplication::sendEvent(window.Canvas(), &drag);
    }
};

TEST_F(HeightViewFixture, LeftClickAndDragRecentreOnTheCell) {
    QTest::mouseMove(window.Canvas(), QPoint(300, 200));
    EXPECT_EQ(editor->view.ViewOriginColumn, 0) << "moving without a button re-centres nothing";

    QTest::mousePress(window.Canvas(), Qt::LeftButton, {}, QPoint(100, 50));
    EXPECT_EQ(editor->view.ViewOriginColumn, 100 - 16);
    EXPECT_EQ(editor->view.ViewOriginRow, 50 - 16);

    DragTo({200, 120});
    EXPECT_EQ(editor->view.ViewOriginColumn, 200 - 16);
    EXPECT_EQ(editor->view.ViewOriginRow, 120 - 16);
    DragTo({-30, 120});
    EXPECT_EQ(editor->view.ViewOriginColumn, 200 - 16) << "a drag beyond the map is ignored";
}

TEST_F(HeightViewFixture, ImportElevationReplacesTheHeightsAfterAsking) {
    QAction* import = window.OptionsMenu()->actions()[3];
#ifdef MAPEDITOR_WITH_GDAL
    TempDir dir;
    ASSERT_TRUE(WriteSyntheticRaster(
        dir.File("tile.tif"), LatLongRaster(0, 50, 64, 64, 64, [](int, int) { return 2055; })));
    int asked = 0;
    window.SetImportOptionsAsker([&asked]() -> std::optional<ElevationImportOptions> {
        ++asked;
        return ElevationImportOptions{Resampling::Bilinear, 4110};
    });
    editor->document.ReplaceHeights(std::vector<uint16_t>(MapCellCount, 7)); // unsaved heights
    shell.AnswerNextDialog(dir.File("tile.tif"));
    import->trigger();
    EXPECT_EQ(asked, 1);
    ASSERT_EQ(shell.questions.size(), 1u);
    EXPECT_EQ(editor->document.Heights().At(0), 7) << "kept when the user keeps the changes";

    shell.AnswerNextQuestion(true);
    shell.AnswerNextDialog(dir.File("tile.tif"));
    import->trigger();
    EXPECT_EQ(editor->document.Heights().At(0), 0);
    EXPECT_EQ(editor->document.Heights().At(CellIndex(5 * 32 + 10, 5 * 32 + 10)), 32767);
    EXPECT_EQ(editor->heightShade[CellIndex(5 * 32 + 10, 5 * 32 + 10)], 127);
    ASSERT_FALSE(shell.messages.empty());
    EXPECT_EQ(shell.messages.back().text.rfind("Process Complete.\n204800 Items Read.", 0), 0u);
    ASSERT_EQ(editor->history->UndoName(), "Import Elevation");
    ExecuteCommand(*editor, shell, CommandId::Undo);
    EXPECT_EQ(editor->document.Heights().At(0), 7) << "one undo step brings the old heights back";
#else
    import->trigger();
    ASSERT_EQ(shell.messages.size(), 1u);
    EXPECT_EQ(shell.messages[0].text, ElevationRastersUnavailableText);
#endif
}

} // namespace
