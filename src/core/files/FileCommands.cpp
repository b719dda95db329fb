#include "core/files/FileCommands.h"

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
