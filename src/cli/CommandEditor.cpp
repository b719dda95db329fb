#include "cli/CommandEditor.h"

#include "cli/CliCommand.h"
#include "core/files/TextureMapFile.h"

#include <memory>

int RunOnTextureMap(const std::vector<std::string>& arguments, size_t fileCount, bool acceptsSeed,
                    const TextureMapWork& work) {
    const auto parsed = ParseArguments(arguments, fileCount, acceptsSeed);
    if (!parsed)
        return ExitUsage;
    ConsoleShell shell;
    const auto editor = std::make_unique<Editor>();
    LoadTextureMap(*editor, shell, parsed->files[0]);
    if (!editor->tileMap.HasTileMap())
        return ExitFailure;
    return work(*editor, shell, *parsed);
}
