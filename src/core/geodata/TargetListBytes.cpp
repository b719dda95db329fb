#include "core/geodata/TargetListBytes.h"

#include "core/geodata/GeoGrid.h"
#include "core/io/FileIO.h"

#include <QString>

#include <algorithm>
#include <cstring>

TargetArea TargetAreaAt(const std::string& utf8Name, double longitude, double latitude) {
    TargetArea area;
    area.x = WorldXOf(longitude);
    area.y = WorldYOf(latitude);
    const QByteArray name =
        QString::fromUtf8(utf8Name.data(), static_cast<qsizetype>(utf8Name.size())).toLatin1();
    std::memcpy(area.name, name.constData(),
                std::min(sizeof area.name, static_cast<size_t>(name.size())));
    return area;
}

std::vector<uint8_t> TargetListBytes(const std::vector<TargetArea>& areas) {
    std::vector<uint8_t> bytes;
    bytes.reserve(4 + areas.size() * sizeof(TargetArea));
    AppendInt32LE(bytes, static_cast<int32_t>(areas.size()));
    for (const TargetArea& area : areas) {
        AppendInt32LE(bytes, area.x);
        AppendInt32LE(bytes, area.y);
        bytes.insert(bytes.end(), std::begin(area.unused), std::end(area.unused));
        bytes.insert(bytes.end(), std::begin(area.name), std::end(area.name));
    }
    return bytes;
}
