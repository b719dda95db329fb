#pragma once
// The steps that every file command of the editor shares: getting the path (given, or asked
// with the file dialog), reading the start of a file for its codec, and saving with the user
// told how it went.

#include "core/Shell.h"
#include "core/io/DecodeFile.h"
#include "core/io/FileIO.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// `path` itself when it is not empty; otherwise the file dialog's choice (folder + name). The
// dialog starts at `proposedPath`, by default `layerPath`, the layer's last file (none when
// empty). A name saved without an extension gets the pattern's first; saving over an existing
// file other than `layerPath` is asked about first. Empty result when the user cancels either.
std::optional<std::string> ChooseFilePath(Shell& shell, FileDialogMode mode,
                                          const std::string& path, const std::string& description,
                                          const std::string& pattern,
                                          const std::string& layerPath = {},
                                          const std::string& proposedPath = {});

// True when a save may write `path`: nothing is there, it is `layerPath` itself, or the user
// agreed to replace it.
bool MayReplaceFile(Shell& shell, const std::string& path, const std::string& layerPath);

// The extension of the pattern's first entry: ".hm" for "*.hm; *.raw", "" for none.
std::string FirstPatternExtension(const std::string& pattern);

// The captions for a save that fails at creating the file or later, while writing or replacing.
struct SaveFailureCaptions {
    const char* open;
    const char* write;
};

// Writes the file atomically; on failure shows the path with the caption of the failed step
// (exclamation icon, owned by `owner`) and returns false, leaving any old file as it was.
bool SaveFileReporting(Shell& shell, WindowId owner, const std::string& path,
                       std::span<const uint8_t> bytes, SaveFailureCaptions captions);

// "%s has been saved." with the path, caption "Notice", information icon.
void ShowSavedNotice(Shell& shell, WindowId owner, const std::string& path);
