#include "cli/TileUtilityCommand.h"

#include "cli/CliArguments.h"
#include "cli/CliCommand.h"
#include "cli/ConsoleShell.h"
#include "core/tilemap/TextureMapFile.h"

#include <ctime>
#include <memory>

int RunTileUtility(const std::vector<std::string>& arguments, TileUtility utility) {
    const auto parsed = ParseArguments(arguments, 2, true);
    if (!parsed)
        return ExitUsage;
    const auto editor = std::make_unique<Editor>();
    ConsoleShell shell;
    LoadTextureMap(*editor, shell, parsed->files[0]);
    if (!editor->tileMap.HasTileMap())
        return ExitFailure;
    editor->random.Seed(parsed->seed ? *parsed->seed : static_cast<uint32_t>(std::time(nullptr)));
    utility(editor->tileMap, editor->random);
    SaveTextureMap(*editor, shell, parsed->files[1]);
    return shell.Failed() ? ExitFailure : ExitSuccess;
}
