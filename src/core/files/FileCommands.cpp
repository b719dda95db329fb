#include "core/files/FileCommands.h"

#include "core/Messages.h"

#include <filesystem>

namespace {

bool IsSameFile(const std::string& a, const std::string& b) {
    if (a == b)
        return true;
    std::error_code error;
    return !b.empty() && std::filesystem::equivalent(a, b, error);
}

} // namespace

std::string FirstPatternExtension(const std::string& pattern) {
    const std::string first = pattern.substr(0, pattern.find(';'));
    const size_t dot = first.find('.');
    if (dot == std::string::npos)
        return {};
    std::string extension = first.substr(dot);
    while (!extension.empty() && extension.back() == ' ')
        extension.pop_back();
    return extension.find_first_of("*?") == std::string::npos ? extension : std::string();
}

std::optional<std::string> ChooseFilePath(Shell& shell, FileDialogMode mode,
                                          const std::string& path, const std::string& description,
                                          const std::string& pattern, const std::string& layerPath,
                                          const std::string& proposedPath) {
    if (!path.empty())
        return path;
    const auto choice = shell.AskFileName(mode, description, pattern,
                                          proposedPath.empty() ? layerPath : proposedPath);
    if (!choice)
        return std::nullopt;
    if (mode == FileDialogMode::Open)
        return choice->Path();
    // A map saved without its extension could not be told apart from other files later.
    std::string chosen = choice->Path();
    if (std::filesystem::path(choice->name).extension().empty())
        chosen += FirstPatternExtension(pattern);
    if (!MayReplaceFile(shell, chosen, layerPath))
        return std::nullopt;
    return chosen;
}

bool MayReplaceFile(Shell& shell, const std::string& path, const std::string& layerPath) {
    std::error_code error;
    const bool exists = std::filesystem::symlink_status(path, error).type() !=
                        std::filesystem::file_type::not_found;
    return error || !exists || IsSameFile(path, layerPath) || shell.ConfirmReplaceFile(path);
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
