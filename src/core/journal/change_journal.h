#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "catalogue_file.h"
#include "file_access.h"
#include "journal_format.h"

namespace reelkeep {

class CReelkeepDoc;

// Keeps the journal of a catalogue's unsaved changes: after each command, what it changed is
// appended as one entry and flushed to the disk before the call returns. An entry holds the
// change, not the catalogue: the records added, changed or removed, and the layouts, headings
// and colours when they changed. What a command changed is read from the document's undo
// journal and record count; a change they do not describe is written as every record.
// A catalogue without unsaved changes has no journal.
class CChangeJournal {
public:
    explicit CChangeJournal(std::string path);
    ~CChangeJournal();
    CChangeJournal(const CChangeJournal&) = delete;
    CChangeJournal& operator=(const CChangeJournal&) = delete;

    const std::string& Path() const { return path_; }
    // The file the catalogue belongs to, empty for one never saved: what the journal's first
    // entry applies to when clean says the catalogue was just opened from it or saved there.
    void SetOrigin(std::string origin, bool clean);
    // What the catalogue started from is unknown: the next change is written as every record.
    void ForgetBase();
    // Writes what changed since the last call. Cheap when nothing did: the change count, the
    // catalogue and the modified flag are compared first; withTail also looks at the layouts,
    // headings and colours, which a display change may set without counting a change.
    void Follow(const CReelkeepDoc& doc, bool withTail = false);

    // Where the journal stands, for a whole copy of the catalogue taken now.
    struct Mark {
        std::uint64_t catalogueId = 0;
        std::uint64_t seq = 0;
        std::uint64_t offset = 0;
        std::uint32_t records = 0;
        CatalogueTail tail;
    };
    // Nothing while no journal is kept (a clean catalogue, or after a failed write).
    std::optional<Mark> Position() const;
    // The whole copy taken at mark is on the disk: the journal starts again from it, keeping
    // the entries written since.
    void CopyWritten(const Mark& mark, const FileIdentity& copy);
    // The catalogue is the whole copy (id, seq) just recovered: the journal goes on from it.
    void StartFromCopy(const CReelkeepDoc& doc, std::uint64_t catalogueId, std::uint64_t seq,
                       const FileIdentity& copy);
    void Remove();
    // Why the last write failed, once; the journal is then off until the catalogue is clean.
    std::optional<std::string> TakeFailure();

private:
    struct UndoSeen {
        bool available = false;
        std::string action;
        std::vector<std::uint32_t> records;
    };
    // The catalogue as the journal last described it.
    struct Known {
        std::uint64_t serial = 0;
        std::uint32_t count = 0;
        std::uint64_t recordEdits = 0;
        UndoSeen undo;
        CatalogueTail tail;
        std::string tailBytes;
    };
    struct Seen {
        std::uint64_t serial = 0;
        std::uint64_t changes = 0;
        bool modified = false;
        friend bool operator==(const Seen&, const Seen&) = default;
    };

    static Known Snapshot(const CReelkeepDoc& doc);
    void Start(const CReelkeepDoc& doc);
    // Appends the items of the change from known_ to doc, the records' only when records may
    // have changed; nothing when nothing changed.
    void DescribeChange(const CReelkeepDoc& doc, bool recordsMayDiffer, journal::CEncoder& items);
    void WriteHeader(const journal::Header& header, std::string_view entries);
    void Append(const std::string& bytes);
    void Close();
    void Fail(const char* what);

    std::string path_;
    std::string origin_;
    int fd_ = -1;
    bool broken_ = false;
    std::uint64_t catalogueId_ = 0;
    std::uint64_t seq_ = 0;
    std::uint64_t size_ = 0;
    std::optional<Seen> seen_;
    std::optional<Known> known_;
    // What the catalogue's file was when the catalogue was last clean.
    std::string cleanOrigin_;
    std::optional<FileIdentity> cleanFile_;
    std::optional<std::string> failure_;
};

}  // namespace reelkeep
