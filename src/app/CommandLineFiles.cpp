#include "app/CommandLineFiles.h"

#include "core/Messages.h"
#include "core/files/HeightMapFile.h"
#include "core/files/RailSegmentFile.h"
#include "core/files/RailroadDefinitionFile.h"
#include "core/files/TextureMapFile.h"
#include "core/io/MapFileKind.h"

namespace {

void ReportUnknownKind(Shell& shell, const std::string& path) {
    ShowOpenFailure(shell, WindowId::Main,
                    path + "\n\nThe editor opens texture maps (.tm), height maps (.hm, .raw), "
                           "railroad definitions (.rrd) and rail segments (.seg).");
}

} // namespace

void OpenCommandLineFiles(Editor& editor, Shell& shell, const std::vector<std::string>& paths) {
    for (const std::string& path : paths) {
        switch (MapFileKindOf(path)) {
        case MapFileKind::TextureMap:
            LoadTextureMap(editor, shell, path);
            break;
        case MapFileKind::HeightMap:
            OpenHeightMap(editor, shell, path);
            break;
        case MapFileKind::RailroadDefinition:
            LoadRailroadDefinition(editor, shell, path);
            break;
        case MapFileKind::RailSegment:
            LoadRailSegment(editor, shell, path);
            break;
        case MapFileKind::TargetList: // read once at start-up, never opened later
        case MapFileKind::Unknown:
            ReportUnknownKind(shell, path);
            break;
        }
    }
}

std::vector<std::string> CommandLineFileArguments(int argc, char** argv) {
    std::vector<std::string> files;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        // "--" ends the options, so that a file whose name starts with '-' can be named.
        if (!optionsEnded && argument == "--") {
            optionsEnded = true;
            continue;
        }
        if (!optionsEnded && argument.size() > 1 && argument[0] == '-')
            continue;
        files.push_back(argument);
    }
    return files;
}
