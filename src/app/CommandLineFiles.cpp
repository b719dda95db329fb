#include "app/CommandLineFiles.h"

#include "core/Messages.h"
#include "core/height/HeightMapFile.h"
#include "core/rails/RailSegmentFile.h"
#include "core/rails/RailroadDefinitionFile.h"
#include "core/tilemap/TextureMapFile.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <cctype>
#include <filesystem>

CommandLineFileKind CommandLineFileKindOf(const std::string& path) {
    std::string extension = std::filesystem::path(path).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (extension == ".tm")
        return CommandLineFileKind::TextureMap;
    if (extension == ".hm" || extension == ".raw")
        return CommandLineFileKind::HeightMap;
    if (extension == ".rrd")
        return CommandLineFileKind::RailroadDefinition;
    if (extension == ".seg")
        return CommandLineFileKind::RailSegment;
    return CommandLineFileKind::Unknown;
}

namespace {

void ReportUnknownKind(Shell& shell, const std::string& path) {
    ShowOpenFailure(shell, WindowId::Main,
                    path + "\n\nThe editor opens texture maps (.tm), height maps (.hm, .raw), "
                           "railroad definitions (.rrd) and rail segments (.seg).");
}

} // namespace

void OpenCommandLineFiles(Editor& editor, Shell& shell, const std::vector<std::string>& paths) {
    for (const std::string& path : paths) {
        switch (CommandLineFileKindOf(path)) {
        case CommandLineFileKind::TextureMap:
            LoadTextureMap(editor, shell, path);
            break;
        case CommandLineFileKind::HeightMap:
            OpenHeightMap(editor, shell, path);
            break;
        case CommandLineFileKind::RailroadDefinition:
            // As after "Load RRD": the rails show in every view.
            LoadRailroadDefinition(editor, shell, path);
            shell.Invalidate(WindowId::None, false);
            break;
        case CommandLineFileKind::RailSegment:
            LoadRailSegment(editor, shell, path);
            shell.Invalidate(WindowId::None, false);
            break;
        case CommandLineFileKind::Unknown:
            ReportUnknownKind(shell, path);
            break;
        }
    }
}

std::vector<std::string> CommandLineFileArguments() {
    const QStringList arguments = QCoreApplication::arguments();
    std::vector<std::string> files;
    for (qsizetype i = 1; i < arguments.size(); ++i)
        files.push_back(arguments[i].toStdString());
    return files;
}
