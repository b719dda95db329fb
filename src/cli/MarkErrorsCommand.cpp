#include "cli/CliCommand.h"
#include "cli/CommandEditor.h"
#include "core/files/HeightMapFile.h"
#include "core/tilemap/TileUtilities.h"

#include <cstdio>

namespace {

int MarkErrors(Editor& editor, ConsoleShell& shell, const ParsedArguments& parsed) {
    OpenHeightMap(editor, shell, parsed.files[1]);
    if (!editor.heightMap.HasHeightMap())
        return ExitFailure;

    const std::vector<uint16_t> before(editor.heightMap.Heights().begin(),
                                       editor.heightMap.Heights().end());
    MarkTileErrors(editor.tileMap, editor.heightMap);
    int marked = 0;
    for (size_t i = 0; i < before.size(); ++i)
        marked += before[i] != editor.heightMap.Heights()[i] ? 1 : 0;
    std::printf("%d cells marked.\n", marked);

    SaveHeightMap(editor, shell, parsed.files[2]);
    return shell.Failed() ? ExitFailure : ExitSuccess;
}

} // namespace

int RunMarkErrors(const std::vector<std::string>& arguments) {
    return RunOnTextureMap(arguments, 3, false, MarkErrors);
}
