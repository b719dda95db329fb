// The target list: LoadTargetAreas reads "TarList.dat" from the current folder.
#include "FuzzInput.h"
#include "core/edit/Editor.h"
#include "core/rails/TargetAreas.h"
#include "support/RecordingShell.h"

#include <cstring>
#include <memory>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool moved = chdir(FuzzFolder().c_str()) == 0;
    if (!moved)
        return 0;
    WriteFuzzFile("TarList.dat", data, size);
    auto editor = std::make_unique<Editor>();
    RecordingShell shell;
    LoadTargetAreas(*editor, shell);
    size_t total = 0;
    for (const auto& area : editor->targetAreas)
        total += strnlen(area.name, sizeof area.name); // must stay inside each record
    return total == static_cast<size_t>(-1);
}
