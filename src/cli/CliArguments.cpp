#include "cli/CliArguments.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace {

// Prints the reason; the empty result of any parser.
std::nullopt_t Refuse(const std::string& reason) {
    std::fprintf(stderr, "maptool: %s\n", reason.c_str());
    return std::nullopt;
}

} // namespace

std::optional<uint32_t> ParseSeed(const std::string& text) {
    uint32_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, failure] = std::from_chars(text.data(), end, value);
    if (text.empty() || failure != std::errc() || stop != end)
        return std::nullopt;
    return value;
}

std::optional<ParsedArguments> ParseArguments(const std::vector<std::string>& arguments,
                                              size_t fileCount, bool acceptsSeed) {
    ParsedArguments parsed;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (acceptsSeed && argument == "--seed") {
            if (i + 1 == arguments.size())
                return Refuse("--seed needs a number");
            parsed.seed = ParseSeed(arguments[++i]);
            if (!parsed.seed)
                return Refuse("--seed takes a whole number from 0 to 4294967295, not '" +
                              arguments[i] + "'");
        } else if (argument.empty()) {
            return Refuse("a file name is empty");
        } else if (argument.size() > 1 && argument[0] == '-') {
            return Refuse("unknown option '" + argument + "'");
        } else {
            parsed.files.push_back(argument);
        }
    }
    if (parsed.files.size() != fileCount)
        return Refuse("expected " + std::to_string(fileCount) + " file name" +
                      (fileCount == 1 ? "" : "s") + ", got " + std::to_string(parsed.files.size()));
    return parsed;
}

std::optional<OptionArguments> ParseOptionArguments(const std::vector<std::string>& arguments,
                                                    const std::vector<std::string>& optionNames) {
    OptionArguments parsed;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument.size() < 2 || argument[0] != '-') {
            parsed.files.push_back(argument);
            continue;
        }
        if (std::find(optionNames.begin(), optionNames.end(), argument) == optionNames.end())
            return Refuse("unknown option '" + argument + "'");
        if (i + 1 == arguments.size())
            return Refuse(argument + " needs a value");
        parsed.values[argument] = arguments[++i];
    }
    return parsed;
}

std::optional<double> ParsePositiveNumber(const std::string& text) {
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, failure] = std::from_chars(text.data(), end, value);
    if (text.empty() || failure != std::errc() || stop != end || !std::isfinite(value) ||
        value <= 0)
        return std::nullopt;
    return value;
}
