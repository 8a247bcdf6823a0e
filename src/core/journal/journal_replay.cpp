#include "journal_replay.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <utility>
#include <vector>

#include "file_errors.h"
#include "reelkeep_doc.h"
#include "silent_ui.h"

namespace reelkeep::journal {

namespace {

constexpr std::string_view kMarkerMagic{"RKCOPY01", 8};
// The next copy, complete, before it takes the copy's name; removed as a temporary at start.
constexpr char kNextCopySuffix[] = ".tmp-next";

void SyncFolderOf(const std::string& file) {
    const auto slash = file.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : file.substr(0, slash);
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// A user that remembers whether the document complained while it read.
class CReadingUI : public CSilentUI {
public:
    MessageAnswer ShowMessage(std::string_view, MessageButtons, MessageIcon) override {
        complained = true;
        return MessageAnswer::Ok;
    }
    bool complained = false;
};

ItemKind KindOf(std::uint8_t tag) {
    for (const ItemKind kind :
         {ItemKind::Append, ItemKind::Set, ItemKind::Purge, ItemKind::Tail, ItemKind::ReplaceAll}) {
        if (tag == static_cast<std::uint8_t>(kind)) return kind;
    }
    throw Malformed{};
}

// Applies one entry's items; before the plan's start only the tail counts, as the base holds
// the records of that moment already.
void ApplyItems(std::string_view bytes, bool records, CRecordStore& store, CatalogueTail& tail) {
    CDecoder in(bytes);
    const auto fits = [&](std::uint32_t record) {
        if (record >= store.Count()) throw Malformed{};
    };
    while (!in.AtEnd()) {
        switch (KindOf(in.U8())) {
            case ItemKind::Tail:
                tail = in.Tail();
                break;
            case ItemKind::Append: {
                const std::uint32_t first = in.U32();
                const std::uint32_t n = in.U32();
                if (records && first != store.Count()) throw Malformed{};
                for (std::uint32_t i = 0; i < n; ++i) {
                    RecordValues values = in.Record();
                    if (records) store.Append(std::move(values));
                }
                break;
            }
            case ItemKind::Set:
                for (std::uint32_t i = 0, n = in.U32(); i < n; ++i) {
                    const std::uint32_t record = in.U32();
                    RecordValues values = in.Record();
                    if (!records) continue;
                    fits(record);
                    store.SetRecord(record, std::move(values));
                }
                break;
            case ItemKind::Purge: {
                std::vector<bool> marked(records ? store.Count() : 0, false);
                for (std::uint32_t i = 0, n = in.U32(); i < n; ++i) {
                    const std::uint32_t record = in.U32();
                    if (!records) continue;
                    fits(record);
                    marked[record] = true;
                }
                if (records) store.Purge(marked);
                break;
            }
            case ItemKind::ReplaceAll: {
                if (records) store.Clear();
                for (std::uint32_t i = 0, n = in.U32(); i < n; ++i) {
                    RecordValues values = in.Record();
                    if (records) store.Append(std::move(values));
                }
                break;
            }
        }
    }
}

}  // namespace

std::string EncodeMarker(const CopyMarker& marker) {
    CEncoder out;
    out.bytes.append(kMarkerMagic);
    out.U64(marker.catalogueId);
    out.U64(marker.seq);
    const FileIdentity& copy = marker.copy;
    for (const std::uint64_t v : {copy.device, copy.inode, static_cast<std::uint64_t>(copy.size),
                                  static_cast<std::uint64_t>(copy.modifiedSeconds),
                                  static_cast<std::uint64_t>(copy.modifiedNanoseconds)})
        out.U64(v);
    out.Text(marker.origin);
    return std::move(out.bytes);
}

CopyMarker DecodeMarker(std::string_view bytes) {
    CopyMarker marker;
    if (bytes.substr(0, kMarkerMagic.size()) != kMarkerMagic) {
        // Written before copies went with a journal: the name, perhaps with a line break.
        while (!bytes.empty() && (bytes.back() == '\n' || bytes.back() == '\r')) {
            bytes.remove_suffix(1);
        }
        marker.origin = bytes;
        return marker;
    }
    try {
        CDecoder in(bytes.substr(kMarkerMagic.size()));
        marker.catalogueId = in.U64();
        marker.seq = in.U64();
        FileIdentity& copy = marker.copy;
        copy.device = in.U64();
        copy.inode = in.U64();
        copy.size = static_cast<std::int64_t>(in.U64());
        copy.modifiedSeconds = static_cast<std::int64_t>(in.U64());
        copy.modifiedNanoseconds = static_cast<std::int64_t>(in.U64());
        marker.origin = in.Text();
    } catch (const Malformed&) {
        // A marker is written whole before it is renamed into place; should one be damaged,
        // its copy is still offered, under no name, without a journal.
        return {};
    }
    return marker;
}

void WriteCopyWithMarker(const std::string& copy, const std::string& marker, CopyMarker mark,
                         const std::function<void(IByteSink&)>& writeCopy) {
    const std::string next = copy + kNextCopySuffix;
    // Made private first: a save keeps the permissions of the file it replaces.
    const int made = ::open(next.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (made < 0) throw CFileError(errno);
    ::close(made);
    WriteFileAtomically(next, writeCopy);
    const std::optional<FileIdentity> identity = IdentityOfFile(next);
    if (!identity) throw CFileError(ENOENT);
    mark.copy = *identity;
    const std::string bytes = EncodeMarker(mark);
    const std::string nextMarker = marker + kNextCopySuffix;
    const int fd = ::open(nextMarker.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) throw CFileError(errno);
    const bool written =
        ::write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size()) &&
        ::fsync(fd) == 0;
    ::close(fd);
    if (!written || ::rename(nextMarker.c_str(), marker.c_str()) != 0) throw CFileError(errno);
    SyncFolderOf(marker);
    if (::rename(next.c_str(), copy.c_str()) != 0) throw CFileError(errno);
    SyncFolderOf(copy);
}

Plan PlanRecovery(const Contents& journal, const std::optional<CopyMarker>& marker,
                  const std::optional<FileIdentity>& copyNow,
                  const std::optional<FileIdentity>& originNow) {
    const Header& header = journal.header;
    const std::uint64_t lastSeq = header.baseSeq + journal.entries.size();
    Plan plan;
    plan.fromSeq = header.baseSeq;
    plan.baseRecords = header.baseRecords;
    plan.base = header.base;
    // A copy taken while this journal was kept, complete and still the one on the disk: the
    // entries after it are all that it lacks.
    if (marker && marker->catalogueId == header.catalogueId && copyNow &&
        marker->copy == *copyNow && marker->seq >= header.baseSeq && marker->seq <= lastSeq) {
        plan.base = BaseKind::Copy;
        plan.fromSeq = marker->seq;
        if (marker->seq > header.baseSeq) {
            plan.baseRecords = journal.entries[marker->seq - header.baseSeq - 1].recordsAfter;
        }
    } else if (header.base == BaseKind::Copy) {
        if (!copyNow || *copyNow != header.baseFile) plan.verdict = Verdict::Damaged;
    } else if (header.base == BaseKind::File) {
        if (!originNow || *originNow != header.baseFile) plan.verdict = Verdict::OtherCatalogue;
    }
    plan.entriesAfter = lastSeq - plan.fromSeq;
    return plan;
}

CRecordStore ReadBaseRecords(const std::string& path) {
    CReadingUI ui;
    CReelkeepDoc doc(ui);
    CFileSource source(path);
    if (!doc.ReadDocument(source, path) || ui.complained) throw Malformed{};
    const CCatalogue& catalogue = doc.Catalogue();
    CRecordLoader loader(catalogue.Count());
    for (std::size_t f = 0; f < kFieldCount; ++f) {
        const auto field = static_cast<Field>(f);
        loader.Take(field, catalogue.Column(field));
    }
    CRecordStore records;
    records.Adopt(loader);
    return records;
}

void Replay(const Contents& journal, const Plan& plan, CRecordStore records, IByteSink& out) {
    if (plan.verdict != Verdict::Usable || records.Count() != plan.baseRecords) throw Malformed{};
    if (plan.base == BaseKind::NewCatalogue) records.Clear();
    CatalogueTail tail = journal.header.tail;
    for (const EntryView& entry : journal.entries) {
        const bool apply = entry.seq > plan.fromSeq;
        ApplyItems(entry.items, apply, records, tail);
        if (apply && records.Count() != entry.recordsAfter) throw Malformed{};
    }
    WriteCatalogueFile(
        out, records.Count(),
        [&records](Field f) -> const std::vector<std::string>& { return records.Column(f); }, tail);
}

}  // namespace reelkeep::journal
