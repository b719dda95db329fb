// Rail segment files, loaded and appended: the first input byte picks the operation and how
// full the network already is; the rest is the file. Loading over pending points asks first;
// the answer lets it go on to the reader.
#include "FuzzInput.h"
#include "core/edit/Editor.h"
#include "core/files/RailSegmentFile.h"
#include "support/RecordingShell.h"

#include <cstdlib>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const uint8_t control = data[0];
    const std::string path = WriteFuzzFile("input.seg", data + 1, size - 1);
    auto editor = std::make_unique<Editor>();
    RecordingShell shell;
    shell.AnswerNextQuestion(true);
    editor->document.EditRails([control](RailNetwork& rails) {
        rails.RailSectionCount = (control & 0x0F) * 128;
        rails.PendingRailPointCount = ((control >> 4) & 0x07) * 16;
    });
    const RailNetwork& rails = editor->document.Rails();
    if (control & 0x80)
        AppendRailSegment(*editor, shell, path);
    else
        LoadRailSegment(*editor, shell, path);
    if (rails.PendingRailPointCount < 0 ||
        rails.PendingRailPointCount + rails.RailSectionCount > RailTableSize)
        std::abort();
    return 0;
}
