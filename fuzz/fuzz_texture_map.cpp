// Texture map files: load whatever the fuzzer gives, then save and reload what was loaded.
#include "FuzzInput.h"
#include "core/edit/Editor.h"
#include "core/files/TextureMapFile.h"
#include "support/RecordingShell.h"

#include <algorithm>
#include <cstdlib>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = WriteFuzzFile("input.tm", data, size);
    auto editor = std::make_unique<Editor>();
    RecordingShell shell;
    LoadTextureMap(*editor, shell, path);
    if (!editor->document.Tiles().HasTileMap())
        return 0;
    const std::string copy = FuzzFolder() + "copy.tm";
    SaveTextureMap(*editor, shell, copy);
    auto reloaded = std::make_unique<Editor>();
    LoadTextureMap(*reloaded, shell, copy);
    if (!reloaded->document.Tiles().HasTileMap() ||
        !std::equal(editor->document.Tiles().Cells().begin(),
                    editor->document.Tiles().Cells().end(),
                    reloaded->document.Tiles().Cells().begin()))
        std::abort(); // a saved map must read back unchanged
    return 0;
}
