#include "cli/CommandEditor.h"

#include "cli/CliCommand.h"
#include "cli/LayerFiles.h"

#include <memory>

int RunOnTextureMap(const std::vector<std::string>& arguments, size_t fileCount, bool acceptsSeed,
                    const TextureMapWork& work) {
    const auto parsed = ParseArguments(arguments, fileCount, acceptsSeed);
    if (!parsed)
        return ExitUsage;
    auto cells = ReadTextureMapCells(parsed->files[0]);
    if (!cells)
        return ExitFailure;
    const auto editor = std::make_unique<Editor>();
    editor->document.ReplaceTiles(std::move(*cells));
    return work(*editor, *parsed);
}
