#include "cli/CliCommand.h"
#include "cli/TileUtilityCommand.h"
#include "core/tilemap/TileUtilities.h"

int RunFieldTransitions(const std::vector<std::string>& arguments) {
    return RunTileUtility(arguments, FieldTransitions, UnseededStart::Clock);
}
