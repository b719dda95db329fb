#pragma once
// Whole-file reading and atomic writing. Paths are the file system's own bytes, whatever their
// encoding. Only regular files (or links to them) are read or replaced: a FIFO, a device or a
// folder is refused before it is opened. Saves go to a temporary file beside the target that
// replaces it only after every byte was written and reached the disk, so a failed save never
// leaves half a file.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// The step at which ReadFilePrefix failed.
enum class ReadFailure { None, Open, NotRegularFile, Read };

// Reads at most `maxBytes` from the start of the file (fewer when it is shorter); empty result
// when it cannot be opened, is not a regular file or reading it fails.
std::optional<std::vector<uint8_t>> ReadFilePrefix(const std::string& path, size_t maxBytes,
                                                   ReadFailure* failure = nullptr);

// Whether `path` exists as something other than a regular file or a link to one.
bool IsNonRegularFile(const std::string& path);
// The sentence that explains such a refusal to the user.
extern const char* const NotRegularFileText;
// NotRegularFileText for such a path, else empty (the path alone says enough).
std::string NonRegularFileReason(const std::string& path);

// The step at which WriteFileAtomically failed: the file could not be created at all, or
// writing, syncing or replacing the target went wrong after it was.
enum class WriteFailure { None, Open, Write };

// Writes a file piece by piece into a temporary file beside `path`, which replaces the target
// only on Commit(), after every byte reached the disk. Until then, and whenever a step fails,
// any existing file stays untouched; the temporary file is removed when the writer goes away
// uncommitted.
class AtomicFileWriter {
  public:
    explicit AtomicFileWriter(const std::string& path);
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    // False when the temporary file could not be created (Error() says why).
    bool IsOpen() const { return fd_ >= 0; }
    // Appends `bytes`; false once anything failed.
    bool Append(std::span<const uint8_t> bytes);
    // Syncs the content to disk and puts it in place of the target; false when any step
    // failed, the target then being untouched.
    bool Commit();
    // The system's reason for the first failure, and the step it happened at.
    const std::string& Error() const { return error_; }
    WriteFailure Failure() const { return failure_; }

  private:
    bool Fail(WriteFailure step, const std::string& reason);
    void Discard();

    std::string target_;
    std::string temporary_;
    int fd_ = -1;
    WriteFailure failure_ = WriteFailure::None;
    std::string error_;
};

// Writes `bytes` as the whole new content of `path`. On failure returns false, leaves any
// existing file untouched and puts the system's reason into `error` (and the failed step into
// `failure`) when given.
bool WriteFileAtomically(const std::string& path, std::span<const uint8_t> bytes,
                         std::string* error = nullptr, WriteFailure* failure = nullptr);

// Whether a file could be created or replaced at `path` now (nothing is left behind).
bool CanReplaceFile(const std::string& path);

// Little-endian helpers for the file formats.
inline int32_t ReadInt32LE(const uint8_t* p) {
    return static_cast<int32_t>(static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
                                (static_cast<uint32_t>(p[2]) << 16) |
                                (static_cast<uint32_t>(p[3]) << 24));
}
inline void AppendInt32LE(std::vector<uint8_t>& out, int32_t value) {
    const auto v = static_cast<uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<uint8_t>(v >> shift));
}
