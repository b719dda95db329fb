#include "core/files/RecentMaps.h"

#include "core/io/NativePath.h"

#include <QSettings>
#include <QStringList>

namespace {
const char* const Key = "RecentMaps";
} // namespace

std::vector<std::string> RecentMapPaths() {
    std::vector<std::string> paths;
    for (const QString& path : QSettings().value(Key).toStringList()) {
        if (paths.size() == RecentMapCount)
            break;
        paths.push_back(PathFromText(path));
    }
    return paths;
}

void RememberRecentMap(const std::string& path) {
    QStringList paths = QSettings().value(Key).toStringList();
    const QString text = PathToText(path);
    paths.removeAll(text);
    paths.prepend(text);
    while (paths.size() > static_cast<qsizetype>(RecentMapCount))
        paths.removeLast();
    QSettings().setValue(Key, paths);
}
