// The target list: LoadTargetAreas reads "TarList.dat" from the current folder. Whatever the
// file holds, the list stays within its limit and every name within its 32-byte record.
#include "FuzzInput.h"
#include "core/edit/Editor.h"
#include "core/files/TargetListFile.h"
#include "core/rails/TargetAreas.h"
#include "support/RecordingShell.h"

#include <cstdlib>
#include <memory>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool moved = chdir(FuzzFolder().c_str()) == 0;
    if (!moved)
        std::abort();
    WriteFuzzFile("TarList.dat", data, size);
    auto editor = std::make_unique<Editor>();
    RecordingShell shell;
    LoadTargetAreas(*editor, shell);
    if (editor->document.TargetAreas().size() > static_cast<size_t>(MaxTargetAreas))
        std::abort();
    for (const auto& area : editor->document.TargetAreas())
        if (TargetAreaName(area).size() > sizeof area.name)
            std::abort();
    return 0;
}
