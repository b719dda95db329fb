#include "core/io/DataFolder.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::string Lowered(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

bool IsRegularFile(const fs::path& path) {
    std::error_code error;
    return fs::is_regular_file(path, error);
}

// The entry of `folder` whose name equals `name` apart from case; empty when there is none.
fs::path FindNameIgnoringCase(const fs::path& folder, const std::string& name) {
    const std::string wanted = Lowered(name);
    std::error_code error;
    fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, error);
    if (error)
        return {};
    for (const fs::directory_entry& entry : it) {
        if (Lowered(entry.path().filename().string()) == wanted && IsRegularFile(entry.path()))
            return folder / entry.path().filename();
    }
    return {};
}

// Whether the running program is the one in its build folder rather than an installed copy.
bool RunsFromBuildFolder() {
    std::error_code error;
    const std::string program = fs::read_symlink("/proc/self/exe", error).string();
    const std::string buildFolder = fs::weakly_canonical(MAPEDITOR_BUILD_DIR, error).string() + "/";
    return !error && program.compare(0, buildFolder.size(), buildFolder) == 0;
}

// The folders searched, in order.
const std::vector<std::string>& DataFolders() {
    static const std::vector<std::string> folders = [] {
        std::vector<std::string> list{"", MAPEDITOR_DATA_DIR};
        if (RunsFromBuildFolder())
            list.emplace_back(MAPEDITOR_SOURCE_DATA_DIR);
        return list;
    }();
    return folders;
}

} // namespace

std::string FindFileIn(const std::string& folder, const std::string& relativePath) {
    std::string relative = relativePath;
    std::replace(relative.begin(), relative.end(), '\\', '/');
    const fs::path path = folder.empty() ? fs::path(relative) : fs::path(folder) / relative;
    if (IsRegularFile(path))
        return path.string();
    const fs::path match = FindNameIgnoringCase(path.parent_path(), path.filename().string());
    return match.string();
}

std::string FindDataFile(const std::string& relativePath) {
    if (relativePath.empty())
        return relativePath;
    for (const std::string& folder : DataFolders()) {
        std::string found = FindFileIn(folder, relativePath);
        if (!found.empty())
            return found;
    }
    return relativePath;
}
