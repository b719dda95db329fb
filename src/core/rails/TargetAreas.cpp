#include "core/rails/TargetAreas.h"

#include "core/Messages.h"
#include "core/io/DataFolder.h"
#include "core/io/FileIO.h"
#include "core/rails/CountedRecordFile.h"

#include <cstring>

namespace {

const char* const ListName = "TarList.dat";
const char* const Records = "target areas";

} // namespace

void LoadTargetAreas(Editor& editor, Shell& shell) {
    LoadTargetAreasFrom(editor, shell, FindDataFile(ListName));
}

void LoadTargetAreasFrom(Editor& editor, Shell& shell, const std::string& path) {
    const auto file = ReadCountedRecordFile(path, sizeof(TargetArea), MaxTargetAreas);
    if (!file) {
        ShowFailureNotice(shell, WindowId::None,
                          FailedToReadText(path, NonRegularFileReason(path)));
        return;
    }
    std::string problem = CountProblem(*file, MaxTargetAreas, Records);
    if (problem.empty())
        problem = LengthProblem(*file, Records);
    if (!problem.empty()) {
        ShowFailureNotice(shell, WindowId::None, FailedToReadText(path, problem));
        return;
    }
    std::vector<TargetArea> areas(static_cast<size_t>(file->Count()));
    for (size_t i = 0; i < areas.size(); ++i) {
        const uint8_t* record = file->Record(i);
        TargetArea& area = areas[i];
        area.x = ReadInt32LE(record);
        area.y = ReadInt32LE(record + 4);
        std::memcpy(area.unused, record + 8, sizeof area.unused);
        std::memcpy(area.name, record + 16, sizeof area.name);
    }
    editor.targetAreas = std::move(areas);
}

std::string TargetAreaName(const TargetArea& area) {
    return std::string(area.name, strnlen(area.name, sizeof area.name));
}
