#pragma once

#include <sys/types.h>

#include <QDateTime>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <optional>
#include <utility>

namespace reelkeep {

class CReelkeepDoc;

// A copy of a catalogue with unsaved changes, kept in the user's state folder so a crash does
// not lose them: written every two minutes and after every fifty commands while the catalogue
// is modified, removed once the changes are saved or given up. A marker beside the copy holds
// the file the changes belong to.
//
// A child process writes the copy: forked, it holds the catalogue as it was at that moment,
// shared with the window until either side changes a page. The window is held only for the
// fork, however large the catalogue, and a slow disk never freezes it.
class CRecoveryCopy : public QObject {
public:
    static constexpr int kIntervalMs = 2 * 60 * 1000;
    static constexpr int kCommandsPerCopy = 50;

    // What a previous run left behind.
    struct Found {
        QString copyPath;
        QString originalPath;  // empty for a catalogue never saved
        QDateTime written;
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

    // The copy a crashed run left, when there is one and this run owns the folder.
    std::optional<Found> Leftover() const;

    // The file the catalogue's changes belong to, for the marker.
    void SetOriginalPath(const QString& path) { originalPath_ = path; }
    // Says when the document is in the middle of a change and must not be read; a copy due
    // then waits for the next occasion.
    void SetBusyCheck(std::function<bool()> busy) { busy_ = std::move(busy); }
    // Counts a command; every fiftieth writes the copy of a modified catalogue.
    void NoteCommand();
    // Writes the copy now when the catalogue is modified; with wait, returns once it is on the
    // disk (for an end that cannot wait for the writer).
    void WriteIfModified(bool wait = false);
    // Waits for a write under way.
    void Finish();
    bool IsWriting() const { return writer_ > 0; }
    // Removes the copy and its marker.
    void Remove();

private:
    QString MarkerPath() const;
    // Collects the writer once it has ended, so that no finished child lingers; with wait,
    // waits for it to end.
    void CollectWriter(bool wait);

    const CReelkeepDoc& doc_;
    QString folder_;
    QString originalPath_;
    QLockFile lock_;
    bool active_ = false;
    std::function<bool()> busy_;
    int commands_ = 0;
    QTimer timer_;
    pid_t writer_ = 0;  // the child writing a copy, 0 when none is
    QTimer collector_;
};

}  // namespace reelkeep
