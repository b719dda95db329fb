#include "core/files/DemConversion.h"

#include "core/Messages.h"
#include "core/edit/UnsavedChanges.h"
#include "core/files/FileCommands.h"
#include "core/files/HeightMapFile.h"
#include "core/height/DemWindowReader.h"

#include <cstdio>
#include <filesystem>
#include <memory>
#include <new>

namespace {

const char* const Description = "Digital Elevation Map (*.dem)";
const char* const Pattern = "*.dem";
const char* const CreateCaption = "Unable to create file...";

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using SourceFile = std::unique_ptr<std::FILE, FileCloser>;

// The folder part of a path, with its trailing separator ("" for a bare name).
std::string FolderOf(const std::string& path) {
    const auto separator = path.find_last_of("/\\");
    return separator == std::string::npos ? std::string() : path.substr(0, separator + 1);
}

// Why a source is too short for the window, or empty when it holds every sampled row. A
// shorter source would convert its missing rows into water.
std::string ShortSourceProblem(const std::string& path) {
    constexpr uintmax_t RowBytes = uintmax_t{DemSamplesPerRow} * 2;
    std::error_code error;
    const uintmax_t size = std::filesystem::file_size(path, error);
    if (error || size >= RowBytes * DemRowsRequired)
        return {};
    return "The elevation source holds " + std::to_string(size / RowBytes) + " rows of " +
           std::to_string(DemSamplesPerRow) + " samples; the conversion reads " +
           std::to_string(DemRowsRequired) + ". Nothing was converted.";
}

// Reads the whole window; empty when the working memory cannot be had.
std::unique_ptr<DemWindowConversion> ConvertWindow(std::FILE* source) {
    std::unique_ptr<DemWindowConversion> conversion;
    try {
        conversion = std::make_unique<DemWindowConversion>();
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
    ReadDemWindow(source, *conversion);
    return conversion;
}

} // namespace

std::string DemHeightOutputPath(const std::string& sourcePath) {
    return FolderOf(sourcePath) + "trv16.hm";
}

std::string DemRawOutputPath(const std::string& sourcePath) {
    return FolderOf(sourcePath) + "trv.hm";
}

void ConvertDemFile(Editor& editor, Shell& shell, const std::string& path) {
    const auto sourcePath = ChooseFilePath(shell, FileDialogMode::Open, path, Description, Pattern);
    if (!sourcePath)
        return;
    // A folder opens like a file here but has no samples to read; a FIFO would block.
    if (IsNonRegularFile(*sourcePath)) {
        ShowOpenFailure(shell, WindowId::Main, PathWithReason(*sourcePath, NotRegularFileText));
        return;
    }
    const SourceFile source(std::fopen(sourcePath->c_str(), "rb"));
    if (!source) {
        ShowOpenFailure(shell, WindowId::Main, *sourcePath);
        return;
    }
    if (const std::string problem = ShortSourceProblem(*sourcePath); !problem.empty()) {
        ShowOpenFailure(shell, WindowId::Main, PathWithReason(*sourcePath, problem));
        return;
    }
    const std::string heightPath = DemHeightOutputPath(*sourcePath);
    const std::string rawPath = DemRawOutputPath(*sourcePath);
    for (const std::string* output : {&heightPath, &rawPath}) {
        if (!CanReplaceFile(*output)) {
            ShowCreateFailure(shell, WindowId::Main, *output);
            return;
        }
    }

    // The result replaces the height map.
    if (!ConfirmReplaceLayer(editor, shell, SavedLayer::HeightMap, WindowId::Main))
        return;
    ShowCompletionNotice(shell, WindowId::Main, "Click OK to begin process");
    shell.SetWaitCursor(true);
    const auto conversion = ConvertWindow(source.get());
    if (!conversion) {
        shell.SetWaitCursor(false);
        ShowFailureNotice(shell, WindowId::Main, "Memory allocation failure.");
        return;
    }
    shell.SetWaitCursor(false);
    if (!SaveFileReporting(shell, WindowId::Main, heightPath, conversion->HeightBytes(),
                           {CreateCaption, CreateCaption}))
        return;
    // The height file is the result: once it is written the editor shows it, so the heights
    // on screen and on disk agree even when the raw image fails after it.
    ReadHeightMapFile(editor, shell, heightPath);
    if (!SaveFileReporting(shell, WindowId::Main, rawPath, conversion->RawImage(),
                           {CreateCaption, CreateCaption}))
        return; // the summary would claim a raw image
    ShowCompletionNotice(shell, WindowId::Main, DemSummaryText(conversion->Counters()));
}
