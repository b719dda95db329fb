#include "GmtText.h"

#include "core/tilemap/MapGeometry.h"

#include <cmath>
#include <cstdint>
#include <fstream>
#include <sstream>

std::optional<std::vector<uint8_t>> ReadLandMaskXyz(const std::string& path, std::string& error) {
    std::ifstream in(path);
    if (!in) {
        error = path + ": cannot be opened";
        return std::nullopt;
    }
    std::vector<uint8_t> land(MapCellCount, 0);
    std::vector<uint8_t> seen(MapCellCount, 0);
    GeoPoint point;
    double value = 0;
    int lineNumber = 0;
    std::string line;
    while (std::getline(in, line)) {
        ++lineNumber;
        std::istringstream fields(line);
        if (!(fields >> point.longitude >> point.latitude >> value)) {
            error = path + ":" + std::to_string(lineNumber) + ": expected longitude latitude value";
            return std::nullopt;
        }
        int row = 0, column = 0;
        if (!CellOfGeoPoint(point, row, column))
            continue;
        land[static_cast<size_t>(CellIndex(row, column))] = value != 0 ? 1 : 0;
        seen[static_cast<size_t>(CellIndex(row, column))] = 1;
    }
    for (const uint8_t s : seen)
        if (s == 0) {
            error = path + ": the grid does not cover every cell of the map";
            return std::nullopt;
        }
    return land;
}

std::optional<std::vector<GeoPolyline>> ReadPolylines(const std::string& path, std::string& error) {
    std::ifstream in(path);
    if (!in) {
        error = path + ": cannot be opened";
        return std::nullopt;
    }
    std::vector<GeoPolyline> lines;
    int lineNumber = 0;
    std::string line;
    while (std::getline(in, line)) {
        ++lineNumber;
        if (line.empty() || line[0] == '#')
            continue;
        if (line[0] == '>') {
            lines.emplace_back();
            continue;
        }
        GeoPoint point;
        std::istringstream fields(line);
        if (!(fields >> point.longitude >> point.latitude)) {
            error = path + ":" + std::to_string(lineNumber) + ": expected longitude latitude";
            return std::nullopt;
        }
        if (lines.empty())
            lines.emplace_back();
        lines.back().push_back(point);
    }
    return lines;
}
