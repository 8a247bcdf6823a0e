#include "change_journal.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <random>
#include <system_error>
#include <utility>

#include "messages.h"
#include "reelkeep_doc.h"

namespace reelkeep {

namespace {

using journal::CEncoder;
using journal::ItemKind;

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? "." : path.substr(0, std::max<std::size_t>(slash, 1));
}

void WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            throw std::system_error(errno, std::generic_category());
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

void SyncFolderOf(const std::string& path) {
    const int fd = ::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

std::string ReadFrom(const std::string& path, std::uint64_t offset) {
    std::string bytes;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) throw std::system_error(errno, std::generic_category());
    char buffer[1 << 16];
    for (off_t at = static_cast<off_t>(offset);;) {
        const ssize_t got = ::pread(fd, buffer, sizeof buffer, at);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) {
            ::close(fd);
            if (got < 0) throw std::system_error(errno, std::generic_category());
            return bytes;
        }
        bytes.append(buffer, static_cast<std::size_t>(got));
        at += got;
    }
}

std::uint64_t NewCatalogueId() {
    std::random_device random;
    return (std::uint64_t{random()} << 32) ^ random() ^ 1U;
}

std::int64_t NowMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

CatalogueTail TailOf(const CReelkeepDoc& doc) {
    const CCatalogueDisplay& shown = doc.Display();
    return {shown.Layouts(), shown.CustomHeadings(), shown.DataColors(), shown.HeadingColors()};
}

void EncodeRecord(CEncoder& out, const CCatalogue& catalogue, std::uint32_t record) {
    for (std::size_t f = 0; f < kFieldCount; ++f)
        out.Text(catalogue.Value(record, static_cast<Field>(f)));
}

// Records first to end, room made for them at once: a large change grows the entry only once.
void EncodeRecords(CEncoder& out, const CCatalogue& catalogue, std::uint32_t first,
                   std::uint32_t end) {
    std::size_t bytes = out.bytes.size();
    for (std::size_t f = 0; f < kFieldCount; ++f) {
        const std::vector<std::string>& column = catalogue.Column(static_cast<Field>(f));
        for (std::uint32_t r = first; r < end; ++r) bytes += 4 + column[r].size();
    }
    out.bytes.reserve(bytes);
    for (std::uint32_t r = first; r < end; ++r) EncodeRecord(out, catalogue, r);
}

// The distinct record numbers below count, in ascending order.
std::vector<std::uint32_t> Distinct(std::vector<std::uint32_t> records, std::uint32_t count) {
    std::erase_if(records, [count](std::uint32_t r) { return r >= count; });
    std::sort(records.begin(), records.end());
    records.erase(std::unique(records.begin(), records.end()), records.end());
    return records;
}

}  // namespace

CChangeJournal::CChangeJournal(std::string path) : path_(std::move(path)) {}

CChangeJournal::~CChangeJournal() { Close(); }

void CChangeJournal::SetOrigin(std::string origin, bool clean) {
    if (origin == origin_) return;
    origin_ = std::move(origin);
    if (clean && fd_ < 0) {
        // Opened or saved under this name: its file holds the catalogue.
        cleanOrigin_ = origin_;
        cleanFile_ = origin_.empty() ? std::nullopt : IdentityOfFile(origin_);
    } else {
        // The header names the file the changes belong to; a journal under the old name would
        // offer them for the wrong file, so the next change starts afresh with every record.
        ForgetBase();
    }
}

void CChangeJournal::ForgetBase() {
    if (fd_ >= 0) Remove();
    known_.reset();
    cleanFile_.reset();
}

CChangeJournal::Known CChangeJournal::Snapshot(const CReelkeepDoc& doc) {
    Known known;
    known.serial = doc.CatalogueSerial();
    known.count = doc.Catalogue().Count();
    known.recordEdits = doc.Catalogue().RecordEdits();
    const UndoJournal& undo = doc.Undo();
    known.undo = {undo.available, undo.action, undo.recordNumbers};
    known.tail = TailOf(doc);
    CEncoder tail;
    tail.Tail(known.tail);
    known.tailBytes = std::move(tail.bytes);
    return known;
}

