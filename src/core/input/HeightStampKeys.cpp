#include "core/input/Input.h"

#include "core/edit/ViewOps.h"

namespace {
struct HeightStamp {
    Key key;
    bool (*tileClass)(int code); // null: the tile code equals SelectedTile
    uint16_t height;
};

constexpr HeightStamp HeightStamps[] = {
    {Key::F5, IsRiverBedTile, 0},  {Key::F6, IsRoadBedTile, 65535}, {Key::F7, IsCityTile, 65000},
    {Key::F8, IsFieldTile, 65535}, {Key::F9, nullptr, 65535},
};

// F3 and F4: water at 0, every other cell still at 0 raised to 1.
void StampWaterLevel(const TileMap& tiles, HeightMap& heights) {
    for (int i = 0; i < MapCellCount; ++i) {
        if (IsWaterTile(CodeOf(tiles.At(i))))
            heights.Set(i, 0);
        else if (heights.At(i) == 0)
            heights.Set(i, 1);
    }
}

void StampClass(const TileMap& tiles, HeightMap& heights, const HeightStamp& stamp,
                TileCode selected) {
    for (int i = 0; i < MapCellCount; ++i) {
        const int code = CodeOf(tiles.At(i));
        if (stamp.tileClass ? stamp.tileClass(code) : code == selected)
            heights.Set(i, stamp.height);
    }
}
} // namespace

bool HeightStampKeys(Editor& editor, Shell& shell, Key key) {
    const HeightStamp* stamp = nullptr;
    for (const HeightStamp& candidate : HeightStamps)
        if (candidate.key == key)
            stamp = &candidate;
    const bool waterLevel = key == Key::F3 || key == Key::F4;
    if (!stamp && !waterLevel)
        return false;
    if (!editor.document.Tiles().HasTileMap() || !editor.document.Heights().HasHeightMap())
        return false;
    editor.history->Begin(editor.document);
    editor.document.EditHeights([&](HeightMap& heights) {
        if (waterLevel)
            StampWaterLevel(editor.document.Tiles(), heights);
        else
            StampClass(editor.document.Tiles(), heights, *stamp, editor.SelectedTile);
        return WholeMap;
    });
    editor.history->Commit(editor.document, "Stamp Heights");
    RecentreViews(editor, shell);
    RebuildHeightShade(editor.document.Heights(), editor.heightShade);
    return true;
}
