#pragma once

#include <sys/types.h>

#include <QDateTime>
#include <QEvent>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <QTimer>
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <utility>

#include "change_journal.h"
#include "journal_replay.h"

namespace reelkeep {

class CReelkeepDoc;

// A copy of a catalogue with unsaved changes, kept in the user's state folder so a crash does
// not lose them: written every two minutes and after every fifty commands while the catalogue
// has changed since the last copy, removed once the changes are saved or given up. A marker
// beside the copy holds the file the changes belong to. Folder and files are the user's alone.
//
// A child process writes the copy: forked, it holds the catalogue as it was at that moment,
// shared with the window until either side changes a page. The window is held only for the
// fork, however large the catalogue, and never waits on the child without a bound: a copy due
// while the last is still being written follows it, and a writer stuck on a hung disk is
// stopped rather than waited for.
//
// Between copies, a journal keeps every change: each command's change is written and flushed
// to the disk before the window takes the next input. The copy is the journal's checkpoint:
// once a copy is complete the journal starts again from it, so it stays short.
class CRecoveryCopy : public QObject {
public:
    static constexpr int kIntervalMs = 2 * 60 * 1000;
    static constexpr int kCommandsPerCopy = 50;
    // How long the end of a run waits for a copy under way.
    static constexpr std::chrono::milliseconds kFinishWait{5000};

    // What a previous run left behind.
    struct Found {
        QString copyPath;      // empty when nothing can be recovered
        QString originalPath;  // empty for a catalogue never saved
        QDateTime written;
        // The journal holds changes beyond the copy (or there is no copy yet).
        bool replay = false;
        // Why a journal that was there is not used.
        std::optional<journal::Verdict> refused;
    };

    CRecoveryCopy(const CReelkeepDoc& doc, const QString& folder, QObject* parent = nullptr);
    ~CRecoveryCopy() override;
    CRecoveryCopy(const CRecoveryCopy&) = delete;
    CRecoveryCopy& operator=(const CRecoveryCopy&) = delete;

    // The state folder of the user.
    static QString DefaultFolder();

    // False when another Reelkeep holds the folder: this one then neither offers nor writes
    // copies, so the two cannot take each other's.
    bool IsActive() const { return active_; }
    QString CopyPath() const;

    // What a crashed run left, when there is something and this run owns the folder.
    std::optional<Found> Leftover() const;
    // Before found is opened: the journal's changes applied to their base and written as the
    // copy. False, saying why in refused, when the journal does not fit what it applies to.
    bool PrepareCopy(Found& found);
    // The recovered copy is open: the journal goes on from it.
    void FollowRecoveredCopy();
    // Writes what the last command changed to the journal unless the document is in the middle
    // of a change; withTail also looks for changed layouts, headings and colours.
    void FollowDocument(bool withTail = false);

    // The file the catalogue's changes belong to, for the marker.
    void SetOriginalPath(const QString& path);
    // Says when the document is in the middle of a change and must not be read; a copy due
    // then waits for the next occasion.
    void SetBusyCheck(std::function<bool()> busy) { busy_ = std::move(busy); }
    // Counts a command; every fiftieth writes the copy of a changed catalogue.
    void NoteCommand();
    // Writes the copy now when the catalogue changed since the last copy. A copy still being
    // written is not waited for: the new one starts once it has ended. With wait, each is
    // waited for as Finish does (for an end that cannot wait for the writer).
    void WriteIfModified(bool wait = false);
    // Waits at most bound for a copy under way; a writer still busy then is stopped, which is
    // said on stderr.
    void Finish(std::chrono::milliseconds bound = kFinishWait);
    bool IsWriting() const { return writer_ > 0; }
    // Removes the copy and its marker; a copy under way is stopped, not waited for.
    void Remove();

    // Runs in the writing child once it has closed the window's descriptors, before it
    // writes: tests make the writer slow or look at what it holds.
    void SetWriterHookForTesting(std::function<void()> hook) { writerHook_ = std::move(hook); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString MarkerPath() const;
    QString JournalPath() const;
    std::optional<journal::CopyMarker> ReadMarker() const;
    void StartWriter();
    // Collects the writer once it has ended, so that no finished child lingers; true when no
    // writer is left.
    bool CollectWriter();
    bool WaitForWriter(std::chrono::milliseconds bound);
    void StopWriter();
    void RemoveCopyAndMarker() const;
    // What writers stopped midway left: only this run, holding the lock, writes here.
    void RemoveTemporaryFiles() const;

    const CReelkeepDoc& doc_;
    QString folder_;
    QString originalPath_;
    QLockFile lock_;
    bool active_ = false;
    std::function<bool()> busy_;
    std::function<void()> writerHook_;
    int commands_ = 0;
    QTimer timer_;
    // The document's change count of the last copy written or under way.
    std::optional<std::uint64_t> copiedChanges_;
    // A copy was due while the last one was still being written.
    bool copyPending_ = false;
    pid_t writer_ = 0;  // the child writing a copy, 0 when none is
    bool writerStopped_ = false;
    // The copy was removed while its writer was still ending: whatever it finished goes too.
    bool removeWhenCollected_ = false;
    QTimer collector_;
    CChangeJournal journal_;
    // Where the journal stood when the copy under way was taken.
    std::optional<CChangeJournal::Mark> copyMark_;
};

}  // namespace reelkeep