void CChangeJournal::Follow(const CReelkeepDoc& doc, bool withTail) {
    const Seen now{doc.CatalogueSerial(), doc.ChangeCount(), doc.IsModified()};
    const bool changed = seen_ != now;
    seen_ = now;
    if (!doc.IsModified()) {
        if (!changed) return;
        // Nothing unsaved: what a next change applies to is the catalogue as it is now. Only
        // this run's own journal goes; one a crashed run left waits for the offer to recover it.
        if (fd_ >= 0) Remove();
        known_ = Snapshot(doc);
        cleanOrigin_ = origin_;
        cleanFile_ = origin_.empty() ? std::nullopt : IdentityOfFile(origin_);
        return;
    }
    if (broken_ || (!changed && !withTail)) return;
    try {
        if (fd_ < 0) Start(doc);
        // Without a counted change only the tail can differ.
        CEncoder entry;
        journal::BeginEntry(entry, seq_ + 1, NowMs(), doc.Catalogue().Count());
        DescribeChange(doc, changed, entry);
        if (journal::EntryHasItems(entry)) {
            journal::EndEntry(entry);
            Append(entry.bytes);
            ++seq_;
        }
        known_ = Snapshot(doc);
    } catch (const std::exception& error) {
        Fail(error.what());
    }
}

void CChangeJournal::Start(const CReelkeepDoc& doc) {
    journal::Header header;
    header.catalogueId = catalogueId_ = NewCatalogueId();
    header.baseSeq = seq_ = 0;
    header.origin = origin_;
    // The records the first change applies to are the clean catalogue's own file, or none;
    // any other start is described by writing every record.
    const bool known = known_ && known_->serial == doc.CatalogueSerial();
    if (known && cleanOrigin_ == origin_ && !origin_.empty() && cleanFile_) {
        header.base = journal::BaseKind::File;
        header.baseFile = *cleanFile_;
    } else if (!known || !origin_.empty() || known_->count != 0) {
        known_.reset();
    }
    if (known_) {
        header.baseRecords = known_->count;
        header.tail = known_->tail;
    }
    WriteHeader(header, {});
}

void CChangeJournal::DescribeChange(const CReelkeepDoc& doc, bool recordsMayDiffer,
                                    CEncoder& items) {
    const CCatalogue& catalogue = doc.Catalogue();
    const std::uint32_t now = catalogue.Count();
    const std::size_t start = items.bytes.size();
    const auto describeAll = [&] {
        items.bytes.resize(start);
        items.U8(static_cast<std::uint8_t>(ItemKind::ReplaceAll));
        items.U32(now);
        EncodeRecords(items, catalogue, 0, now);
    };
    const auto appended = [&](std::uint32_t first) {
        items.U8(static_cast<std::uint8_t>(ItemKind::Append));
        items.U32(first);
        items.U32(now - first);
        EncodeRecords(items, catalogue, first, now);
    };
    const auto set = [&](const std::vector<std::uint32_t>& records) {
        const std::vector<std::uint32_t> distinct = Distinct(records, now);
        items.U8(static_cast<std::uint8_t>(ItemKind::Set));
        items.U32(static_cast<std::uint32_t>(distinct.size()));
        for (const std::uint32_t r : distinct) {
            items.U32(r);
            EncodeRecord(items, catalogue, r);
        }
    };
    // True when the purge accounts for the records now gone.
    const auto purged = [&](const std::vector<std::uint32_t>& records, std::uint32_t before) {
        const std::vector<std::uint32_t> distinct = Distinct(records, before);
        if (before - distinct.size() != now) return false;
        items.U8(static_cast<std::uint8_t>(ItemKind::Purge));
        items.U32(static_cast<std::uint32_t>(distinct.size()));
        for (const std::uint32_t r : distinct) items.U32(r);
        return true;
    };

    CEncoder tail;
    tail.Tail(TailOf(doc));
    if (!known_) {
        describeAll();
    } else if (recordsMayDiffer) {
        const std::uint32_t before = known_->count;
        // The command the undo journal holds now, else the one it held, which Undo took back.
        const UndoJournal& undo = doc.Undo();
        const bool current = undo.available;
        const std::string_view action =
            current ? std::string_view(undo.action) : known_->undo.action;
        const std::vector<std::uint32_t>& records =
            current ? undo.recordNumbers : known_->undo.records;
        const bool adds = action == (current ? msg::kUndoDelete : msg::kUndoRestore);
        const bool removes = action == (current ? msg::kUndoRestore : msg::kUndoDelete);
        const bool recordsTouched = catalogue.RecordEdits() != known_->recordEdits;
        bool explained = now == before && !recordsTouched;
        if (recordsTouched && !undo.complete) {
            // The command changed records its undo entry could not name for want of memory.
            explained = false;
        } else if (!current && !known_->undo.available) {
            // No command that the undo journal names.
        } else if (adds && now > before) {
            appended(before);
            explained = true;
        } else if (removes && now < before) {
            explained = purged(records, before);
        } else if (action == msg::kUndoUnmodify && now == before) {
            // Modify and its Undo rewrite records in place; written again whenever the
            // catalogue changes while they are the last command, which costs a few records.
            set(records);
            explained = true;
        }
        if (!explained) describeAll();
    }
    if (!known_ || tail.bytes != known_->tailBytes) {
        items.U8(static_cast<std::uint8_t>(ItemKind::Tail));
        items.bytes += tail.bytes;
    }
}

