#include "support/SyncFailure.h"

#include <cerrno>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

bool failing = false;

} // namespace

SyncFailure::SyncFailure() {
    failing = true;
}

SyncFailure::~SyncFailure() {
    failing = false;
}

extern "C" int fdatasync(int fd) {
    if (failing) {
        errno = EIO;
        return -1;
    }
    return static_cast<int>(syscall(SYS_fdatasync, fd));
}
