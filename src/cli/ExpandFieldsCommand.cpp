#include "cli/CliCommand.h"
#include "cli/TileUtilityCommand.h"
#include "core/tilemap/TileUtilities.h"

int RunExpandFields(const std::vector<std::string>& arguments) {
    return RunTileUtility(arguments, ExpandFields, UnseededStart::Fresh);
}
