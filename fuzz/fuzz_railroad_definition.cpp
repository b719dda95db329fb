// Railroad definition files: load over a network that already holds sections and points,
// then check that the counts stayed inside the tables. The network's sections are in no file,
// so the load asks first; the answer lets it go on to the reader.
#include "FuzzInput.h"
#include "core/edit/Editor.h"
#include "core/files/RailroadDefinitionFile.h"
#include "support/RecordingShell.h"

#include <cstdlib>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = WriteFuzzFile("input.rrd", data, size);
    auto editor = std::make_unique<Editor>();
    RecordingShell shell;
    shell.AnswerNextQuestion(true);
    editor->document.EditRails([](RailNetwork& rails) {
        rails.RailSectionCount = 3;
        rails.PendingRailPointCount = 2;
    });
    LoadRailroadDefinition(*editor, shell, path);
    const auto& rails = editor->document.Rails();
    if (rails.RailSectionCount < 0 || rails.RailSectionCount > RailTableSize ||
        rails.PendingRailPointCount != 2)
        std::abort();
    return 0;
}
