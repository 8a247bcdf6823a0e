// Opening and saving catalogue files on disk: the file layer, its messages and the atomic save.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <fstream>

#include "catalogue_builder.h"
#include "fake_ui.h"
#include "file_access.h"
#include "file_errors.h"
#include "messages.h"

namespace reelkeep {
namespace {

namespace fs = std::filesystem;
using test::FakeUI;

TEST(FileErrorText, NamesTheCauseAndThePath) {
    const auto read = [](int e) { return FileErrorText(FileOperation::Read, e, "/m/a.smf"); };
    const auto write = [](int e) { return FileErrorText(FileOperation::Write, e, "/m/a.smf"); };
    EXPECT_EQ(read(ENOENT),
              "/m/a.smf\nCannot find this file.\nPlease verify that the correct path and file "
              "name are given.");
    EXPECT_EQ(write(ENOTDIR),
              "/m/a.smf\nCannot find the folder for this file.\nPlease verify that the correct "
              "path is given.");
    EXPECT_EQ(read(EACCES), "Unable to read from /m/a.smf, it is opened by someone else.");
    EXPECT_EQ(write(EROFS),
              "Unable to write to /m/a.smf, it is read-only or opened by someone else.");
    EXPECT_EQ(write(EPERM), write(EACCES));
    // Making the save's file in its folder: a refusal is the folder's.
    EXPECT_EQ(FileErrorText(FileOperation::CreateInFolder, EROFS, "/m/a.smf"),
              "Unable to write to /m/a.smf, its folder cannot be written to.");
    EXPECT_EQ(write(ENOSPC), "Destination disk drive is full.");
    EXPECT_EQ(read(EIO), "An unexpected error occurred while reading /m/a.smf.");
    EXPECT_EQ(write(EFBIG), "An unexpected error occurred while writing /m/a.smf.");
    EXPECT_EQ(read(0), "Failed to open document.");
    EXPECT_EQ(write(0), "Failed to save document.");
    // A path holding "%1" is put in once, not expanded again.
    EXPECT_EQ(FileErrorText(FileOperation::Read, EIO, "%1"),
              "An unexpected error occurred while reading %1.");
}

class DocFileTest : public ::testing::Test {
protected:
    DocFileTest() {
        dir = fs::temp_directory_path() / ("reelkeep-file-" + std::to_string(::getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir);
        doc.OnNewDocument();
    }
    ~DocFileTest() override { fs::remove_all(dir); }

    std::string PathOf(const std::string& name) const { return (dir / name).string(); }
    void AddMovies(int count) {
        std::vector<RecordValues> records;
        for (int i = 0; i < count; ++i) {
            records.push_back({"Movie " + std::to_string(i), "Actor", "", "", "Drama", "VHS", "90",
                               std::to_string(i), "", "PG", "", "", "", "", std::string(200, 's')});
        }
        test::LoadCatalogue(doc, records);
        doc.SetModified(true);
    }
    std::size_t FilesInDir() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir), {}));
    }

    fs::path dir;
    FakeUI ui;
    CReelkeepDoc doc{ui};
};

