// Saving when the file system fails: every system call of a save fails in turn, and a full disk.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "catalogue_builder.h"
#include "doc_invariants.h"
#include "fake_ui.h"
#include "file_access.h"
#include "file_errors.h"
#include "smf_bytes.h"

namespace reelkeep {
namespace {

namespace fs = std::filesystem;
using test::FakeUI;

// The real calls, logged, with one of them failing on request. Writes take at most kChunk
// bytes at a time, so that a small catalogue needs several of them.
class ScriptedCalls : public CFileCalls {
public:
    static constexpr std::size_t kChunk = 4096;

    mutable std::vector<std::string> log;
    long failAt = -1;  // index into log of the call that fails
    int error = EIO;
    mutable int openFailures = 0;  // opens of new files that fail first with EEXIST
    bool interrupt = false;        // every other write is interrupted before writing anything

    int Open(const char* path, int flags, mode_t mode) const override {
        if ((flags & O_CREAT) != 0 && openFailures != 0) {
            --openFailures;
            errno = EEXIST;
            return -1;
        }
        return Fails("open") ? -1 : CFileCalls::Open(path, flags, mode);
    }
    ssize_t Write(int fd, const void* data, std::size_t n) const override {
        if (interrupt && (interrupted = !interrupted)) {
            errno = EINTR;
            return -1;
        }
        return Fails("write") ? -1 : CFileCalls::Write(fd, data, std::min(n, kChunk));
    }
    int Fchmod(int fd, mode_t mode) const override {
        return Fails("fchmod") ? -1 : CFileCalls::Fchmod(fd, mode);
    }
    int Fsync(int fd) const override { return Fails("fsync") ? -1 : CFileCalls::Fsync(fd); }
    int Close(int fd) const override {
        // A failed close still releases the descriptor, as on Linux.
        const bool failing = Fails("close");
        const int result = CFileCalls::Close(fd);
        return failing ? -1 : result;
    }
    int Rename(const char* from, const char* to) const override {
        return Fails("rename") ? -1 : CFileCalls::Rename(from, to);
    }
    int Unlink(const char* path) const override {
        log.emplace_back("unlink");
        return CFileCalls::Unlink(path);
    }

private:
    bool Fails(const char* name) const {
        log.emplace_back(name);
        if (static_cast<long>(log.size()) - 1 != failAt) return false;
        errno = error;
        return true;
    }
    mutable bool interrupted = false;
};

std::string FileBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class SaveFaultTest : public ::testing::Test {
protected:
    SaveFaultTest() {
        dir = fs::temp_directory_path() / ("reelkeep-faults-" + std::to_string(::getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir);
        path = (dir / "movies.smf").string();
        AddMovies(old, 3);
        EXPECT_TRUE(old.SaveDocument(path));
        oldBytes = FileBytes(path);
        AddMovies(doc, 40);
        newBytes = test::SaveBytes(doc);
    }
    ~SaveFaultTest() override { fs::remove_all(dir); }

    static void AddMovies(CReelkeepDoc& into, int count) {
        std::vector<RecordValues> records;
        for (int i = 0; i < count; ++i) {
            records.push_back({"Movie " + std::to_string(i), "Actor", "", "", "Drama", "VHS", "90",
                               std::to_string(i), "", "PG", "", "", "", "", std::string(300, 's')});
        }
        into.OnNewDocument();
        test::LoadCatalogue(into, records);
        into.SetModified(true);
    }
    std::vector<std::string> FilesInDir() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir))
            names.push_back(entry.path().filename().string());
        return names;
    }

    fs::path dir;
    std::string path;
    FakeUI ui;
    CReelkeepDoc old{ui};
    CReelkeepDoc doc{ui};
    std::string oldBytes;
    std::string newBytes;
};

const std::vector<std::string> kOnlyTheFile = {"movies.smf"};

