#include "cli/TileUtilityCommand.h"

#include "cli/CliCommand.h"
#include "cli/CommandEditor.h"
#include "core/tilemap/TextureMapFile.h"

#include <ctime>

int RunTileUtility(const std::vector<std::string>& arguments, TileUtility utility) {
    return RunOnTextureMap(
        arguments, 2, true, [utility](Editor& editor, ConsoleShell& shell, const auto& parsed) {
            editor.random.Seed(parsed.seed ? *parsed.seed
                                           : static_cast<uint32_t>(std::time(nullptr)));
            utility(editor.tileMap, editor.random);
            SaveTextureMap(editor, shell, parsed.files[1]);
            return shell.Failed() ? ExitFailure : ExitSuccess;
        });
}
