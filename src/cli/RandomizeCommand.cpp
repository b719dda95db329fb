#include "cli/CliCommand.h"
#include "cli/TileUtilityCommand.h"
#include "core/tilemap/TileUtilities.h"

int RunRandomize(const std::vector<std::string>& arguments) {
    return RunTileUtility(arguments, RandomizeTiles, UnseededStart::Clock);
}
