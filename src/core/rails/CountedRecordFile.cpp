#include "core/rails/CountedRecordFile.h"

#include "core/Messages.h"

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

Decoded<int32_t> DecodeRecordCount(std::span<const uint8_t> bytes, size_t recordSize,
                                   int32_t maxRecords, const char* what) {
    const CountedRecordFile file{bytes, recordSize};
    if (auto problem = CountProblem(file, maxRecords, what); !problem.empty())
        return Decoded<int32_t>::Refused(std::move(problem));
    return Decoded<int32_t>::Of(file.Count());
}

std::string FailedToReadText(const std::string& name, const std::string& reason) {
    const std::string text = FormatText("Failed to read %s!", name);
    return reason.empty() ? text : text + "\n\n" + reason;
}
