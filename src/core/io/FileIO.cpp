#include "core/io/FileIO.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

const char* const NotRegularFileText =
    "It is not a regular file (a folder, FIFO, device or socket), so it is not used.";

namespace {

// Closes the descriptor when it goes out of scope.
class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    // Closes now and tells whether the system accepted it (buffered errors show up here).
    bool Close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

  private:
    int fd_;
};

void Set(ReadFailure* target, ReadFailure value) {
    if (target)
        *target = value;
}

// Reads until `buffer` is full or the file ends; -1 when the system reports an error.
ssize_t ReadFully(int fd, uint8_t* buffer, size_t size) {
    size_t got = 0;
    while (got < size) {
        const ssize_t n = ::read(fd, buffer + got, size - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return -1;
        if (n == 0)
            break;
        got += static_cast<size_t>(n);
    }
    return static_cast<ssize_t>(got);
}

bool WriteFully(int fd, std::span<const uint8_t> bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

// The file a save really replaces: the target of a link to an existing file, else the path.
std::string SaveTarget(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_symlink(path, error))
        return path;
    const auto resolved = std::filesystem::canonical(path, error);
    return error ? path : resolved.string();
}

// A new, empty file beside `target` that nobody else uses; -1 when none can be created. The
// process's umask applies to it as to any new file.
int CreateTemporaryBeside(const std::string& target, std::string& name) {
    static unsigned counter = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = target + ".saving-" + std::to_string(::getpid()) + "-" + std::to_string(++counter);
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

} // namespace

bool IsNonRegularFile(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode);
}

std::string NonRegularFileReason(const std::string& path) {
    return IsNonRegularFile(path) ? NotRegularFileText : "";
}

std::optional<std::vector<uint8_t>> ReadFilePrefix(const std::string& path, size_t maxBytes,
                                                   ReadFailure* failure) {
    Set(failure, ReadFailure::Open);
    if (IsNonRegularFile(path)) {
        Set(failure, ReadFailure::NotRegularFile);
        return std::nullopt;
    }
    // Without blocking, so that a FIFO put in the file's place meanwhile cannot hang us.
    Descriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (file.get() < 0)
        return std::nullopt;
    struct stat info {};
    if (::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        Set(failure, ReadFailure::NotRegularFile);
        return std::nullopt;
    }
    const auto size = static_cast<uint64_t>(info.st_size);
    std::vector<uint8_t> bytes(size > 0 && size < maxBytes ? static_cast<size_t>(size) : maxBytes);
    const ssize_t got = ReadFully(file.get(), bytes.data(), bytes.size());
    if (got < 0) {
        Set(failure, ReadFailure::Read); // a read error is no end of file
        return std::nullopt;
    }
    bytes.resize(static_cast<size_t>(got));
    Set(failure, ReadFailure::None);
    return bytes;
}

AtomicFileWriter::AtomicFileWriter(const std::string& path) {
    // A device node or FIFO is never replaced by a regular file.
    if (path.empty() || IsNonRegularFile(path)) {
        Fail(WriteFailure::Open, path.empty() ? "No file name was given." : NotRegularFileText);
        return;
    }
    target_ = SaveTarget(path);
    fd_ = CreateTemporaryBeside(target_, temporary_);
    if (fd_ < 0) {
        Fail(WriteFailure::Open, std::strerror(errno));
        return;
    }
    struct stat old {};
    if (::stat(target_.c_str(), &old) == 0)
        ::fchmod(fd_, old.st_mode & 07777); // the replaced file keeps its permissions
}

AtomicFileWriter::~AtomicFileWriter() {
    Discard();
}

bool AtomicFileWriter::Fail(WriteFailure step, const std::string& reason) {
    if (failure_ == WriteFailure::None) {
        failure_ = step;
        error_ = reason;
    }
    Discard();
    return false;
}

void AtomicFileWriter::Discard() {
    if (fd_ < 0)
        return;
    ::close(fd_);
    fd_ = -1;
    ::unlink(temporary_.c_str());
}

bool AtomicFileWriter::Append(std::span<const uint8_t> bytes) {
    if (fd_ < 0)
        return false;
    return WriteFully(fd_, bytes) || Fail(WriteFailure::Write, std::strerror(errno));
}

bool AtomicFileWriter::Commit() {
    if (fd_ < 0)
        return false;
    // The sync is checked here: a disk that cannot keep the bytes must not see the old file
    // replaced and the user told it was saved.
    if (::fdatasync(fd_) != 0)
        return Fail(WriteFailure::Write, std::strerror(errno));
    Descriptor file(fd_);
    fd_ = -1;
    if (!file.Close() || ::rename(temporary_.c_str(), target_.c_str()) != 0) {
        const int reason = errno;
        ::unlink(temporary_.c_str());
        return Fail(WriteFailure::Write, std::strerror(reason));
    }
    return true;
}

bool WriteFileAtomically(const std::string& path, std::span<const uint8_t> bytes,
                         std::string* error, WriteFailure* failure) {
    AtomicFileWriter file(path);
    const bool saved = file.Append(bytes) && file.Commit();
    if (error && !saved)
        *error = file.Error();
    if (failure)
        *failure = file.Failure();
    return saved;
}

bool CanReplaceFile(const std::string& path) {
    if (path.empty() || IsNonRegularFile(path))
        return false;
    std::string temporary;
    Descriptor file(CreateTemporaryBeside(SaveTarget(path), temporary));
    if (file.get() < 0)
        return false;
    ::unlink(temporary.c_str());
    return true;
}
