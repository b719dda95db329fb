#include "core/files/TargetListFile.h"

#include "core/Messages.h"
#include "core/files/FileCommands.h"
#include "core/io/DataFolder.h"
#include "core/rails/CountedRecordFile.h"
#include "core/rails/TargetAreas.h"

void LoadTargetAreas(Editor& editor, Shell& shell) {
    LoadTargetAreasFrom(editor, shell, FindDataFile("TarList.dat"));
}

void LoadTargetAreasFrom(Editor& editor, Shell& shell, const std::string& path) {
    auto decoded = DecodeTargetListFile(path);
    if (!decoded) {
        ShowFailureNotice(shell, WindowId::None, FailedToReadText(path, decoded.problem));
        return;
    }
    editor.document.SetTargetAreas(std::move(*decoded.layer));
}
