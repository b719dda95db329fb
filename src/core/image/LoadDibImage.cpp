#include "core/image/LoadDibImage.h"

#include "core/Messages.h"
#include "core/image/DibDecoder.h"
#include "core/io/FileIO.h"

namespace {

// Files beyond this size are refused as out of memory instead of being read.
constexpr size_t MaxDibFileSize = size_t{256} << 20;

} // namespace

std::optional<RgbImage> LoadDibImage(Shell& shell, const std::string& fileName, WindowId owner) {
    const auto file = ReadFilePrefix(fileName, MaxDibFileSize + 1);
    if (!file || file->empty()) {
        ShowHardError(shell, owner, FormatText("Failed to open DIB file %s.\n", fileName));
        return std::nullopt;
    }
    if (file->size() > MaxDibFileSize) {
        ShowHardError(shell, owner, "Out of memory.");
        return std::nullopt;
    }
    RgbImage image;
    switch (DecodeDib(*file, image)) {
    case DibResult::Decoded:
        return image;
    case DibResult::UnknownFormat:
        ShowHardError(shell, owner, "Unknown DIB file format.");
        break;
    case DibResult::ConversionError:
        ShowHardError(shell, owner, "Image file conversion error.");
        break;
    case DibResult::OutOfMemory:
        ShowHardError(shell, owner, "Out of memory.");
        break;
    }
    return std::nullopt;
}
