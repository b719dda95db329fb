#include "cli/CliCommand.h"
#include "cli/CommandEditor.h"
#include "cli/LayerFiles.h"
#include "core/height/HeightMapCodec.h"
#include "core/tilemap/TileUtilities.h"

#include <cstdio>

namespace {

int MarkErrors(Editor& editor, const ParsedArguments& parsed) {
    auto heights = ReadHeights(parsed.files[1]);
    if (!heights)
        return ExitFailure;
    editor.document.ReplaceHeights(std::move(*heights));

    const std::vector<uint16_t> before(editor.document.Heights().Heights().begin(),
                                       editor.document.Heights().Heights().end());
    editor.document.EditHeights([&](HeightMap& map) {
        MarkTileErrors(editor.document.Tiles(), map);
        return WholeMap;
    });
    int marked = 0;
    for (size_t i = 0; i < before.size(); ++i)
        marked += before[i] != editor.document.Heights().Heights()[i] ? 1 : 0;
    std::printf("%d cells marked.\n", marked);

    return WriteLayerFile(parsed.files[2], HeightMapFileBytes(editor.document.Heights()),
                          "Unable to save file...")
               ? ExitSuccess
               : ExitFailure;
}

} // namespace

int RunMarkErrors(const std::vector<std::string>& arguments) {
    return RunOnTextureMap(arguments, 3, false, MarkErrors);
}
