#include "core/render/WorldFile.h"

#include "core/map/LatLong.h"

#include <cstdio>

namespace {

// The column of longitude 0 and the latitude of row 0.
constexpr int ColumnOfGreenwich = 160;
constexpr double LatitudeOfRowZero = 55.0;

std::string Line(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.12f\n", value);
    return text;
}

} // namespace

std::string WorldFileText(int column, int row, int tilePixels) {
    const double pixel = 1.0 / (CellsPerDegree * static_cast<double>(tilePixels));
    const double west = static_cast<double>(column - ColumnOfGreenwich) / CellsPerDegree;
    const double north = LatitudeOfRowZero - static_cast<double>(row) / CellsPerDegree;
    return Line(pixel) + Line(0.0) + Line(0.0) + Line(-pixel) + Line(west + pixel / 2) +
           Line(north - pixel / 2);
}

std::string WorldFilePath(const std::string& picturePath) {
    const std::string suffix = ".png";
    if (picturePath.size() > suffix.size() &&
        picturePath.compare(picturePath.size() - suffix.size(), suffix.size(), suffix) == 0)
        return picturePath.substr(0, picturePath.size() - suffix.size()) + ".pgw";
    return picturePath + ".pgw";
}
