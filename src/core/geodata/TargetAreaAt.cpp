#include "core/geodata/TargetAreaAt.h"

#include "core/geodata/GeoGrid.h"

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