std::optional<CChangeJournal::Mark> CChangeJournal::Position() const {
    if (fd_ < 0 || broken_ || !known_) return std::nullopt;
    return Mark{catalogueId_, seq_, size_, known_->count, known_->tail};
}

void CChangeJournal::CopyWritten(const Mark& mark, const FileIdentity& copy) {
    if (fd_ < 0 || broken_ || mark.catalogueId != catalogueId_ || mark.seq > seq_) return;
    try {
        const std::string after = ReadFrom(path_, mark.offset);
        journal::Header header;
        header.catalogueId = catalogueId_;
        header.baseSeq = mark.seq;
        header.base = journal::BaseKind::Copy;
        header.origin = origin_;
        header.baseFile = copy;
        header.baseRecords = mark.records;
        header.tail = mark.tail;
        WriteHeader(header, after);
    } catch (const std::exception& error) {
        Fail(error.what());
    }
}

void CChangeJournal::StartFromCopy(const CReelkeepDoc& doc, std::uint64_t catalogueId,
                                   std::uint64_t seq, const FileIdentity& copy) {
    Remove();
    seen_ = Seen{doc.CatalogueSerial(), doc.ChangeCount(), doc.IsModified()};
    known_ = Snapshot(doc);
    journal::Header header;
    header.catalogueId = catalogueId_ = catalogueId;
    header.baseSeq = seq_ = seq;
    header.base = journal::BaseKind::Copy;
    header.origin = origin_;
    header.baseFile = copy;
    header.baseRecords = known_->count;
    header.tail = known_->tail;
    try {
        WriteHeader(header, {});
    } catch (const std::exception& error) {
        Fail(error.what());
    }
}

void CChangeJournal::WriteHeader(const journal::Header& header, std::string_view entries) {
    // A new journal replaces the old one whole, so that a crash finds one or the other.
    const std::string temporary = path_ + ".tmp";
    ::unlink(temporary.c_str());
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) throw std::system_error(errno, std::generic_category());
    const std::string head = journal::EncodeHeader(header);
    try {
        WriteAll(fd, head);
        WriteAll(fd, entries);
        if (::fsync(fd) != 0) throw std::system_error(errno, std::generic_category());
    } catch (...) {
        ::close(fd);
        ::unlink(temporary.c_str());
        throw;
    }
    ::close(fd);
    if (::rename(temporary.c_str(), path_.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        throw std::system_error(error, std::generic_category());
    }
    SyncFolderOf(path_);
    Close();
    fd_ = ::open(path_.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
    if (fd_ < 0) throw std::system_error(errno, std::generic_category());
    size_ = head.size() + entries.size();
}

void CChangeJournal::Append(const std::string& bytes) {
    WriteAll(fd_, bytes);
    if (::fdatasync(fd_) != 0) throw std::system_error(errno, std::generic_category());
    size_ += bytes.size();
}

void CChangeJournal::Close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

void CChangeJournal::Fail(const char* what) {
    // Half an entry must not stand for a command: the journal goes, and the whole copy alone
    // keeps the changes until the catalogue is saved.
    Remove();
    broken_ = true;
    failure_ = what;
}

std::optional<std::string> CChangeJournal::TakeFailure() {
    return std::exchange(failure_, std::nullopt);
}

void CChangeJournal::Remove() {
    Close();
    ::unlink(path_.c_str());
    broken_ = false;
}

}  // namespace reelkeep
