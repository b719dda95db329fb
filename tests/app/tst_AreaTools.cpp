// The area tools driven through the real view with mouse events, checked in the files they
// save against maps built here cell by cell, and taken back with Undo.

#include "SessionFixture.h"
#include "app/ToolPalette.h"
#include "support/TempDir.h"

#include <QToolButton>

namespace {
constexpr uint16_t Ground = 1000;

class AreaToolsTest : public SessionFixture {
  protected:
    void SetUp() override {
        SessionFixture::SetUp();
        tiles.assign(MapCellCount, 1); // grass
        heights.assign(MapCellCount, Ground);
        WriteBytes(folder.File("start.tm"), tiles);
        WriteBytes(folder.File("start.hm"), HeightBytes());
        Run(CommandId::LoadTextureFile, "start.tm");
        Run(CommandId::OpenHeightMap, "start.hm");
        ASSERT_TRUE(editor().document.Tiles().HasTileMap());
    }

    void Run(CommandId command, const std::string& file = {}) {
        if (!file.empty())
            shell.answers.assign({folder.File(file)});
        main().Execute(command);
        Settle();
    }

    // The centre of map cell (row, column) in the view.
    QPoint Pixel(int row, int column) {
        const auto& view = editor().view;
        return {(column - view.ViewOriginColumn) * view.TilePixels + view.TilePixels / 2,
                (row - view.ViewOriginRow) * view.TilePixels + view.TilePixels / 2};
    }

    // Presses the left button over one cell, moves with it held to another and releases.
    void Drag(QPoint from, QPoint to, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget& view = main().View();
        MoveOverView(from);
        QTest::mousePress(&view, Qt::LeftButton, modifiers, from);
        QMouseEvent held(QEvent::MouseMove, to, view.mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                         modifiers);
        QCoreApplication::sendEvent(&view, &held);
        QTest::mouseRelease(&view, Qt::LeftButton, modifiers, to);
        Settle();
    }
    void Click(QPoint at, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        Drag(at, at, modifiers);
    }

    void SetTiles(int top, int left, int bottom, int right, TileCell cell) {
        for (int row = top; row <= bottom; ++row)
            for (int column = left; column <= right; ++column)
                tiles[static_cast<size_t>(CellIndex(row, column))] = cell;
    }
    void SetHeights(int top, int left, int bottom, int right, uint16_t height) {
        for (int row = top; row <= bottom; ++row)
            for (int column = left; column <= right; ++column)
                heights[static_cast<size_t>(CellIndex(row, column))] = height;
    }
    std::vector<uint8_t> HeightBytes() const {
        std::vector<uint8_t> bytes;
        for (const uint16_t h : heights) {
            bytes.push_back(static_cast<uint8_t>(h & 0xFF));
            bytes.push_back(static_cast<uint8_t>(h >> 8));
        }
        return bytes;
    }

    // Both layers as saved now equal the expected maps.
    void ExpectSaved(const std::string& what) {
        Run(CommandId::SaveTextureFile, "saved.tm");
        Run(CommandId::SaveHeightMap, "saved.hm");
        EXPECT_TRUE(ReadBytes(folder.File("saved.tm")) == tiles) << what;
        EXPECT_TRUE(ReadBytes(folder.File("saved.hm")) == HeightBytes()) << what;
    }
    void Undo(const std::string& step) {
        EXPECT_EQ(Item(CommandId::Undo)->text().toStdString(), "&Undo " + step);
        Run(CommandId::Undo);
    }

    TempDir folder;
    std::vector<uint8_t> tiles;
    std::vector<uint16_t> heights;
};
} // namespace

