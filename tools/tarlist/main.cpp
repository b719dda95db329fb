// tarlist: writes TarList.dat (the target areas the editor labels on the map) from a text
// list of places with their latitude and longitude.
//   tarlist <places.txt> <TarList.dat>
// Each place is put at its cell of the map grid (32 cells per degree, row 0 on latitude 55,
// column 0 on longitude -5) and stored in world units.

#include "core/geodata/TargetAreaAt.h"
#include "core/io/FileIO.h"
#include "core/rails/TargetAreas.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int NameSize = 32;

struct Place {
    std::string name;
    double latitude;
    double longitude;
};

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t\r");
    const size_t last = text.find_last_not_of(" \t\r");
    return first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
}

bool ReadPlaces(const std::string& path, std::vector<Place>& places) {
    std::ifstream in(path);
    if (!in)
        return false;
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        if (Trimmed(line).empty() || Trimmed(line)[0] == '#')
            continue;
        std::stringstream fields(line);
        std::string name, latitude, longitude;
        std::getline(fields, name, ';');
        std::getline(fields, latitude, ';');
        std::getline(fields, longitude, ';');
        Place place{Trimmed(name), 0, 0};
        try {
            place.latitude = std::stod(latitude);
            place.longitude = std::stod(longitude);
        } catch (const std::exception&) {
            std::fprintf(stderr, "tarlist: line %d: expected name; latitude; longitude\n", number);
            return false;
        }
        if (place.name.empty() || place.name.size() >= NameSize || place.latitude <= 45 ||
            place.latitude >= 55 || place.longitude <= -5 || place.longitude >= 15) {
            std::fprintf(stderr, "tarlist: line %d: name or place outside the map\n", number);
            return false;
        }
        places.push_back(place);
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: tarlist <places.txt> <TarList.dat>\n");
        return 2;
    }
    std::vector<Place> places;
    if (!ReadPlaces(argv[1], places)) {
        std::fprintf(stderr, "tarlist: cannot read the places in %s\n", argv[1]);
        return 1;
    }
    std::vector<TargetArea> areas;
    for (const Place& place : places)
        areas.push_back(TargetAreaAt(place.name, place.longitude, place.latitude));
    std::string error;
    if (!WriteFileAtomically(argv[2], TargetListBytes(areas), &error)) {
        std::fprintf(stderr, "tarlist: cannot write %s: %s\n", argv[2], error.c_str());
        return 1;
    }
    return 0;
}
