// Elevation (DEM) conversion over a source whose sampled bytes the fuzzer controls. A real
// source is 51.8 MB; here only the sampled rows are written (the rows before them stay a
// hole of zero samples), so one run writes about 1.5 MB.
//
// Input: byte 0 bit 0 set cuts the source short inside the sampled rows, at the offset in
// bytes 1-3 (such a source is refused unless the cut falls at its very end); the remaining bytes
// are big-endian samples handed to the window's cells in order, repeated as often as needed.
#include "FuzzInput.h"
#include "core/edit/Editor.h"
#include "core/files/DemConversion.h"
#include "core/height/DemWindowConversion.h"
#include "support/RecordingShell.h"

#include <cstdlib>
#include <fcntl.h>
#include <memory>
#include <unistd.h>
#include <vector>

namespace {

constexpr off_t RowBytes = off_t{DemSamplesPerRow} * 2;
constexpr off_t FullSourceBytes = off_t{DemRowsRequired} * RowBytes;
constexpr size_t HeaderBytes = 4;

struct SourceLayout {
    off_t length = FullSourceBytes;
    const uint8_t* samples = nullptr;
    size_t sampleCount = 0;
};

SourceLayout ReadLayout(const uint8_t* data, size_t size) {
    SourceLayout layout;
    if (size >= HeaderBytes && (data[0] & 1)) {
        const off_t first = DemSourceRows().front() * RowBytes;
        const off_t cut = (off_t{data[1]} << 16) | (off_t{data[2]} << 8) | data[3];
        layout.length = first + cut * 8 % (FullSourceBytes - first + 1);
    }
    if (size > HeaderBytes) {
        layout.samples = data + HeaderBytes;
        layout.sampleCount = (size - HeaderBytes) / 2;
    }
    return layout;
}

// Writes the sampled stretch of every sampled row, then cuts the file to its length.
bool WriteSource(const std::string& path, const SourceLayout& layout) {
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return false;
    const auto& columns = DemSourceColumns();
    const int firstColumn = columns.front();
    std::vector<uint8_t> row(static_cast<size_t>(2 * (columns.back() - firstColumn + 1)));
    size_t cell = 0;
    bool written = true;
    for (const int sourceRow : DemSourceRows()) {
        for (const int sourceColumn : columns) {
            uint8_t* sample = row.data() + 2 * (sourceColumn - firstColumn);
            if (layout.sampleCount > 0) {
                const uint8_t* from = layout.samples + 2 * (cell % layout.sampleCount);
                sample[0] = from[0];
                sample[1] = from[1];
            }
            ++cell;
        }
        const off_t offset = sourceRow * RowBytes + 2 * firstColumn;
        written = written &&
                  pwrite(fd, row.data(), row.size(), offset) == static_cast<ssize_t>(row.size());
    }
    written = written && ftruncate(fd, layout.length) == 0;
    return close(fd) == 0 && written;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = FuzzFolder() + "input.dem";
    const SourceLayout layout = ReadLayout(data, size);
    if (!WriteSource(path, layout))
        std::abort();
    auto editor = std::make_unique<Editor>();
    RecordingShell shell;
    ConvertDemFile(*editor, shell, path);
    // A conversion always completes over a source that holds the whole window: both outputs,
    // the new height map and the summary. A shorter source is refused with one message.
    const bool complete = editor->document.Heights().HasHeightMap() && shell.messages.size() == 2 &&
                          shell.messages.back().text.rfind("Process Complete.", 0) == 0;
    const bool refused = !editor->document.Heights().HasHeightMap() && shell.messages.size() == 1;
    if (layout.length >= FullSourceBytes ? !complete : !refused)
        std::abort();
    return 0;
}
