#include "recovery_copy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QtGlobal>
#include <exception>
#include <string>
#include <utility>

#include "byte_io.h"
#include "file_access.h"
#include "qt_text.h"
#include "reelkeep_doc.h"

namespace reelkeep {

namespace {

constexpr char kCopyName[] = "recovery.smf";
constexpr char kMarkerName[] = "recovery.origin";
constexpr char kLockName[] = "recovery.lock";

void WriteBytes(const std::string& path, const std::string& bytes) {
    WriteFileAtomically(path, [&bytes](ByteSink& sink) { sink.Write(bytes.data(), bytes.size()); });
}

}  // namespace

CRecoveryCopy::CRecoveryCopy(const CReelkeepDoc& doc, const QString& folder, QObject* parent)
    : QObject(parent), doc_(doc), folder_(folder), lock_(QDir(folder).filePath(kLockName)) {
    // A lock left by a killed run is stale at once: its process is gone.
    active_ = QDir().mkpath(folder_) && lock_.tryLock(0);
    timer_.setInterval(kIntervalMs);
    connect(&timer_, &QTimer::timeout, this, [this] { WriteIfModified(); });
    if (active_) timer_.start();
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
    StringSink sink;
    doc_.WriteDocument(sink);
    writing_ = std::async(
        std::launch::async, [bytes = std::move(sink.bytes), copy = FromQt(CopyPath()),
                             marker = FromQt(MarkerPath()), origin = FromQt(originalPath_)] {
            try {
                WriteBytes(copy, bytes);
                WriteBytes(marker, origin);
            } catch (const std::exception& error) {
                // The user's own file is untouched; the next copy tries again.
                qWarning("Reelkeep could not write the recovery copy: %s", error.what());
            }
        });
    if (wait) Finish();
}

void CRecoveryCopy::Finish() {
    if (writing_.valid()) writing_.get();
}

void CRecoveryCopy::Remove() {
    commands_ = 0;
    if (!active_) return;
    Finish();
    // The marker first: a crash in between must not leave a marker without its copy.
    QFile::remove(MarkerPath());
    QFile::remove(CopyPath());
}

}  // namespace reelkeep
