#include "core/image/LoadDibImage.h"

#include "core/Messages.h"
#include "core/image/DibDecoder.h"
#include "core/image/PictureLimits.h"
#include "core/io/FileIO.h"

#include <filesystem>

std::optional<RgbImage> LoadDibImage(Shell& shell, const std::string& fileName, WindowId owner) {
    // An empty file cannot be mapped, so it fails like a missing one.
    std::error_code error;
    const auto size = std::filesystem::file_size(fileName, error);
    // Files beyond this size are refused as out of memory instead of being read.
    if (!error && size > MaxPictureFileSize) {
        ShowHardError(shell, owner, "Out of memory.");
        return std::nullopt;
    }
    const auto file = error || size == 0 ? std::nullopt : ReadFilePrefix(fileName, size);
    if (!file || file->empty()) {
        ShowHardError(shell, owner, FormatText("Failed to open DIB file %s.\n", fileName));
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
