#include "core/rails/CountedRecordFile.h"

#include "core/Messages.h"
#include "core/io/FileIO.h"

int32_t CountedRecordFile::Count() const {
    return HasCount() ? ReadInt32LE(bytes.data()) : 0;
}

std::optional<CountedRecordFile> ReadCountedRecordFile(const std::string& path, size_t recordSize,
                                                       int32_t maxRecords) {
    auto bytes = ReadFilePrefix(path, 4 + recordSize * static_cast<size_t>(maxRecords));
    if (!bytes)
        return std::nullopt;
    return CountedRecordFile{std::move(*bytes), recordSize};
}

std::string CountProblem(const CountedRecordFile& file, int32_t maxRecords, const char* what) {
    if (!file.HasCount())
        return "The file is too short to hold its count of " + std::string(what) + ".";
    const int32_t count = file.Count();
    if (count < 0 || count > maxRecords)
        return "The file names " + std::to_string(count) + " " + what + "; it can hold 0 to " +
               std::to_string(maxRecords) + ".";
    return {};
}

std::string LengthProblem(const CountedRecordFile& file, const char* what) {
    const auto count = static_cast<size_t>(file.Count());
    if (file.RecordsHeld() >= count)
        return {};
    return "The file names " + std::to_string(count) + " " + what + " but holds only " +
           std::to_string(file.RecordsHeld()) + ".";
}

std::string FailedToReadText(const std::string& name, const std::string& reason) {
    const std::string text = FormatText("Failed to read %s!", name);
    return reason.empty() ? text : text + "\n\n" + reason;
}
