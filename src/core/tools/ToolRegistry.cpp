#include "core/edit/Editor.h"
#include "core/tools/CreateRailsTool.h"
#include "core/tools/HeightEditingTool.h"
#include "core/tools/MoveRailsTool.h"
#include "core/tools/TilePaintingTool.h"

#include <array>
#include <utility>

const Tool& ToolFor(ToolMode mode) {
    static const TilePaintingTool tilePainting;
    static const HeightEditingTool heightEditing;
    static const CreateRailsTool createRails;
    static const MoveRailsTool moveRails;
    static const std::array<std::pair<ToolMode, const Tool*>, 4> tools = {{
        {ToolMode::TilePainting, &tilePainting},
        {ToolMode::HeightEditing, &heightEditing},
        {ToolMode::CreateRails, &createRails},
        {ToolMode::MoveRails, &moveRails},
    }};
    for (const auto& [toolMode, tool] : tools)
        if (toolMode == mode)
            return *tool;
    return tilePainting;
}
