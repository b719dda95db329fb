#pragma once
// The command-line shapes shared by the subcommands: positional file names with an optional
// "--seed N" ("--help" is answered by main before a subcommand runs).

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct ParsedArguments {
    std::vector<std::string> files;
    std::optional<uint32_t> seed;
};

// Parses `arguments`, which must name exactly `fileCount` files; `acceptsSeed` allows
// "--seed N". On a bad command line prints the reason to standard error and returns nothing.
std::optional<ParsedArguments> ParseArguments(const std::vector<std::string>& arguments,
                                              size_t fileCount, bool acceptsSeed);
