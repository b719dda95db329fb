#include "cli/RenderOptions.h"
#include "cli/Refusal.h"

#include "core/map/MapGeometry.h"

#include <charconv>
#include <cstdio>
#include <sstream>

namespace {

bool ParseInt(const std::string& text, int& value) {
    const char* end = text.data() + text.size();
    const auto [stop, failure] = std::from_chars(text.data(), end, value);
    return !text.empty() && failure == std::errc() && stop == end;
}

std::vector<std::string> SplitCommas(const std::string& text) {
    std::vector<std::string> parts;
    std::stringstream stream(text);
    for (std::string part; std::getline(stream, part, ',');)
        if (!part.empty())
            parts.push_back(part);
    return parts;
}

bool ParseOrigin(const std::string& text, RenderOptions& options) {
    const auto parts = SplitCommas(text);
    if (parts.size() != 2 || !ParseInt(parts[0], options.column) ||
        !ParseInt(parts[1], options.row))
        return Refuse("--origin takes COLUMN,ROW, not '" + text + "'");
    return true;
}

bool ParseRegion(const std::string& text, RenderOptions& options) {
    const auto parts = SplitCommas(text);
    RenderRegion region;
    if (parts.size() != 4 || !ParseInt(parts[0], region.column) ||
        !ParseInt(parts[1], region.row) || !ParseInt(parts[2], region.columns) ||
        !ParseInt(parts[3], region.rows))
        return Refuse("--region takes COLUMN,ROW,COLUMNS,ROWS, not '" + text + "'");
    if (region.column < 0 || region.row < 0 || region.columns < 1 || region.rows < 1 ||
        region.columns > MapWidth - region.column || region.rows > MapHeight - region.row)
        return Refuse("--region " + text + " does not lie inside the 640 x 320 map");
    options.region = region;
    return true;
}

bool IsKnownOverlay(const std::string& name) {
    for (const char* known : {"grid", "latlong", "rails", "targets", "frame", "none"})
        if (name == known)
            return true;
    return false;
}

// Options without a value; false when `argument` is none of them.
bool ParseSwitch(const std::string& argument, RenderOptions& options) {
    if (argument == "--height-view")
        options.heightView = true;
    else if (argument == "--whole")
        options.region = RenderRegion{0, 0, MapWidth, MapHeight};
    else if (argument == "--world-file")
        options.worldFile = true;
    else if (argument == "--smallest")
        options.smallestFile = true;
    else if (argument == "--allow-missing-tiles")
        options.allowMissingTiles = true;
    else
        return false;
    return true;
}

bool ParseValue(const std::string& argument, const std::string& value, RenderOptions& options) {
    if (argument == "--origin")
        return ParseOrigin(value, options);
    if (argument == "--region")
        return ParseRegion(value, options);
    if (argument == "--zoom") {
        if (!ParseInt(value, options.zoomPercent))
            return Refuse("--zoom takes 25, 50, 100, 150, 200 or 400, not '" + value + "'");
    } else if (argument == "--heights") {
        options.heightsPath = value;
    } else if (argument == "--rails") {
        options.railsPath = value;
    } else if (argument == "--segment") {
        options.segmentPath = value;
    } else if (argument == "--overlays") {
        options.overlays = SplitCommas(value);
        for (const std::string& name : options.overlays)
            if (!IsKnownOverlay(name))
                return Refuse("unknown overlay '" + name + "'");
    } else {
        return Refuse("unknown option '" + argument + "'");
    }
    return true;
}

} // namespace

bool ParseRenderOptions(const std::vector<std::string>& arguments, RenderOptions& options) {
    std::vector<std::string> files;
    bool origin = false;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (ParseSwitch(argument, options))
            continue;
        if (argument.empty())
            return Refuse("a file name is empty");
        if (argument.size() < 2 || argument[0] != '-') {
            files.push_back(argument);
            continue;
        }
        if (i + 1 == arguments.size())
            return Refuse(argument + " needs a value");
        origin = origin || argument == "--origin";
        if (!ParseValue(argument, arguments[++i], options))
            return false;
    }
    if (files.size() != 2)
        return Refuse("expected a map file and an output file, got " +
                      std::to_string(files.size()) + " file names");
    if (options.region && (origin || options.heightView))
        return Refuse("--whole and --region render the texture view without --origin");
    if (options.worldFile && options.heightView)
        return Refuse("--world-file is written for texture view pictures only");
    options.mapPath = files[0];
    options.outputPath = files[1];
    return true;
}

bool HasOverlay(const RenderOptions& options, const char* name) {
    for (const std::string& overlay : options.overlays)
        if (overlay == name)
            return true;
    return false;
}
