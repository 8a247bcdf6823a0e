// The journal of unsaved changes: replayed on its base it gives the catalogue byte for byte,
// after random commands and whole copies taken between them; a torn last entry is left out, a
// damaged or foreign journal refused; and a process killed while writing loses at most the
// command it was writing (REELKEEP_JOURNAL_ROUNDS, default 100; REELKEEP_JOURNAL_SEED repeats one).
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <thread>

#include "allocation_failure.h"
#include "catalogue_builder.h"
#include "change_journal.h"
#include "fake_ui.h"
#include "file_access.h"
#include "journal_replay.h"
#include "messages.h"
#include "smf_bytes.h"
#include "soak/soak_driver.h"

namespace reelkeep {
namespace {

namespace fs = std::filesystem;
using journal::Verdict;

std::string FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    WriteFileAtomically(path, [&](IByteSink& sink) { sink.Write(bytes.data(), bytes.size()); });
}

struct Folder {
    Folder() : dir(fs::temp_directory_path() / ("journal-" + std::to_string(::getpid()))) {
        fs::create_directories(dir);
    }
    ~Folder() { fs::remove_all(dir); }
    std::string Path(const char* name) const { return (dir / name).string(); }
    fs::path dir;
};

// What a start after a crash recovers from the files: the catalogue's bytes, nothing when
// there is no journal, or the refusal.
struct Recovered {
    std::optional<std::string> bytes;
    Verdict verdict = Verdict::Usable;
};

Recovered Recover(const Folder& folder) {
    const std::string copy = folder.Path("copy.smf");
    std::optional<journal::CopyMarker> marker;
    if (fs::exists(copy) && fs::exists(folder.Path("marker"))) {
        marker = journal::DecodeMarker(FileBytes(folder.Path("marker")));
    }
    const std::string bytes = FileBytes(folder.Path("journal"));
    if (bytes.empty()) return {};
    try {
        const journal::Contents contents = journal::ReadJournal(bytes);
        const journal::Plan plan = journal::PlanRecovery(contents, marker, IdentityOfFile(copy),
                                                         IdentityOfFile(contents.header.origin));
        if (plan.verdict != Verdict::Usable) return {std::nullopt, plan.verdict};
        // A journal begun by a command killed before its entry holds nothing to offer.
        if (plan.entriesAfter == 0 && plan.base != journal::BaseKind::Copy) return {};
        CRecordStore base;
        if (plan.base == journal::BaseKind::Copy) base = journal::ReadBaseRecords(copy);
        if (plan.base == journal::BaseKind::File) {
            base = journal::ReadBaseRecords(contents.header.origin);
        }
        CStringSink out;
        journal::Replay(contents, plan, std::move(base), out);
        return {out.bytes};
    } catch (const journal::Malformed&) {
        return {std::nullopt, Verdict::Damaged};
    }
}

// Soak steps with the journal following, as the window's runs: while the catalogue is clean
// its file holds it; now and then a whole copy is taken and becomes the journal's base.
class JournalledRun {
public:
    JournalledRun(const Folder& folder, std::uint32_t seed)
        : soak_(seed), folder_(folder), journal_(folder.Path("journal")), rng_(seed) {
        soak_.UI().changeEnded = [this] { Follow(false); };
    }

    void Step() {
        soak_.Step();
        const CReelkeepDoc& doc = soak_.Doc();
        // Each catalogue opened afresh comes from a file of its own, as in the window.
        if (!doc.IsModified() && doc.CatalogueSerial() != serial_) {
            serial_ = doc.CatalogueSerial();
            origin_ = folder_.Path("tapes") + std::to_string(serial_);
            WriteBytes(origin_, test::SaveBytes(doc));
            journal_.SetOrigin(origin_, true);
        }
        Follow(true);
        if (rng_() % 16 == 0) TakeCopy();
    }

    void Follow(bool withTail) {
        journal_.Follow(soak_.Doc(), withTail);
        if (followed) followed();
    }
    // After each time the journal followed the catalogue, a command or a step within one.
    std::function<void()> followed;

    // As the window's writer does, but in this process.
    void TakeCopy() {
        const auto mark = journal_.Position();
        if (!mark) return;
        const std::string bytes = test::SaveBytes(soak_.Doc());
        const std::string copy = folder_.Path("copy.smf");
        journal::WriteCopyWithMarker(
            copy, folder_.Path("marker"), {origin_, mark->catalogueId, mark->seq, {}},
            [&](IByteSink& sink) { sink.Write(bytes.data(), bytes.size()); });
        journal_.CopyWritten(*mark, *IdentityOfFile(copy));
    }

