#include "core/io/FileCommands.h"

#include "core/Messages.h"

#include <filesystem>

std::optional<std::string> ChooseFilePath(Shell& shell, FileDialogMode mode,
                                          const std::string& path, const std::string& description,
                                          const std::string& pattern) {
    if (!path.empty())
        return path;
    const auto choice = shell.AskFileName(mode, description, pattern);
    if (!choice)
        return std::nullopt;
    return choice->Path();
}

std::string PathWithReason(const std::string& path, const std::string& reason) {
    return reason.empty() ? path : path + "\n\n" + reason;
}

std::optional<std::vector<uint8_t>> ReadMapFile(Shell& shell, const std::string& path, size_t size,
                                                const char* kind) {
    // One byte more than a map tells a longer file from a map.
    auto bytes = ReadFilePrefix(path, size + 1);
    if (!bytes) {
        ShowOpenFailure(shell, WindowId::Main, PathWithReason(path, NonRegularFileReason(path)));
        return std::nullopt;
    }
    if (bytes->size() != size) {
        std::error_code error;
        const uintmax_t actual = std::filesystem::file_size(path, error);
        ShowOpenFailure(shell, WindowId::Main,
                        PathWithReason(path, "The file is " +
                                                 std::to_string(error ? bytes->size() : actual) +
                                                 " bytes; a " + kind + " is " +
                                                 std::to_string(size) + " bytes."));
        return std::nullopt;
    }
    return bytes;
}

bool SaveFileReporting(Shell& shell, WindowId owner, const std::string& path,
                       std::span<const uint8_t> bytes, SaveFailureCaptions captions) {
    WriteFailure failure = WriteFailure::None;
    if (WriteFileAtomically(path, bytes, nullptr, &failure))
        return true;
    const char* caption = failure == WriteFailure::Open ? captions.open : captions.write;
    shell.ShowMessage(owner, PathWithReason(path, NonRegularFileReason(path)), caption,
                      MessageIcon::Exclamation);
    return false;
}

void ShowSavedNotice(Shell& shell, WindowId owner, const std::string& path) {
    ShowCompletionNotice(shell, owner, FormatText("%s has been saved.", path));
}
