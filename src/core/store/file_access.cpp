#include "file_access.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <optional>

#include "file_errors.h"

namespace reelkeep {

namespace {

class CFdSink : public IByteSink {
public:
    CFdSink(int fd, const CFileCalls& calls) : fd_(fd), calls_(calls) {}
    void Write(const char* data, std::size_t n) override {
        while (n != 0) {
            const ssize_t written = calls_.Write(fd_, data, n);
            if (written < 0) {
                if (errno == EINTR) continue;
                throw CFileError(errno);
            }
            data += written;
            n -= static_cast<std::size_t>(written);
        }
    }

private:
    int fd_;
    const CFileCalls& calls_;
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

// As many links as the system itself follows before it gives up with ELOOP.
constexpr int kMostLinksFollowed = 40;

// The file that path finally names, each symbolic link in turn replaced by what it points to; a
// relative target counts from the link's folder. A dangling link gives the name it points to,
// so that a save creates that file, as the link promised, rather than replace the link.
std::string FinalTarget(std::string path) {
    for (int followed = 0;; ++followed) {
        struct stat st {};
        // Anything else wrong with the name shows when the file is looked at for replacing.
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
        if (followed == kMostLinksFollowed) throw CFileError(ELOOP);
        char target[PATH_MAX];
        const ssize_t length = ::readlink(path.c_str(), target, sizeof target);
        if (length < 0) throw CFileError(errno);
        if (static_cast<std::size_t>(length) == sizeof target) throw CFileError(ENAMETOOLONG);
        std::string next(target, static_cast<std::size_t>(length));
        if (next.empty() || next.front() != '/') {
            std::string folder = FolderOf(path);
            if (folder != "/") folder += '/';
            next.insert(0, folder);
        }
        path = std::move(next);
    }
}

// What a replaced file keeps.
struct ReplacedFile {
    mode_t mode;
    gid_t group;
};

// The permissions and group of the file that path names, or nothing when there is none yet. An
// existing file that we may not write stays as it is, even though the folder would let us
// replace it.
std::optional<ReplacedFile> ReplaceableFile(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        if (errno == ENOENT) return std::nullopt;
        throw CFileError(errno);
    }
    if (S_ISDIR(st.st_mode)) throw CFileError(EISDIR);
    if (::access(path.c_str(), W_OK) != 0) throw CFileError(errno);
    return ReplacedFile{st.st_mode & 07777, st.st_gid};
}

// File systems without owners or modes of their own (FAT, some network shares) refuse to
// change them; the file written there is as good as any other.
bool IsRefusedByFileSystem(int error) {
    return error == EPERM || error == ENOTSUP || error == EINVAL;
}

// Gives the temporary file the replaced file's group and exact permissions before any byte is
// written, whatever the umask took away.
void KeepPermissions(int fd, const ReplacedFile& replaced, const CFileCalls& calls) {
    // The group first: a change of group may clear the set-group-id bit, which the mode restores.
    if (calls.Fchown(fd, static_cast<uid_t>(-1), replaced.group) != 0 &&
        !IsRefusedByFileSystem(errno)) {
        throw CFileError(errno);
    }
    if (calls.Fchmod(fd, replaced.mode) != 0 && !IsRefusedByFileSystem(errno)) {
        throw CFileError(errno);
    }
}

void SyncFolder(const std::string& folder, const CFileCalls& calls) {
    // Makes the rename itself durable; a folder that cannot be synced loses nothing written.
    const int fd = calls.Open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
    if (fd < 0) return;
    calls.Fsync(fd);
    calls.Close(fd);
}

}  // namespace

int CFileCalls::Open(const char* path, int flags, mode_t mode) const {
    return ::open(path, flags, mode);
}
ssize_t CFileCalls::Write(int fd, const void* data, std::size_t n) const {
    return ::write(fd, data, n);
}
int CFileCalls::Fchmod(int fd, mode_t mode) const { return ::fchmod(fd, mode); }
int CFileCalls::Fchown(int fd, uid_t owner, gid_t group) const {
    return ::fchown(fd, owner, group);
}
int CFileCalls::Fsync(int fd) const { return ::fsync(fd); }
int CFileCalls::Close(int fd) const { return ::close(fd); }
int CFileCalls::Rename(const char* from, const char* to) const { return ::rename(from, to); }
int CFileCalls::Unlink(const char* path) const { return ::unlink(path); }

const CFileCalls& PosixFileCalls() {
    static const CFileCalls calls;
    return calls;
}

CFileSource::CFileSource(const std::string& path) {
    // Not blocking: opening a pipe would otherwise wait for a writer that never comes.
    fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd_ < 0) throw CFileError(errno);
    struct stat st {};
    int error = 0;
    if (::fstat(fd_, &st) != 0) {
        error = errno;
    } else if (!S_ISREG(st.st_mode)) {
        error = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;  // a device or pipe is no catalogue
    }
    if (error != 0) {
        ::close(fd_);
        throw CFileError(error);
    }
    size_ = static_cast<std::uint64_t>(st.st_size);
}

CFileSource::~CFileSource() { ::close(fd_); }

std::size_t CFileSource::Read(char* dst, std::size_t n) {
    return ReadUntilFull(dst, n, [this](char* at, std::size_t want) {
        for (;;) {
            const ssize_t got = ::read(fd_, at, want);
            if (got >= 0) return static_cast<std::size_t>(got);
            if (errno != EINTR) throw CFileError(errno);
        }
    });
}

void WriteFileAtomically(const std::string& path, const std::function<void(IByteSink&)>& write,
                         const CFileCalls& calls) {
    const std::string target = FinalTarget(path);
    const std::optional<ReplacedFile> replaced = ReplaceableFile(target);
    // Created no more open than the file it replaces; a new file gets what the umask allows.
    const mode_t createMode = replaced ? (replaced->mode & 0777) : 0666;
    // A save that was killed leaves its temporary file, whose name a later process with the same
    // id picks again: that name is passed over rather than failing the save.
    std::string temporary;
    int fd = -1;
    for (int attempt = 0; fd < 0; ++attempt) {
        temporary = TemporaryNameFor(target);
        fd = calls.Open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, createMode);
        if (fd < 0 && (errno != EEXIST || attempt == kTemporaryNameAttempts - 1)) {
            throw CFileError(errno, true);
        }
    }
    const auto fail = [&](int error) {
        calls.Unlink(temporary.c_str());
        throw CFileError(error);
    };
    try {
        if (replaced) KeepPermissions(fd, *replaced, calls);
        CFdSink sink(fd, calls);
        write(sink);
        if (calls.Fsync(fd) != 0) throw CFileError(errno);
    } catch (...) {
        calls.Close(fd);
        calls.Unlink(temporary.c_str());
        throw;
    }
    if (calls.Close(fd) != 0) fail(errno);
    if (calls.Rename(temporary.c_str(), target.c_str()) != 0) fail(errno);
    SyncFolder(FolderOf(target), calls);
}

std::optional<FileIdentity> IdentityOfFile(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return std::nullopt;
    return FileIdentity{
        static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino),
        static_cast<std::int64_t>(st.st_size), static_cast<std::int64_t>(st.st_mtim.tv_sec),
        static_cast<std::int64_t>(st.st_mtim.tv_nsec)};
}

}  // namespace reelkeep
