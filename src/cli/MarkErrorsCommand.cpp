#include "cli/CliArguments.h"
#include "cli/CliCommand.h"
#include "cli/ConsoleShell.h"
#include "core/height/HeightMapFile.h"
#include "core/tilemap/TextureMapFile.h"
#include "core/tilemap/TileUtilities.h"

#include <cstdio>
#include <memory>

int RunMarkErrors(const std::vector<std::string>& arguments) {
    const auto parsed = ParseArguments(arguments, 3, false);
    if (!parsed)
        return ExitUsage;
    const auto editor = std::make_unique<Editor>();
    ConsoleShell shell;
    LoadTextureMap(*editor, shell, parsed->files[0]);
    if (!editor->tileMap.HasTileMap())
        return ExitFailure;
    OpenHeightMap(*editor, shell, parsed->files[1]);
    if (!editor->heightMap.HasHeightMap())
        return ExitFailure;

    const std::vector<uint16_t> before(editor->heightMap.Heights().begin(),
                                       editor->heightMap.Heights().end());
    MarkTileErrors(editor->tileMap, editor->heightMap);
    int marked = 0;
    for (size_t i = 0; i < before.size(); ++i)
        marked += before[i] != editor->heightMap.Heights()[i] ? 1 : 0;
    std::printf("%d cells marked.\n", marked);

    SaveHeightMap(*editor, shell, parsed->files[2]);
    return shell.Failed() ? ExitFailure : ExitSuccess;
}
