#include "cli/TileUtilityCommand.h"

#include "cli/CliCommand.h"
#include "cli/CommandEditor.h"
#include "cli/LayerFiles.h"
#include "core/tilemap/TextureMapCodec.h"

#include <ctime>

int RunTileUtility(const std::vector<std::string>& arguments, TileUtility utility,
                   UnseededStart unseeded) {
    return RunOnTextureMap(
        arguments, 2, true, [utility, unseeded](Editor& editor, const auto& parsed) {
            if (parsed.seed)
                editor.random.Seed(*parsed.seed);
            else if (unseeded == UnseededStart::Clock)
                editor.random.Seed(static_cast<uint32_t>(std::time(nullptr)));
            editor.document.EditTiles([&](TileMap& tiles) {
                utility(tiles, editor.random);
                return WholeMap;
            });
            return WriteLayerFile(parsed.files[1], EncodeTextureMap(editor.document.Tiles()),
                                  "Unable to open file...")
                       ? ExitSuccess
                       : ExitFailure;
        });
}