    Recovered RecoverNow() const { return Recover(folder_); }
    std::string Bytes() const { return test::SaveBytes(soak_.Doc()); }
    void Report() const { soak_.Report(); }
    bool Modified() const { return soak_.Doc().IsModified(); }

private:
    test::soak::Soak soak_;
    std::string origin_;
    const Folder& folder_;
    CChangeJournal journal_;
    std::mt19937 rng_;
    std::uint64_t serial_ = ~0ULL;
};

TEST(Journal, ReplayGivesTheCatalogueByteForByteAfterEveryCommand) {
    Folder folder;
    JournalledRun run(folder, 27);
    int replays = 0;
    for (int step = 0; step < 1000; ++step) {
        run.Step();
        const Recovered recovered = run.RecoverNow();
        ASSERT_EQ(recovered.verdict, Verdict::Usable) << "step " << step;
        ASSERT_EQ(recovered.bytes.has_value(), run.Modified()) << "step " << step;
        if (!recovered.bytes) continue;
        if (*recovered.bytes != run.Bytes()) return run.Report();
        ++replays;
    }
    EXPECT_GT(replays, 500);
}

// Journals written before keep reading: the checksum is the usual CRC-32.
TEST(Journal, ChecksumIsTheUsualCrc32) { EXPECT_EQ(journal::Crc32("123456789"), 0xCBF43926U); }

// Makes a chosen allocation after the second movie's dialog fail: one of its undo entry's.
class FailAfterSecondEntry : public test::FakeUI {
public:
    explicit FailAfterSecondEntry(long failAfter) : failAfter_(failAfter) {}
    bool RunEntryDialog(EntryDialogValues& values) override {
        const bool accepted = FakeUI::RunEntryDialog(values);
        if (entryDialogsShown.size() == 2) test::FailAllocationAfter(failAfter_);
        return accepted;
    }

private:
    long failAfter_;
};

// The movie whose undo entry found no memory was changed all the same: the journal must hold it.
TEST(Journal, AModifyWhoseUndoEntryFoundNoMemoryLosesNoMovie) {
    Folder folder;
    int failures = 0;
    for (long k = 0;; ++k) {
        FailAfterSecondEntry ui(k);
        CReelkeepDoc doc(ui);
        test::FillCatalogue(doc, std::vector<test::Movie>{{.title = "Delta"}, {.title = "Alpha"}});
        const std::string origin = folder.Path("tapes.smf");
        WriteBytes(origin, test::SaveBytes(doc));
        CChangeJournal journal(folder.Path("journal"));
        journal.SetOrigin(origin, true);
        journal.Follow(doc);
        ui.viewSelection = {1, 1};
        ui.rowsSelected = true;
        ui.entryAnswers = {test::ToRecord({.title = "D2"}), test::ToRecord({.title = "A2"})};
        doc.Execute(CommandId::Modify);
        test::StopFailingAllocations();
        if (ui.messages != std::vector<std::string>{std::string(msg::kNoMemoryRecordUndo)}) break;
        ++failures;
        journal.Follow(doc);
        EXPECT_TRUE(Recover(folder).bytes == test::SaveBytes(doc)) << "failing allocation " << k;
        journal.Remove();
    }
    EXPECT_GT(failures, 0);
}

TEST(Journal, TornLastEntryIsLeftOutAndDamageOrAnotherFileIsRefused) {
    Folder folder;
    JournalledRun run(folder, 5);
    std::string before;
    std::string after;
    std::string journalBefore;
    // Two modified states in a row, the journal between them.
    for (int step = 0; step < 500 && after.empty(); ++step) {
        run.Step();
        const std::string now = run.Modified() ? run.Bytes() : std::string();
        const std::string journalNow = FileBytes(folder.Path("journal"));
        if (!before.empty() && !now.empty() && now != before &&
            journalNow.size() > journalBefore.size() && journalNow.starts_with(journalBefore)) {
            after = now;
        } else {
            before = now;
            journalBefore = journalNow;
        }
    }
    ASSERT_FALSE(after.empty());
    const std::string whole = FileBytes(folder.Path("journal"));
    const std::string path = folder.Path("journal");
    for (std::size_t cut = journalBefore.size(); cut < whole.size(); cut += 7) {
        WriteBytes(path, whole.substr(0, cut));
        EXPECT_TRUE(run.RecoverNow().bytes == before) << "cut at " << cut;
        // A power cut may leave the end unwritten rather than short; the disk writes at
        // least the length that starts the entry.
        if (cut == journalBefore.size() || cut >= journalBefore.size() + 8) {
            WriteBytes(path, whole.substr(0, cut) + std::string(whole.size() - cut, '\0'));
            EXPECT_TRUE(run.RecoverNow().bytes == before) << "zeros from " << cut;
        }
    }
    // Damage inside an entry that another follows, or in the header.
    for (const std::size_t at : {journalBefore.size() - 5, std::size_t{20}}) {
        std::string damaged = whole;
        damaged[at] = static_cast<char>(damaged[at] ^ 0x40);
        WriteBytes(path, damaged);
        EXPECT_EQ(run.RecoverNow().verdict, Verdict::Damaged) << "damage at " << at;
    }
    WriteBytes(path, whole);
    ASSERT_TRUE(run.RecoverNow().bytes == after);
    const auto contents = journal::ReadJournal(whole);
    if (contents.header.base == journal::BaseKind::File) {
        WriteBytes(contents.header.origin, FileBytes(contents.header.origin));
        EXPECT_EQ(run.RecoverNow().verdict, Verdict::OtherCatalogue);
    }
}

// A child runs journalled commands and tells each change journalled (Find journals one per
// movie it changes); it is killed at a random moment. What comes back is the catalogue after
// the last change it told of, or after the next.
TEST(Journal, AKilledProcessLosesNoCompletedCommand) {
    const char* roundsText = std::getenv("REELKEEP_JOURNAL_ROUNDS");
    const unsigned long rounds =
        roundsText != nullptr ? std::strtoul(roundsText, nullptr, 10) : 100;
    constexpr int kSteps = 80;
    const char* seedText = std::getenv("REELKEEP_JOURNAL_SEED");
    const auto seed = static_cast<std::uint32_t>(
        seedText != nullptr ? std::strtoul(seedText, nullptr, 10) : std::random_device{}());
    std::vector<std::optional<std::string>> states;  // after each change; nothing when clean
    const auto started = std::chrono::steady_clock::now();
    {
        Folder folder;
        JournalledRun run(folder, seed);
        run.followed = [&] {
            states.push_back(run.Modified() ? std::optional(run.Bytes()) : std::nullopt);
        };
        for (int step = 0; step < kSteps; ++step) run.Step();
    }
    const auto runTime = std::chrono::duration_cast<std::chrono::microseconds>(
        std::chrono::steady_clock::now() - started);
    std::mt19937 rng(seed);
    unsigned long completed = 0;
    for (unsigned long round = 0; round < rounds; ++round) {
        Folder folder;
        int acks[2];
        ASSERT_EQ(::pipe(acks), 0);
        const pid_t child = ::fork();
        if (child == 0) {
            ::close(acks[0]);
            JournalledRun run(folder, seed);
            int told = 0;
            run.followed = [&] {
                if (::write(acks[1], &told, sizeof told) != sizeof told) ::_exit(1);
                ++told;
            };
            for (int step = 0; step < kSteps; ++step) run.Step();
            ::pause();
        }
        ::close(acks[1]);
        std::this_thread::sleep_for(std::chrono::microseconds(rng() % (runTime.count() + 1)));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        int told = -1;
        for (int change = 0; ::read(acks[0], &change, sizeof change) == sizeof change;) {
            told = change;
        }
        ::close(acks[0]);
        completed += told + 1 == static_cast<int>(states.size()) ? 1 : 0;
        const Recovered recovered = Recover(folder);
        const auto matches = [&](int change) {
            return change >= 0 && change < static_cast<int>(states.size()) &&
                   recovered.bytes == states[change];
        };
        ASSERT_TRUE(matches(told) || matches(told + 1) || (told < 0 && !recovered.bytes))
            << "round " << round << " (seed " << seed << "), after change " << told
            << (recovered.verdict == Verdict::Usable ? "" : ", journal refused");
    }
    EXPECT_LT(completed, rounds);
}

}  // namespace
}  // namespace reelkeep
