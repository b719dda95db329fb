// Bitmap files of any depth for the 3D textures: decode whatever the fuzzer gives; a decoded
// picture must hold exactly its rows of RGB pixels, and a refusal must say why.
#include "FuzzInput.h"
#include "core/image/LoadDibImage.h"
#include "support/RecordingShell.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = WriteFuzzFile("input.bmp", data, size);
    RecordingShell shell;
    const auto image = LoadDibImage(shell, path);
    if (!image) {
        if (shell.messages.size() != 1 || shell.messages.front().caption != "Error")
            std::abort();
        return 0;
    }
    const int64_t rows = image->height < 0 ? -int64_t{image->height} : image->height;
    if (!shell.messages.empty() || image->width < 0 ||
        image->data.size() != static_cast<size_t>(rows * image->width * 3))
        std::abort();
    return 0;
}
