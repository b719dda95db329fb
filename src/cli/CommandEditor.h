#pragma once
// The start shared by the subcommands that work on a texture map: parse the command line,
// read the map named first into a fresh editor, then do the work.

#include "cli/CliArguments.h"
#include "core/edit/Editor.h"

#include <functional>
#include <string>
#include <vector>

using TextureMapWork = std::function<int(Editor&, const ParsedArguments&)>;

// Returns the usage status for a bad command line, the failure status when the map cannot be
// read (the user has been told why), and otherwise the status that `work` returns.
int RunOnTextureMap(const std::vector<std::string>& arguments, size_t fileCount, bool acceptsSeed,
                    const TextureMapWork& work);
