#include "recovery_copy.h"

#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QtGlobal>
#include <cerrno>
#include <cstring>
#include <exception>
#include <string>

#include "byte_io.h"
#include "file_access.h"
#include "qt_text.h"
#include "reelkeep_doc.h"

namespace reelkeep {

namespace {

constexpr char kCopyName[] = "recovery.smf";
constexpr char kMarkerName[] = "recovery.origin";
constexpr char kLockName[] = "recovery.lock";
constexpr int kCollectIntervalMs = 100;

// What the writing child does; it touches nothing of Qt's, which the fork left behind half.
// The marker follows the copy, so a marker always names a complete copy.
bool WriteCopyAndMarker(const CReelkeepDoc& doc, const std::string& copy, const std::string& marker,
                        const std::string& origin) {
    try {
        WriteFileAtomically(copy, [&doc](ByteSink& sink) { doc.WriteDocument(sink); });
        WriteFileAtomically(
            marker, [&origin](ByteSink& sink) { sink.Write(origin.data(), origin.size()); });
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

}  // namespace

CRecoveryCopy::CRecoveryCopy(const CReelkeepDoc& doc, const QString& folder, QObject* parent)
    : QObject(parent), doc_(doc), folder_(folder), lock_(QDir(folder).filePath(kLockName)) {
    // A lock left by a killed run is stale at once: its process is gone.
    active_ = QDir().mkpath(folder_) && lock_.tryLock(0);
    timer_.setInterval(kIntervalMs);
    connect(&timer_, &QTimer::timeout, this, [this] { WriteIfModified(); });
    if (active_) timer_.start();
    collector_.setInterval(kCollectIntervalMs);
    connect(&collector_, &QTimer::timeout, this, [this] { CollectWriter(false); });
}

CRecoveryCopy::~CRecoveryCopy() { Finish(); }

QString CRecoveryCopy::DefaultFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
}

QString CRecoveryCopy::CopyPath() const { return QDir(folder_).filePath(kCopyName); }

QString CRecoveryCopy::MarkerPath() const { return QDir(folder_).filePath(kMarkerName); }

std::optional<CRecoveryCopy::Found> CRecoveryCopy::Leftover() const {
    if (!active_) return std::nullopt;
    QFile marker(MarkerPath());
    const QFileInfo copy(CopyPath());
    // The marker is written after the copy: without it the copy may be half a story.
    if (!copy.isFile() || !marker.open(QIODevice::ReadOnly)) return std::nullopt;
    return Found{copy.filePath(), QString::fromUtf8(marker.readAll()).trimmed(),
                 copy.lastModified()};
}

void CRecoveryCopy::NoteCommand() {
    if (++commands_ < kCommandsPerCopy) return;
    commands_ = 0;
    WriteIfModified();
}

void CRecoveryCopy::WriteIfModified(bool wait) {
    if (!active_ || !doc_.IsModified() || (busy_ && busy_())) return;
    // One write at a time: the next copy must not be overtaken by the one before it.
    Finish();
    const std::string copy = FromQt(CopyPath());
    const std::string marker = FromQt(MarkerPath());
    const std::string origin = FromQt(originalPath_);
    const pid_t child = fork();
    if (child == 0) _exit(WriteCopyAndMarker(doc_, copy, marker, origin) ? 0 : 1);
    if (child < 0) {
        qWarning("Reelkeep could not start writing the recovery copy: %s", std::strerror(errno));
        return;
    }
    writer_ = child;
    if (wait) {
        Finish();
    } else {
        collector_.start();
    }
}

void CRecoveryCopy::CollectWriter(bool wait) {
    if (writer_ <= 0) return;
    int status = 0;
    pid_t ended = 0;
    do {
        ended = waitpid(writer_, &status, wait ? 0 : WNOHANG);
    } while (ended < 0 && errno == EINTR);
    if (ended == 0) return;  // still writing
    collector_.stop();
    writer_ = 0;
    if (ended < 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        // The user's own file is untouched; the next copy tries again.
        qWarning("Reelkeep could not write the recovery copy");
    }
}

void CRecoveryCopy::Finish() { CollectWriter(true); }

void CRecoveryCopy::Remove() {
    commands_ = 0;
    if (!active_) return;
    Finish();
    // The marker first: a crash in between must not leave a marker without its copy.
    QFile::remove(MarkerPath());
    QFile::remove(CopyPath());
}

}  // namespace reelkeep
