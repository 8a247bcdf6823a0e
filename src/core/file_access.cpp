#include "file_access.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <optional>

#include "file_errors.h"

namespace reelkeep {

namespace {

class FdSink : public ByteSink {
public:
    FdSink(int fd, const FileCalls& calls) : fd_(fd), calls_(calls) {}
    void Write(const char* data, std::size_t n) override {
        while (n != 0) {
            const ssize_t written = calls_.Write(fd_, data, n);
            if (written < 0) {
                if (errno == EINTR) continue;
                throw FileError(errno);
            }
            data += written;
            n -= static_cast<std::size_t>(written);
        }
    }

private:
    int fd_;
    const FileCalls& calls_;
};

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

constexpr int kTemporaryNameAttempts = 100;

// A name beside path that no other save of this process is using.
std::string TemporaryNameFor(const std::string& path) {
    static std::atomic<unsigned> serial{0};
    return path + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(serial++);
}

// The permissions of the file that path names, or nothing when there is none yet. An existing
// file that we may not write stays as it is, even though the folder would let us replace it.
std::optional<mode_t> ReplaceableFileMode(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        if (errno == ENOENT) return std::nullopt;
        throw FileError(errno);
    }
    if (S_ISDIR(st.st_mode)) throw FileError(EISDIR);
    if (::access(path.c_str(), W_OK) != 0) throw FileError(errno);
    return st.st_mode & 07777;
}

void SyncFolder(const std::string& folder, const FileCalls& calls) {
    // Makes the rename itself durable; a folder that cannot be synced loses nothing written.
    const int fd = calls.Open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
    if (fd < 0) return;
    calls.Fsync(fd);
    calls.Close(fd);
}

}  // namespace

int FileCalls::Open(const char* path, int flags, mode_t mode) const {
    return ::open(path, flags, mode);
}
ssize_t FileCalls::Write(int fd, const void* data, std::size_t n) const {
    return ::write(fd, data, n);
}
int FileCalls::Fchmod(int fd, mode_t mode) const { return ::fchmod(fd, mode); }
int FileCalls::Fsync(int fd) const { return ::fsync(fd); }
int FileCalls::Close(int fd) const { return ::close(fd); }
int FileCalls::Rename(const char* from, const char* to) const { return ::rename(from, to); }
int FileCalls::Unlink(const char* path) const { return ::unlink(path); }

const FileCalls& PosixFileCalls() {
    static const FileCalls calls;
    return calls;
}

FileSource::FileSource(const std::string& path) {
    // Not blocking: opening a pipe would otherwise wait for a writer that never comes.
    fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd_ < 0) throw FileError(errno);
    struct stat st {};
    int error = 0;
    if (::fstat(fd_, &st) != 0) {
        error = errno;
    } else if (!S_ISREG(st.st_mode)) {
        error = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;  // a device or pipe is no catalogue
    }
    if (error != 0) {
        ::close(fd_);
        throw FileError(error);
    }
    size_ = static_cast<std::uint64_t>(st.st_size);
}

FileSource::~FileSource() { ::close(fd_); }

std::size_t FileSource::Read(char* dst, std::size_t n) {
    return ReadUntilFull(dst, n, [this](char* at, std::size_t want) {
        for (;;) {
            const ssize_t got = ::read(fd_, at, want);
            if (got >= 0) return static_cast<std::size_t>(got);
            if (errno != EINTR) throw FileError(errno);
        }
    });
}

void WriteFileAtomically(const std::string& path, const std::function<void(ByteSink&)>& write,
                         const FileCalls& calls) {
    std::optional<mode_t> existingMode = ReplaceableFileMode(path);
    // A save that was killed leaves its temporary file, whose name a later process with the same
    // id picks again: that name is passed over rather than failing the save.
    std::string temporary;
    int fd = -1;
    for (int attempt = 0; fd < 0; ++attempt) {
        temporary = TemporaryNameFor(path);
        fd = calls.Open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && (errno != EEXIST || attempt == kTemporaryNameAttempts - 1)) {
            throw FileError(errno);
        }
    }
    const auto fail = [&](int error) {
        calls.Unlink(temporary.c_str());
        throw FileError(error);
    };
    try {
        FdSink sink(fd, calls);
        write(sink);
        // The replaced file keeps its permissions.
        if (existingMode && calls.Fchmod(fd, *existingMode) != 0) throw FileError(errno);
        if (calls.Fsync(fd) != 0) throw FileError(errno);
    } catch (...) {
        calls.Close(fd);
        calls.Unlink(temporary.c_str());
        throw;
    }
    if (calls.Close(fd) != 0) fail(errno);
    if (calls.Rename(temporary.c_str(), path.c_str()) != 0) fail(errno);
    SyncFolder(FolderOf(path), calls);
}

}  // namespace reelkeep