TEST_F(DocFileTest, SaveThenOpenRestoresTheCatalogueAndClearsModified) {
    AddMovies(3);
    const std::string path = PathOf("movies.smf");
    ASSERT_TRUE(doc.SaveDocument(path));
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(FilesInDir(), 1u);  // no temporary file left behind

    CReelkeepDoc other(ui);
    other.OnNewDocument();
    other.SetModified(true);
    ASSERT_TRUE(other.OpenDocument(path));
    EXPECT_FALSE(other.IsModified());
    ASSERT_EQ(other.Catalogue().Count(), 3u);
    EXPECT_EQ(other.Catalogue().Record(2), doc.Catalogue().Record(2));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(DocFileTest, SavingOverAFileKeepsItsPermissions) {
    const std::string path = PathOf("movies.smf");
    std::ofstream(path) << "old";
    ::chmod(path.c_str(), 0640);
    AddMovies(1);
    ASSERT_TRUE(doc.SaveDocument(path));
    EXPECT_EQ(fs::status(path).permissions(), fs::perms(0640));
    EXPECT_GT(fs::file_size(path), 3u);
}

TEST_F(DocFileTest, SavingThroughAChainOfLinksReplacesThePrivateTargetAndKeepsTheLinks) {
    const fs::path real = dir / "real" / "movies.smf";
    fs::create_directory(real.parent_path());
    std::ofstream(real) << "old";
    fs::permissions(real, fs::perms(0600));
    fs::create_symlink("real/movies.smf", dir / "relative.smf");
    fs::create_symlink(dir / "relative.smf", dir / "absolute.smf");
    std::vector<fs::perms> modes;  // the target's and its temporary file's, then the result's
    WriteFileAtomically(PathOf("absolute.smf"), [&](IByteSink& sink) {
        for (const auto& entry : fs::directory_iterator(real.parent_path()))
            modes.push_back(entry.status().permissions());
        sink.Write("new bytes", 9);
    });
    modes.push_back(fs::status(real).permissions());
    EXPECT_EQ(modes, std::vector<fs::perms>(3, fs::perms(0600)));
    EXPECT_EQ(fs::file_size(real), 9u);
    EXPECT_TRUE(fs::is_symlink(dir / "relative.smf") && fs::is_symlink(dir / "absolute.smf"));
}

TEST_F(DocFileTest, MissingFileIsReportedAndChangesNothing) {
    AddMovies(2);
    const std::string path = PathOf("absent.smf");
    EXPECT_FALSE(doc.OpenDocument(path));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0], FileErrorText(FileOperation::Read, ENOENT, path));
    EXPECT_EQ(doc.Catalogue().Count(), 2u);
    EXPECT_TRUE(doc.IsModified());

    ui.messages.clear();
    EXPECT_FALSE(doc.SaveDocument(PathOf("no/such/folder.smf")));
    EXPECT_EQ(ui.messages[0],
              FileErrorText(FileOperation::Write, ENOENT, PathOf("no/such/folder.smf")));
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(DocFileTest, FoldersAndPipesAreRefusedWithoutWaiting) {
    fs::create_directory(dir / "folder.smf");
    EXPECT_FALSE(doc.OpenDocument(PathOf("folder.smf")));
    EXPECT_FALSE(doc.SaveDocument(PathOf("folder.smf")));
    EXPECT_TRUE(fs::is_directory(dir / "folder.smf"));
    // Nobody writes to this pipe: opening it must not block.
    ASSERT_EQ(::mkfifo(PathOf("pipe.smf").c_str(), 0600), 0);
    EXPECT_FALSE(doc.OpenDocument(PathOf("pipe.smf")));
    EXPECT_EQ(ui.messages.size(), 3u);
}

TEST_F(DocFileTest, EmptyFileOpensAsANewCatalogue) {
    AddMovies(2);
    doc.SetModified(true);
    const std::string path = PathOf("empty.smf");
    std::ofstream{path};
    EXPECT_TRUE(doc.OpenDocument(path));
    EXPECT_EQ(doc.Catalogue().Count(), 0u);
    EXPECT_TRUE(doc.Display().Order().empty());
    EXPECT_TRUE(doc.Catalogue().Lookup(LookupKind::Actors).empty());
    EXPECT_FALSE(doc.IsModified());
    EXPECT_TRUE(ui.messages.empty());
}

// A write that fails halfway (here: over the process's file-size limit) must leave the old
// file exactly as it was and remove the temporary file.
TEST_F(DocFileTest, FailedSaveLeavesTheOldFileUntouched) {
    const std::string path = PathOf("movies.smf");
    AddMovies(2);
    ASSERT_TRUE(doc.SaveDocument(path));
    std::ifstream in(path, std::ios::binary);
    const std::string before{std::istreambuf_iterator<char>(in), {}};

    AddMovies(200);
    rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 4096;
    ::setrlimit(RLIMIT_FSIZE, &small);
    const bool saved = doc.SaveDocument(path);
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(saved);
    EXPECT_TRUE(doc.IsModified());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0], FileErrorText(FileOperation::Write, EFBIG, path));
    std::ifstream after(path, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(after), {}), before);
    EXPECT_EQ(FilesInDir(), 1u);
}

TEST_F(DocFileTest, ReadOnlyFileIsNotReplaced) {
    if (::geteuid() == 0) GTEST_SKIP() << "root may write any file";
    const std::string path = PathOf("locked.smf");
    std::ofstream(path) << "old";
    ::chmod(path.c_str(), 0444);
    EXPECT_FALSE(doc.SaveDocument(path));
    EXPECT_EQ(ui.messages[0], FileErrorText(FileOperation::Write, EACCES, path));
    EXPECT_EQ(fs::file_size(path), 3u);
}

// A writable file in a folder that may not be written: the folder is what to fix.
TEST_F(DocFileTest, ReadOnlyFolderIsNamedAsTheCause) {
    if (::geteuid() == 0) GTEST_SKIP() << "root may write any folder";
    fs::create_directory(dir / "sub");
    const std::string path = PathOf("sub/movies.smf");
    std::ofstream(path) << "old";
    fs::permissions(dir / "sub", fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_FALSE(doc.SaveDocument(path));
    fs::permissions(dir / "sub", fs::perms::owner_all);
    EXPECT_EQ(ui.messages, std::vector{FileErrorText(FileOperation::CreateInFolder, EACCES, path)});
}

}  // namespace
}  // namespace reelkeep