TEST_F(SaveFaultTest, EachFailingCallLeavesTheOldFileAndTheDocument) {
    // A save that succeeds gives the calls to fail: the temporary file is opened, given the old
    // file's permissions, written in several calls, synced, closed and renamed; then the
    // folder is opened, synced and closed.
    ScriptedCalls calls;
    ASSERT_TRUE(doc.SaveDocument(path, calls));
    ASSERT_TRUE(old.SaveDocument(path));
    doc.SetModified(true);
    const std::vector<std::string> fullSteps = calls.log;
    ASSERT_GT(std::count(fullSteps.begin(), fullSteps.end(), "write"), 2);
    std::vector<std::string> kinds = fullSteps;
    kinds.erase(std::unique(kinds.begin(), kinds.end()), kinds.end());
    ASSERT_EQ(kinds, (std::vector<std::string>{"open", "fchmod", "write", "fsync", "close",
                                               "rename", "open", "fsync", "close"}));
    const long renameAt =
        std::find(fullSteps.begin(), fullSteps.end(), "rename") - fullSteps.begin();

    int failures = 0;
    for (const int error : {EIO, ENOSPC, EDQUOT, EACCES, EROFS}) {
        for (long at = 0; at <= renameAt; ++at) {
            SCOPED_TRACE(fullSteps[static_cast<std::size_t>(at)] + " #" + std::to_string(at) +
                         " fails with " + std::strerror(error));
            ScriptedCalls failing;
            failing.failAt = at;
            failing.error = error;
            ui.messages.clear();
            EXPECT_FALSE(doc.SaveDocument(path, failing));
            // Only the first call makes a file in the folder: a refusal there is the folder's.
            const FileOperation op = at == 0 ? FileOperation::CreateInFolder : FileOperation::Write;
            EXPECT_EQ(ui.messages, std::vector<std::string>{FileErrorText(op, error, path)});
            EXPECT_TRUE(FileBytes(path) == oldBytes);
            EXPECT_EQ(FilesInDir(), kOnlyTheFile);
            EXPECT_TRUE(doc.IsModified());
            EXPECT_TRUE(test::SaveBytes(doc) == newBytes);
            test::ExpectConsistent(doc);
            ++failures;
        }
    }
    EXPECT_EQ(failures, 5 * (renameAt + 1));

    // Once renamed, the new file is complete and synced: a folder that cannot be opened or
    // synced costs only the durability of the name, and the save counts as done.
    for (long at = renameAt + 1; at < static_cast<long>(fullSteps.size()); ++at) {
        SCOPED_TRACE(fullSteps[static_cast<std::size_t>(at)] + " #" + std::to_string(at));
        ASSERT_TRUE(old.SaveDocument(path));
        ScriptedCalls failing;
        failing.failAt = at;
        ui.messages.clear();
        doc.SetModified(true);
        EXPECT_TRUE(doc.SaveDocument(path, failing));
        EXPECT_TRUE(ui.messages.empty());
        EXPECT_TRUE(FileBytes(path) == newBytes);
        EXPECT_EQ(FilesInDir(), kOnlyTheFile);
        EXPECT_FALSE(doc.IsModified());
    }
    // File systems without modes of their own (FAT, network shares) refuse them; the save stands.
    ScriptedCalls refusing;
    refusing.failAt = 1;  // fchmod
    refusing.error = EPERM;
    EXPECT_TRUE(doc.SaveDocument(path, refusing));
    EXPECT_TRUE(FileBytes(path) == newBytes && ui.messages.empty());
}

TEST_F(SaveFaultTest, InterruptedAndShortWritesStillWriteEveryByte) {
    ScriptedCalls calls;
    calls.interrupt = true;
    ASSERT_TRUE(doc.SaveDocument(path, calls));
    EXPECT_TRUE(FileBytes(path) == newBytes);
    EXPECT_EQ(FilesInDir(), kOnlyTheFile);
    EXPECT_TRUE(ui.messages.empty());
}

// A killed save leaves its temporary file behind; a later process given the same id must not
// fail because the name it picks is taken.
TEST_F(SaveFaultTest, TakenTemporaryNamesArePassedOver) {
    ScriptedCalls calls;
    calls.openFailures = 3;
    ASSERT_TRUE(doc.SaveDocument(path, calls));
    EXPECT_TRUE(FileBytes(path) == newBytes);
    EXPECT_TRUE(ui.messages.empty());

    // A folder full of such names is not searched for ever.
    ScriptedCalls taken;
    taken.openFailures = 1000;
    doc.SetModified(true);
    EXPECT_FALSE(doc.SaveDocument(path, taken));
    EXPECT_EQ(ui.messages,
              std::vector<std::string>{FileErrorText(FileOperation::Write, EEXIST, path)});
    EXPECT_TRUE(FileBytes(path) == newBytes);
    EXPECT_TRUE(doc.IsModified());
}

// A real full disk: a tiny tmpfs holding the old file, too small for the new catalogue.
TEST_F(SaveFaultTest, FullDiskLeavesTheOldFile) {
    const fs::path mountPoint = dir / "small";
    fs::create_directory(mountPoint);
    if (::mount("reelkeep-test", mountPoint.c_str(), "tmpfs", 0, "size=64k") != 0) {
        GTEST_SKIP() << "cannot mount a small tmpfs here (" << std::strerror(errno)
                     << "); mounting needs root with CAP_SYS_ADMIN";
    }
    const std::string small = (mountPoint / "movies.smf").string();
    // Nothing stops the test before the file system is unmounted again.
    const bool oldSaved = old.SaveDocument(small);
    AddMovies(doc, 400);  // far beyond 64 KiB
    const std::string wanted = test::SaveBytes(doc);
    ui.messages.clear();
    const bool saved = doc.SaveDocument(small);
    const std::string after = FileBytes(small);
    const auto files = std::distance(fs::directory_iterator(mountPoint), {});
    ::umount(mountPoint.c_str());

    ASSERT_TRUE(oldSaved);
    EXPECT_FALSE(saved);
    EXPECT_EQ(ui.messages,
              std::vector<std::string>{FileErrorText(FileOperation::Write, ENOSPC, small)});
    EXPECT_TRUE(after == oldBytes);
    EXPECT_EQ(files, 1);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(test::SaveBytes(doc) == wanted);
}

}  // namespace
}  // namespace reelkeep
