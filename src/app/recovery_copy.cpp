#include "recovery_copy.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QtGlobal>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <string>
#include <thread>

#include "app_strings.h"
#include "byte_io.h"
#include "file_access.h"
#include "file_errors.h"
#include "file_names.h"
#include "qt_text.h"
#include "reelkeep_doc.h"

namespace reelkeep {

namespace {

constexpr char kCopyName[] = "recovery.smf";
constexpr char kMarkerName[] = "recovery.origin";
constexpr char kLockName[] = "recovery.lock";
constexpr char kJournalName[] = "recovery.journal";

constexpr int kCollectIntervalMs = 100;
// A killed writer normally ends at once; one stuck in the kernel on a hung disk may not, and
// is then collected later rather than waited for.
constexpr std::chrono::milliseconds kStopWait{200};
constexpr std::chrono::milliseconds kPollInterval{10};

void CloseInheritedDescriptors() {
#if defined(__GLIBC_PREREQ)
#if __GLIBC_PREREQ(2, 34)
    if (::close_range(3, ~0U, 0) == 0) return;
#endif
#endif
    // Without close_range (or a kernel that lacks it): what /proc lists, else every number.
    if (DIR* fds = ::opendir("/proc/self/fd")) {
        const int own = ::dirfd(fds);
        while (const dirent* entry = ::readdir(fds)) {
            const int fd = std::atoi(entry->d_name);
            if (fd > 2 && fd != own) ::close(fd);
        }
        ::closedir(fds);
        return;
    }
    for (long fd = 3, end = ::sysconf(_SC_OPEN_MAX); fd < end; ++fd) ::close(static_cast<int>(fd));
}

// What the writing child does; it touches nothing of Qt's, which the fork left behind half, and
// holds none of the window's descriptors (the hand-over socket, the folder's lock).
[[noreturn]] void RunWriter(const CReelkeepDoc& doc, const std::string& copy,
                            const std::string& marker, const journal::CopyMarker& mark,
                            const std::function<void()>& hook) {
    CloseInheritedDescriptors();
    // Every file made here, the temporary ones too, is the user's alone from its creation.
    ::umask(077);
    if (hook) hook();
    try {
        journal::WriteCopyWithMarker(copy, marker, mark,
                                     [&doc](IByteSink& sink) { doc.WriteDocument(sink); });
    } catch (const std::exception&) {
        _exit(1);
    }
    _exit(0);
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QDateTime FromMs(std::int64_t ms) { return QDateTime::fromMSecsSinceEpoch(ms); }

// Older runs made the folder and its files as the umask allowed; the copy holds a catalogue the
// user may keep private, so they are tightened to the user alone.
bool PrepareFolder(const QString& folder) {
    if (!QDir().mkpath(QFileInfo(folder).absolutePath())) return false;
    const std::string path = FromQt(folder);
    if (::mkdir(path.c_str(), 0700) != 0 && errno != EEXIST) return false;
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return false;
    if ((st.st_mode & 077) != 0) ::chmod(path.c_str(), 0700);
    return true;
}

void MakePrivate(const QString& file) {
    const std::string path = FromQt(file);
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && (st.st_mode & 077) != 0) {
        ::chmod(path.c_str(), st.st_mode & 0600);
    }
}

}  // namespace

CRecoveryCopy::CRecoveryCopy(const CReelkeepDoc& doc, const QString& folder, QObject* parent)
    : QObject(parent),
      doc_(doc),
      folder_(QDir::cleanPath(folder)),
      lock_(QDir(folder_).filePath(kLockName)),
      journal_(FromQt(QDir(folder_).filePath(kJournalName))) {
    // A lock left by a killed run is stale at once: its process is gone.
    active_ = PrepareFolder(folder_) && lock_.tryLock(0);
    timer_.setInterval(kIntervalMs);
    connect(&timer_, &QTimer::timeout, this, [this] { WriteIfModified(); });
    collector_.setInterval(kCollectIntervalMs);
    connect(&collector_, &QTimer::timeout, this, [this] {
        if (CollectWriter() && std::exchange(copyPending_, false)) WriteIfModified();
    });
    if (!active_) return;
    // The journal follows every change before the next input reaches the window, and once
    // more when the window has nothing left to do.
    qApp->installEventFilter(this);
    if (auto* dispatcher = QAbstractEventDispatcher::instance()) {
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this,
                [this] { FollowDocument(); });
    }
    timer_.start();
    RemoveTemporaryFiles();
    for (const QString& file : {CopyPath(), MarkerPath(), lock_.fileName()}) MakePrivate(file);
}

CRecoveryCopy::~CRecoveryCopy() {
    if (active_) qApp->removeEventFilter(this);
    Finish();
}

bool CRecoveryCopy::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::Drop:
            FollowDocument();
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

