#include "core/edit/Editor.h"
#include "core/tools/CreateRailsTool.h"
#include "core/tools/FloodFillTool.h"
#include "core/tools/HeightBrushTool.h"
#include "core/tools/HeightEditingTool.h"
#include "core/tools/LineTool.h"
#include "core/tools/MoveRailsTool.h"
#include "core/tools/PasteTool.h"
#include "core/tools/SelectTool.h"
#include "core/tools/TilePaintingTool.h"

#include <array>
#include <utility>

namespace {
template <typename T> const Tool* Instance() {
    static const T tool;
    return &tool;
}
} // namespace

const Tool& ToolFor(ToolMode mode) {
    // One line per tool.
    static const std::array<std::pair<ToolMode, const Tool*>, 9> tools = {{
        {ToolMode::TilePainting, Instance<TilePaintingTool>()},
        {ToolMode::HeightEditing, Instance<HeightEditingTool>()},
        {ToolMode::CreateRails, Instance<CreateRailsTool>()},
        {ToolMode::MoveRails, Instance<MoveRailsTool>()},
        {ToolMode::Select, Instance<SelectTool>()},
        {ToolMode::FloodFill, Instance<FloodFillTool>()},
        {ToolMode::Line, Instance<LineTool>()},
        {ToolMode::Paste, Instance<PasteTool>()},
        {ToolMode::HeightBrush, Instance<HeightBrushTool>()},
    }};
    for (const auto& [toolMode, tool] : tools)
        if (toolMode == mode)
            return *tool;
    return *tools.front().second;
}
