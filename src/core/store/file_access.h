#pragma once

#include <sys/types.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "byte_io.h"

namespace reelkeep {

// A file opened for reading; the document keeps no handle beyond a load. Throws CFileError.
class CFileSource : public IByteSource {
public:
    explicit CFileSource(const std::string& path);
    ~CFileSource() override;
    CFileSource(const CFileSource&) = delete;
    CFileSource& operator=(const CFileSource&) = delete;

    std::uint64_t Size() const override { return size_; }
    std::size_t Read(char* dst, std::size_t n) override;

private:
    int fd_ = -1;
    std::uint64_t size_ = 0;
};

// The system calls that replace a file, one virtual call each so that a test can make any of
// them fail; each does what the POSIX call of the same name does (-1 and errno on failure).
// This base class makes the real calls.
class CFileCalls {
public:
    virtual ~CFileCalls() = default;
    virtual int Open(const char* path, int flags, mode_t mode) const;
    virtual ssize_t Write(int fd, const void* data, std::size_t n) const;
    virtual int Fchmod(int fd, mode_t mode) const;
    virtual int Fchown(int fd, uid_t owner, gid_t group) const;
    virtual int Fsync(int fd) const;
    virtual int Close(int fd) const;
    virtual int Rename(const char* from, const char* to) const;
    virtual int Unlink(const char* path) const;
};

// The real system calls.
const CFileCalls& PosixFileCalls();

// Replaces path with what write produces, or leaves it untouched: the bytes go to a temporary
// file in the same folder, are flushed to the disk and only then renamed over path. A symbolic
// link stays a link: the file it finally names is the one replaced, its temporary file beside
// it. A replaced file keeps its permissions and, where the system allows, its group, and the
// temporary file never has wider ones. Throws CFileError (the temporary file is removed first).
void WriteFileAtomically(const std::string& path, const std::function<void(IByteSink&)>& write,
                         const CFileCalls& calls = PosixFileCalls());

// What tells one version of a file from the next: another program that rewrites or replaces
// the file changes at least one of these.
struct FileIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedSeconds = 0;
    std::int64_t modifiedNanoseconds = 0;

    friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};

// The identity of the file that path names (through any links), or nothing when there is none
// to be had.
std::optional<FileIdentity> IdentityOfFile(const std::string& path);

}  // namespace reelkeep
