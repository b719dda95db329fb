#pragma once
// The command-line shapes shared by the subcommands: positional file names with an optional
// "--seed N" ("--help" is answered by main before a subcommand runs).

#include <cstdint>
#include <map>
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

// Positional file names and "--name VALUE" options, each name one of `optionNames`.
struct OptionArguments {
    std::vector<std::string> files;
    std::map<std::string, std::string> values;
};
// On an unknown option or one without its value prints the reason to standard error and
// returns nothing.
std::optional<OptionArguments> ParseOptionArguments(const std::vector<std::string>& arguments,
                                                    const std::vector<std::string>& optionNames);

// A whole number from 0 to 4294967295, or nothing.
std::optional<uint32_t> ParseSeed(const std::string& text);

// A finite number above 0 ("4110", "8848.5"), or nothing.
std::optional<double> ParsePositiveNumber(const std::string& text);
