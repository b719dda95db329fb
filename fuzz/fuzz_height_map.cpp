// Height map files: open whatever the fuzzer gives (which also rebuilds the shade and the mesh).
#include "FuzzInput.h"
#include "core/edit/Editor.h"
#include "core/files/HeightMapFile.h"
#include "support/RecordingShell.h"

#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = WriteFuzzFile("input.hm", data, size);
    auto editor = std::make_unique<Editor>();
    RecordingShell shell;
    OpenHeightMap(*editor, shell, path);
    return 0;
}
