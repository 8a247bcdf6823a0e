// A save killed at any moment leaves the old catalogue or the new one, never a mixture. Child
// processes save a large catalogue over a smaller one and are killed after a random delay.
// REELKEEP_KILL_ROUNDS and REELKEEP_KILL_MOVIES make a longer run (defaults 200, and 20000
// movies or 10000 under a sanitizer); REELKEEP_KILL_SEED repeats one.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <random>
#include <thread>

#include "fake_ui.h"
#include "generator.h"
#include "smf_bytes.h"

namespace reelkeep {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// A sanitizer makes every fork and save several times slower.
#if defined(__SANITIZE_ADDRESS__)
constexpr unsigned long kDefaultMovies = 10000;
#else
constexpr unsigned long kDefaultMovies = 20000;
#endif

unsigned long EnvOr(const char* name, unsigned long fallback) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::strtoul(value, nullptr, 10) : fallback;
}

std::string FileBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Saves doc to path in a child process; its id.
pid_t StartSave(CReelkeepDoc& doc, const std::string& path) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        // Only the save runs here: _exit skips everything the test's process would tear down.
        ::_exit(doc.SaveDocument(path) ? 0 : 1);
    }
    return pid;
}

class KilledSaveTest : public ::testing::Test {
protected:
    KilledSaveTest() {
        const fs::path root =
            fs::temp_directory_path() / ("reelkeep-kill-" + std::to_string(::getpid()));
        fs::remove_all(root);
        dir = root / "catalogue";
        fs::create_directories(dir);
        oldCopy = root / "old.smf";
        path = (dir / "movies.smf").string();
    }
    ~KilledSaveTest() override { fs::remove_all(dir.parent_path()); }

    // Removes what killed saves left beside the file; how many there were. Anything else in
    // the folder fails the test.
    int RemoveTemporaryFiles() {
        int removed = 0;
        for (const auto& entry : fs::directory_iterator(dir)) {
            const std::string name = entry.path().filename().string();
            if (name == "movies.smf") continue;
            EXPECT_EQ(name.rfind("movies.smf.tmp", 0), 0u) << name;
            fs::remove(entry.path());
            ++removed;
        }
        return removed;
    }

    fs::path dir;
    fs::path oldCopy;
    std::string path;
    test::FakeUI ui;
};

TEST_F(KilledSaveTest, FileIsAlwaysTheOldOrTheNewCatalogue) {
    const auto rounds = EnvOr("REELKEEP_KILL_ROUNDS", 200);
    const auto movies = static_cast<std::uint32_t>(EnvOr("REELKEEP_KILL_MOVIES", kDefaultMovies));
    const auto seed = EnvOr("REELKEEP_KILL_SEED", std::random_device{}());

    CReelkeepDoc oldDoc(ui);
    GenerateCatalogue(oldDoc, movies / 2, 1);
    ASSERT_TRUE(oldDoc.SaveDocument(oldCopy.string()));
    const std::string oldBytes = FileBytes(oldCopy);
    CReelkeepDoc newDoc(ui);
    GenerateCatalogue(newDoc, movies, 2);
    const std::string newBytes = test::SaveBytes(newDoc);
    ASSERT_NE(oldBytes, newBytes);

    // How long a whole save in a child takes; kills fall anywhere in it and a little after.
    fs::copy_file(oldCopy, path);
    const auto started = Clock::now();
    int status = 0;
    ASSERT_EQ(::waitpid(StartSave(newDoc, path), &status, 0) > 0 && WIFEXITED(status) &&
                  WEXITSTATUS(status) == 0,
              true);
    const auto saveTime = Clock::now() - started;
    ASSERT_TRUE(FileBytes(path) == newBytes);
    {
        // Both outcomes are catalogues that open.
        CReelkeepDoc check(ui);
        ASSERT_TRUE(check.OpenDocument(path));
        EXPECT_EQ(check.Catalogue().Count(), movies);
        ASSERT_TRUE(check.OpenDocument(oldCopy.string()));
        EXPECT_EQ(check.Catalogue().Count(), movies / 2);
    }

    std::mt19937_64 random(seed);
    std::uniform_int_distribution<long long> delay(
        0, std::chrono::duration_cast<std::chrono::microseconds>(saveTime).count() * 5 / 4);
    unsigned long olds = 0;
    unsigned long news = 0;
    unsigned long finished = 0;  // rounds where the child was done before the kill
    unsigned long leftovers = 0;
    for (unsigned long round = 0; round < rounds; ++round) {
        fs::copy_file(oldCopy, path, fs::copy_options::overwrite_existing);
        const pid_t child = StartSave(newDoc, path);
        ASSERT_GT(child, 0);
        std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
        ::kill(child, SIGKILL);
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        if (WIFEXITED(status)) {
            ASSERT_EQ(WEXITSTATUS(status), 0) << "the save failed in round " << round;
            ++finished;
        }
        const std::string now = FileBytes(path);
        if (now == oldBytes) {
            ++olds;
        } else if (now == newBytes) {
            ++news;
        } else {
            FAIL() << "round " << round << " (seed " << seed << ") left " << now.size()
                   << " bytes, neither the old " << oldBytes.size() << " nor the new "
                   << newBytes.size();
        }
        leftovers += static_cast<unsigned long>(RemoveTemporaryFiles());
    }
    std::cout << rounds << " kills of a save of " << movies << " movies, " << newBytes.size()
              << " bytes over " << oldBytes.size() << " (seed " << seed << ", save "
              << std::chrono::duration_cast<std::chrono::milliseconds>(saveTime).count()
              << " ms): " << olds << " old, " << news << " new (" << finished
              << " finished before the kill), " << leftovers << " temporary files left\n";
    // Kills that all fell before or all after the rename would prove nothing.
    EXPECT_GT(olds, 0u);
    EXPECT_GT(news, 0u);

    // A save that is not killed still replaces the file and leaves nothing beside it.
    fs::copy_file(oldCopy, path, fs::copy_options::overwrite_existing);
    ASSERT_TRUE(newDoc.SaveDocument(path));
    EXPECT_TRUE(FileBytes(path) == newBytes);
    EXPECT_EQ(RemoveTemporaryFiles(), 0);
}

}  // namespace
}  // namespace reelkeep
