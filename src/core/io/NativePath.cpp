#include "core/io/NativePath.h"

#include <QFile>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

// The one entry of `folder` that Qt shows as `shown`; empty when none or several do.
fs::path EntryShownAs(const fs::path& folder, const QString& shown) {
    std::error_code error;
    fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, error);
    if (error)
        return {};
    fs::path found;
    for (const fs::directory_entry& entry : it) {
        if (PathToText(entry.path().filename().native()) != shown)
            continue;
        if (!found.empty())
            return {};
        found = entry.path().filename();
    }
    return found;
}

} // namespace

QString PathToText(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

std::string PathFromText(const QString& text) {
    const fs::path typed(QFile::encodeName(text).toStdString());
    fs::path resolved;
    for (const fs::path& component : typed) {
        const fs::path candidate = resolved / component;
        std::error_code error;
        if (fs::exists(fs::symlink_status(candidate, error))) {
            resolved = candidate;
            continue;
        }
        const fs::path entry = EntryShownAs(resolved, PathToText(component.native()));
        resolved /= entry.empty() ? component : entry;
    }
    return resolved.native();
}
