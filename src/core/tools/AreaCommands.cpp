#include "core/tools/AreaCommands.h"

#include "core/area/FillRect.h"
#include "core/edit/EditModes.h"
#include "core/edit/Editor.h"
#include "core/tools/AreaToolSupport.h"
#include "core/tools/SelectTool.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {
using C = CommandId;

constexpr std::array<std::pair<C, ToolMode>, 4> ToolCommands = {{
    {C::SelectTool, ToolMode::Select},
    {C::FloodFillTool, ToolMode::FloodFill},
    {C::LineTool, ToolMode::Line},
    {C::HeightBrushTool, ToolMode::HeightBrush},
}};
constexpr std::array<std::pair<C, BrushMode>, 5> BrushModes = {{
    {C::BrushRaise, BrushMode::Raise},
    {C::BrushLower, BrushMode::Lower},
    {C::BrushFlatten, BrushMode::Flatten},
    {C::BrushSmooth, BrushMode::Smooth},
    {C::BrushSet, BrushMode::Set},
}};
constexpr std::array<std::pair<C, BrushFalloff>, 3> Falloffs = {{
    {C::BrushConstant, BrushFalloff::Constant},
    {C::BrushLinear, BrushFalloff::Linear},
    {C::BrushSmoothFalloff, BrushFalloff::Smooth},
}};

template <typename T, size_t N>
const T* Find(const std::array<std::pair<C, T>, N>& table, C command) {
    for (const auto& [id, value] : table)
        if (id == command)
            return &value;
    return nullptr;
}

// The tiles of a rectangle changed: bring the other views up to date.
void ShowChangedCells(Editor& editor, Shell& shell, const CellRect& cells) {
    if (cells.Empty())
        return;
    FinishLayerEdit(editor, shell);
}

void Copy(Editor& editor) {
    auto& area = editor.area;
    if (area.selection)
        area.clip = CopyClip(editor.document.Tiles(), editor.document.Heights(), *area.selection);
}

void StartPasting(Editor& editor) {
    if (editor.area.clip.Empty())
        return;
    editor.area.pointer = PointerCell(editor);
    SwitchTool(editor, ToolMode::Paste);
}

void ChangeBrush(BrushSettings& brush, C command) {
    switch (command) {
    case C::BrushLarger:
    case C::BrushSmaller:
        brush.radius = std::clamp(brush.radius + (command == C::BrushLarger ? 1 : -1),
                                  BrushSettings::MinRadius, BrushSettings::MaxRadius);
        break;
    case C::BrushStronger:
        brush.strength = std::min(brush.strength * 2, 65535);
        break;
    case C::BrushWeaker:
        brush.strength = std::max(brush.strength / 2, 1);
        break;
    default:
        break;
    }
}
} // namespace

bool ExecuteAreaCommand(Editor& editor, Shell& shell, CommandId command) {
    auto& area = editor.area;
    if (const ToolMode* mode = Find(ToolCommands, command)) {
        SwitchTool(editor, *mode);
        shell.MenuChecksChanged();
    } else if (const BrushMode* brushMode = Find(BrushModes, command)) {
        area.brush.mode = *brushMode;
        shell.MenuChecksChanged();
    } else if (const BrushFalloff* falloff = Find(Falloffs, command)) {
        area.brush.falloff = *falloff;
        shell.MenuChecksChanged();
    } else {
        switch (command) {
        case C::SelectAll:
            SetSelection(editor, WholeMap);
            break;
        case C::SelectNone:
            SetSelection(editor, std::nullopt);
            break;
        case C::FillSelection:
            if (area.selection)
                ShowChangedCells(editor, shell, editor.document.EditTiles([&](TileMap& tiles) {
                    return FillRect(tiles, *area.selection, editor.SelectedTile, editor.random);
                }));
            break;
        case C::Copy:
            Copy(editor);
            break;
        case C::Cut:
            Copy(editor);
            if (area.selection)
                ShowChangedCells(editor, shell, editor.document.EditTiles([&](TileMap& tiles) {
                    return CutToGrass(tiles, *area.selection);
                }));
            break;
        case C::Paste:
            StartPasting(editor);
            break;
        case C::PasteTiles:
            area.pasteTiles = !area.pasteTiles;
            shell.MenuChecksChanged();
            break;
        case C::PasteHeights:
            area.pasteHeights = !area.pasteHeights;
            shell.MenuChecksChanged();
            break;
        case C::BrushLarger:
        case C::BrushSmaller:
        case C::BrushStronger:
        case C::BrushWeaker: {
            const CellRect before = PointerOverlayCells(editor);
            ChangeBrush(area.brush, command);
            AnnounceOverlayChanged(editor, before);
            break;
        }
        default:
            return false;
        }
    }
    return true;
}

std::optional<bool> AreaCommandCheckMark(const Editor& editor, CommandId command) {
    const auto& area = editor.area;
    if (const ToolMode* mode = Find(ToolCommands, command))
        return editor.EditMode == *mode;
    if (const BrushMode* brushMode = Find(BrushModes, command))
        return area.brush.mode == *brushMode;
    if (const BrushFalloff* falloff = Find(Falloffs, command))
        return area.brush.falloff == *falloff;
    if (command == C::PasteTiles)
        return area.pasteTiles;
    if (command == C::PasteHeights)
        return area.pasteHeights;
    return std::nullopt;
}
