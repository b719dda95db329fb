#include "cli/CliArguments.h"
#include "cli/CliCommand.h"
#include "cli/ConsoleShell.h"
#include "core/files/DemConversion.h"

#include <memory>

int RunConvertDem(const std::vector<std::string>& arguments) {
    const auto parsed = ParseArguments(arguments, 1, false);
    if (!parsed)
        return ExitUsage;
    const auto editor = std::make_unique<Editor>();
    ConsoleShell shell;
    ConvertDemFile(*editor, shell, parsed->files[0]);
    return shell.Failed() || !editor->document.Heights().HasHeightMap() ? ExitFailure : ExitSuccess;
}
