#pragma once
// The layout shared by the rail and target files: a little-endian int32 count followed by
// fixed-size records. Nothing in such a file is trusted until it has been checked here.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct CountedRecordFile {
    std::vector<uint8_t> bytes; // the file's first bytes, at most the count and the largest table
    size_t recordSize = 0;

    bool HasCount() const { return bytes.size() >= 4; }
    int32_t Count() const; // 0 when the file has no count
    size_t RecordsHeld() const { return HasCount() ? (bytes.size() - 4) / recordSize : 0; }
    const uint8_t* Record(size_t index) const { return bytes.data() + 4 + index * recordSize; }
};

// Reads the count and up to `maxRecords` records; empty result when the file cannot be opened.
std::optional<CountedRecordFile> ReadCountedRecordFile(const std::string& path, size_t recordSize,
                                                       int32_t maxRecords);

// Why the stored count cannot be used ("" when it can): the file has no count, or the count is
// negative or above `maxRecords`. `what` names the records ("rail sections").
std::string CountProblem(const CountedRecordFile& file, int32_t maxRecords, const char* what);
// Why the file cannot deliver its records ("" when it holds them all); the count must have
// passed CountProblem.
std::string LengthProblem(const CountedRecordFile& file, const char* what);

// The text of the failure notice for a file that was refused: "Failed to read <name>!", then a
// blank line and the reason when there is one.
std::string FailedToReadText(const std::string& name, const std::string& reason);
