#pragma once
// Makes every fdatasync of this process fail with EIO, as a disk that cannot keep the bytes
// does, for the lifetime of the guard. A test program that uses it gets this file's fdatasync
// in place of the C library's; without a guard it passes through to the system.

class SyncFailure {
  public:
    SyncFailure();
    ~SyncFailure();
    SyncFailure(const SyncFailure&) = delete;
    SyncFailure& operator=(const SyncFailure&) = delete;
};