void CRecoveryCopy::FollowDocument(bool withTail) {
    if (!active_ || (busy_ && busy_())) return;
    journal_.Follow(doc_, withTail);
    if (const auto failure = journal_.TakeFailure()) {
        std::fprintf(stderr, "%s\n",
                     FromQt(appstr::Tr(appstr::kJournalNotWritten).arg(ToQt(*failure))).c_str());
    }
}

QString CRecoveryCopy::DefaultFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
}

QString CRecoveryCopy::CopyPath() const { return QDir(folder_).filePath(kCopyName); }

QString CRecoveryCopy::MarkerPath() const { return QDir(folder_).filePath(kMarkerName); }

QString CRecoveryCopy::JournalPath() const { return QDir(folder_).filePath(kJournalName); }

std::optional<journal::CopyMarker> CRecoveryCopy::ReadMarker() const {
    QFile marker(MarkerPath());
    if (!QFileInfo(CopyPath()).isFile() || !marker.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray bytes = marker.readAll();
    return journal::DecodeMarker(std::string_view(bytes.constData(), bytes.size()));
}

std::optional<CRecoveryCopy::Found> CRecoveryCopy::Leftover() const {
    if (!active_) return std::nullopt;
    // The marker is written before the copy takes its name and names it: without it the copy
    // may be half a story.
    const std::optional<journal::CopyMarker> marker = ReadMarker();
    std::optional<Found> found;
    if (marker) {
        found = Found{CopyPath(), PathFromBytes(QByteArray::fromStdString(marker->origin)),
                      QFileInfo(CopyPath()).lastModified(), false, std::nullopt};
    }
    const QByteArray bytes = ReadAll(JournalPath());
    if (bytes.isEmpty()) return found;
    const std::string_view view(bytes.constData(), bytes.size());
    try {
        const journal::Contents contents = journal::ReadJournal(view);
        const journal::Plan plan =
            journal::PlanRecovery(contents, marker, IdentityOfFile(FromQt(CopyPath())),
                                  IdentityOfFile(contents.header.origin));
        const QString origin = PathFromBytes(QByteArray::fromStdString(contents.header.origin));
        if (plan.verdict != journal::Verdict::Usable) {
            if (!found) found = Found{QString(), origin, QDateTime(), false, std::nullopt};
            found->refused = plan.verdict;
        } else if (plan.entriesAfter > 0) {
            found = Found{CopyPath(), origin, FromMs(contents.entries.back().timeMs), true,
                          std::nullopt};
        }
    } catch (const journal::Malformed&) {
        if (!found) found = Found{};
        found->refused = journal::Verdict::Damaged;
    }
    return found;
}

bool CRecoveryCopy::PrepareCopy(Found& found) {
    if (!found.replay) return true;
    const QByteArray bytes = ReadAll(JournalPath());
    try {
        const journal::Contents contents =
            journal::ReadJournal(std::string_view(bytes.constData(), bytes.size()));
        const std::optional<journal::CopyMarker> marker = ReadMarker();
        const std::string copy = FromQt(CopyPath());
        const journal::Plan plan = journal::PlanRecovery(contents, marker, IdentityOfFile(copy),
                                                         IdentityOfFile(contents.header.origin));
        CRecordStore base;
        if (plan.base == journal::BaseKind::Copy) base = journal::ReadBaseRecords(copy);
        if (plan.base == journal::BaseKind::File) {
            base = journal::ReadBaseRecords(contents.header.origin);
        }
        const journal::CopyMarker mark{contents.header.origin,
                                       contents.header.catalogueId,
                                       contents.header.baseSeq + contents.entries.size(),
                                       {}};
        // The recovered catalogue becomes the copy, which the journal then follows: a second
        // crash finds it whole.
        journal::WriteCopyWithMarker(copy, FromQt(MarkerPath()), mark, [&](IByteSink& sink) {
            journal::Replay(contents, plan, std::move(base), sink);
        });
        found.replay = false;
        return true;
    } catch (const journal::Malformed&) {
        found.refused = journal::Verdict::Damaged;
    } catch (const std::exception&) {
        found.refused = journal::Verdict::OtherCatalogue;
    }
    RemoveTemporaryFiles();
    return false;
}

void CRecoveryCopy::FollowRecoveredCopy() {
    if (!active_) return;
    const std::optional<journal::CopyMarker> marker = ReadMarker();
    const std::optional<FileIdentity> copy = IdentityOfFile(FromQt(CopyPath()));
    if (!marker || !copy) {
        journal_.ForgetBase();
        return;
    }
    // A copy without a journal of its own starts one.
    const bool ours = marker->catalogueId != 0 && marker->copy == *copy;
    journal_.StartFromCopy(
        doc_, ours ? marker->catalogueId : QRandomGenerator::system()->generate64() | 1U,
        ours ? marker->seq : 0, *copy);
}

void CRecoveryCopy::SetOriginalPath(const QString& path) {
    // The marker must name the new file, even when the catalogue has not changed since.
    if (path != originalPath_) copiedChanges_.reset();
    originalPath_ = path;
    journal_.SetOrigin(CorePath(path), !doc_.IsModified());
}

void CRecoveryCopy::NoteCommand() {
    if (++commands_ < kCommandsPerCopy) return;
    commands_ = 0;
    WriteIfModified();
}

void CRecoveryCopy::WriteIfModified(bool wait) {
    if (wait) Finish();
    if (!active_ || !doc_.IsModified() || (busy_ && busy_())) return;
    if (copiedChanges_ == doc_.ChangeCount()) return;
    // One write at a time: the next copy must not be overtaken by the one before it.
    if (IsWriting()) {
        copyPending_ = true;
        return;
    }
    StartWriter();
    if (wait) Finish();
}

void CRecoveryCopy::StartWriter() {
    const std::string copy = FromQt(CopyPath());
    const std::string marker = FromQt(MarkerPath());
    // The copy is the catalogue as of the journal's last entry.
    FollowDocument(true);
    copyMark_ = journal_.Position();
    journal::CopyMarker mark;
    mark.origin = CorePath(originalPath_);
    if (copyMark_) {
        mark.catalogueId = copyMark_->catalogueId;
        mark.seq = copyMark_->seq;
    }
    const std::uint64_t changes = doc_.ChangeCount();
    const pid_t child = fork();
    if (child == 0) RunWriter(doc_, copy, marker, mark, writerHook_);
    if (child < 0) {
        qWarning("Reelkeep could not start writing the recovery copy: %s", std::strerror(errno));
        return;
    }
    writer_ = child;
    copiedChanges_ = changes;
    collector_.start();
}

bool CRecoveryCopy::CollectWriter() {
    if (writer_ <= 0) return true;
    int status = 0;
    pid_t ended = 0;
    do {
        ended = waitpid(writer_, &status, WNOHANG);
    } while (ended < 0 && errno == EINTR);
    if (ended == 0) return false;  // still writing
    collector_.stop();
    writer_ = 0;
    const bool stopped = std::exchange(writerStopped_, false);
    const std::optional<CChangeJournal::Mark> mark = std::exchange(copyMark_, std::nullopt);
    if (ended < 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        // The user's own file is untouched; the next copy tries again.
        copiedChanges_.reset();
        RemoveTemporaryFiles();
        if (!stopped) qWarning("Reelkeep could not write the recovery copy");
    } else if (mark && !removeWhenCollected_) {
        const std::optional<journal::CopyMarker> marker = ReadMarker();
        const std::optional<FileIdentity> copy = IdentityOfFile(FromQt(CopyPath()));
        if (marker && copy && marker->copy == *copy && marker->seq == mark->seq &&
            marker->catalogueId == mark->catalogueId) {
            journal_.CopyWritten(*mark, *copy);
        }
    }
    // A writer killed inside its rename may have put a copy back after it was removed.
    if (std::exchange(removeWhenCollected_, false)) RemoveCopyAndMarker();
    return true;
}

bool CRecoveryCopy::WaitForWriter(std::chrono::milliseconds bound) {
    const auto deadline = std::chrono::steady_clock::now() + bound;
    while (!CollectWriter()) {
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(kPollInterval);
    }
    return true;
}

void CRecoveryCopy::StopWriter() {
    ::kill(writer_, SIGKILL);
    writerStopped_ = true;
    WaitForWriter(kStopWait);
}

void CRecoveryCopy::Finish(std::chrono::milliseconds bound) {
    if (WaitForWriter(bound)) return;
    StopWriter();
    const double seconds = std::chrono::duration<double>(bound).count();
    const QString message =
        appstr::Tr(appstr::kRecoveryWriterStopped)
            .arg(QLocale().toString(seconds, 'g', QLocale::FloatingPointShortest));
    std::fprintf(stderr, "%s\n", message.toUtf8().constData());
}

void CRecoveryCopy::Remove() {
    commands_ = 0;
    copyPending_ = false;
    copiedChanges_.reset();
    if (!active_) return;
    // The changes are saved or given up: a copy of them is not worth waiting for.
    if (IsWriting()) StopWriter();
    removeWhenCollected_ = IsWriting();
    // The journal before the copy it may follow.
    journal_.Remove();
    RemoveCopyAndMarker();
}

void CRecoveryCopy::RemoveCopyAndMarker() const {
    // The marker first: a crash in between must not leave a marker without its copy.
    QFile::remove(MarkerPath());
    QFile::remove(CopyPath());
}

void CRecoveryCopy::RemoveTemporaryFiles() const {
    const QDir folder(folder_);
    const QStringList patterns{QString::fromLatin1(kCopyName) + QStringLiteral(".tmp*"),
                               QString::fromLatin1(kMarkerName) + QStringLiteral(".tmp*"),
                               QString::fromLatin1(kJournalName) + QStringLiteral(".tmp*")};
    for (const QString& name :
         folder.entryList(patterns, QDir::Files | QDir::Hidden | QDir::System)) {
        QFile::remove(folder.filePath(name));
    }
}

}  // namespace reelkeep