TEST_F(AreaToolsTest, SelectFillFloodFillAndLinesThenUndoEach) {
    // The palette's button picks the tool.
    session->Palette()->ToolButton(CommandId::SelectTool)->click();
    Settle();
    EXPECT_EQ(editor().EditMode, ToolMode::Select);
    Drag(Pixel(4, 6), Pixel(2, 3));
    editor().SelectedTile = 2; // water
    Run(CommandId::FillSelection);
    SetTiles(2, 3, 4, 6, 2);
    ExpectSaved("fill");

    // The water rectangle flooded with a town; the grass around it stays.
    Run(CommandId::FloodFillTool);
    editor().SelectedTile = 10;
    Click(Pixel(3, 5));
    SetTiles(2, 3, 4, 6, 10);
    ExpectSaved("flood fill");

    // A road from (10, 10), then with Shift to (12, 14): the line's cells share sides.
    Run(CommandId::LineTool);
    editor().SelectedTile = 35;
    Click(Pixel(10, 10));
    Click(Pixel(12, 14), Qt::ShiftModifier);
    for (const auto& [row, column] :
         {std::pair{10, 10}, {10, 11}, {11, 11}, {11, 12}, {11, 13}, {12, 13}, {12, 14}})
        tiles[static_cast<size_t>(CellIndex(row, column))] = 35;
    ExpectSaved("line");

    Undo("Draw Line");
    Undo("Draw Line");
    Undo("Flood Fill");
    SetTiles(10, 10, 12, 14, 1);
    SetTiles(2, 3, 4, 6, 2);
    ExpectSaved("undone to the fill");
    Undo("Fill Selection");
    tiles.assign(MapCellCount, 1);
    ExpectSaved("undone to the start");

    // Select All and Fill cover the whole map; after Select None, Fill has nothing to fill.
    Run(CommandId::SelectAll);
    editor().SelectedTile = 2;
    Run(CommandId::FillSelection);
    Run(CommandId::SelectNone);
    editor().SelectedTile = 1;
    Run(CommandId::FillSelection);
    tiles.assign(MapCellCount, 2);
    ExpectSaved("whole map filled");
    Undo("Fill Selection");
    tiles.assign(MapCellCount, 1);

    // A river line joins its cells as clicking them one by one along it does.
    editor().SelectedTile = 43; // a river end
    Click(Pixel(20, 10));
    Click(Pixel(22, 14), Qt::ShiftModifier);
    Run(CommandId::SaveTextureFile, "line.tm");
    Undo("Draw Line");
    Undo("Draw Line");
    for (const auto& [row, column] :
         {std::pair{20, 10}, {20, 11}, {21, 11}, {21, 12}, {21, 13}, {22, 13}, {22, 14}}) {
        Click(Pixel(row, column));
        tiles[static_cast<size_t>(CellIndex(row, column))] = 43;
    }
    Run(CommandId::SaveTextureFile, "painted.tm");
    EXPECT_TRUE(ReadBytes(folder.File("line.tm")) == ReadBytes(folder.File("painted.tm")));
    EXPECT_FALSE(ReadBytes(folder.File("line.tm")) == tiles) << "the river ends were joined";
}

TEST_F(AreaToolsTest, HeightBrushCutCopyAndPasteThenUndoEach) {
    // Radius 1, constant falloff: the 3 x 3 cells around the click move by the strength.
    Run(CommandId::HeightBrushTool);
    Run(CommandId::BrushConstant);
    for (int i = 0; i < 3; ++i)
        Run(CommandId::BrushSmaller);
    const int strength = editor().area.brush.strength;
    Click(Pixel(5, 5));
    Click(Pixel(20, 20), Qt::ShiftModifier); // Shift lowers
    SetHeights(4, 4, 6, 6, static_cast<uint16_t>(Ground + strength));
    SetHeights(19, 19, 21, 21, static_cast<uint16_t>(Ground - strength));
    ExpectSaved("brush");
    Undo("Height Brush");
    SetHeights(19, 19, 21, 21, Ground);

    // Water over the raised cells, cut (grass, heights stay), pasted at (10, 12).
    Run(CommandId::SelectTool);
    Drag(Pixel(4, 4), Pixel(6, 6));
    editor().SelectedTile = 2;
    Run(CommandId::FillSelection);
    Run(CommandId::Cut);
    Run(CommandId::Paste);
    EXPECT_EQ(editor().EditMode, ToolMode::Paste);
    MoveOverView(Pixel(10, 12));
    Click(Pixel(10, 12));
    SetTiles(10, 12, 12, 14, 2);
    SetHeights(10, 12, 12, 14, static_cast<uint16_t>(Ground + strength));
    ExpectSaved("paste");

    // Heights only, at the map's bottom-right corner: the part off the map is left out.
    Run(CommandId::PasteTiles);
    MoveOverView(Pixel(319, 638));
    Click(Pixel(319, 638));
    SetHeights(319, 638, 319, 639, static_cast<uint16_t>(Ground + strength));
    ExpectSaved("heights pasted at the corner");

    Undo("Paste");
    Undo("Paste");
    Undo("Cut");
    SetTiles(10, 12, 12, 14, 1);
    SetHeights(10, 12, 12, 14, Ground);
    SetHeights(319, 638, 319, 639, Ground);
    SetTiles(4, 4, 6, 6, 2);
    ExpectSaved("undone to the fill");
}
