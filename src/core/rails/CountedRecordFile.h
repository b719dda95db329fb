#pragma once
// The layout shared by the rail and target files: a little-endian int32 count followed by
// fixed-size records. Nothing in such a file is trusted until it has been checked here.

#include "core/io/Decoded.h"
#include "core/io/FileIO.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// How much of such a file is ever needed: the count and the largest table.
constexpr size_t CountedFilePrefixSize(size_t recordSize, int32_t maxRecords) {
    return 4 + recordSize * static_cast<size_t>(maxRecords);
}

struct CountedRecordFile {
    std::span<const uint8_t> bytes; // the file's first bytes, at most the count and the table
    size_t recordSize = 0;

    bool HasCount() const { return bytes.size() >= 4; }
    int32_t Count() const { return HasCount() ? ReadInt32LE(bytes.data()) : 0; }
    size_t RecordsHeld() const { return HasCount() ? (bytes.size() - 4) / recordSize : 0; }
    const uint8_t* Record(size_t index) const { return bytes.data() + 4 + index * recordSize; }
};

// Why the stored count cannot be used ("" when it can): the file has no count, or the count is
// negative or above `maxRecords`. `what` names the records ("rail sections").
std::string CountProblem(const CountedRecordFile& file, int32_t maxRecords, const char* what);
// Why the file cannot deliver its records ("" when it holds them all); the count must have
// passed CountProblem.
std::string LengthProblem(const CountedRecordFile& file, const char* what);

// The stored count, refused as CountProblem says.
Decoded<int32_t> DecodeRecordCount(std::span<const uint8_t> bytes, size_t recordSize,
                                   int32_t maxRecords, const char* what);

// Every record the count names, each made by `read` from its bytes; refused when the count is
// out of 0 to `maxRecords` or the file holds fewer records than it names.
template <class Record, class ReadRecord>
Decoded<std::vector<Record>> DecodeCountedRecords(std::span<const uint8_t> bytes,
                                                  int32_t maxRecords, const char* what,
                                                  ReadRecord read) {
    const CountedRecordFile file{bytes, sizeof(Record)};
    std::string problem = CountProblem(file, maxRecords, what);
    if (problem.empty())
        problem = LengthProblem(file, what);
    if (!problem.empty())
        return Decoded<std::vector<Record>>::Refused(std::move(problem));
    std::vector<Record> records(static_cast<size_t>(file.Count()));
    for (size_t i = 0; i < records.size(); ++i)
        records[i] = read(file.Record(i));
    return Decoded<std::vector<Record>>::Of(std::move(records));
}

// The text of the failure notice for a file that was refused: "Failed to read <name>!", then a
// blank line and the reason when there is one.
std::string FailedToReadText(const std::string& name, const std::string& reason);
