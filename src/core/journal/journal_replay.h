#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "byte_io.h"
#include "file_access.h"
#include "journal_format.h"
#include "record_store.h"

namespace reelkeep::journal {

// The marker beside a whole copy: the file the changes belong to and, for a copy taken while a
// journal was kept, the journal's catalogue, its last entry in the copy, and the copy itself.
struct CopyMarker {
    std::string origin;
    std::uint64_t catalogueId = 0;  // 0: no journal goes with the copy
    std::uint64_t seq = 0;
    FileIdentity copy;
};
std::string EncodeMarker(const CopyMarker& marker);
// A marker of older runs holds the file's name alone.
CopyMarker DecodeMarker(std::string_view bytes);

// Writes a whole copy with writeCopy, and its marker, which names the copy by its identity and
// goes first: until the copy has its name, the previous copy stays whole beside the journal
// that follows it, so a crash at any moment finds a copy its marker describes or the journal's
// own base. The copy is the user's alone from its creation. Throws CFileError.
void WriteCopyWithMarker(const std::string& copy, const std::string& marker, CopyMarker mark,
                         const std::function<void(IByteSink&)>& writeCopy);

enum class Verdict {
    Usable,
    // The file or the copy the changes apply to is not the one they were made on.
    OtherCatalogue,
    Damaged,
};

// How a crashed run's changes come back: the records of the base, then every entry after
// fromSeq.
struct Plan {
    Verdict verdict = Verdict::Usable;
    BaseKind base = BaseKind::NewCatalogue;
    std::uint64_t fromSeq = 0;
    std::uint32_t baseRecords = 0;
    std::size_t entriesAfter = 0;  // entries to apply
};

// What is on the disk now: the copy's marker and identity, and the identity of the file the
// journal's header names.
Plan PlanRecovery(const Contents& journal, const std::optional<CopyMarker>& marker,
                  const std::optional<FileIdentity>& copyNow,
                  const std::optional<FileIdentity>& originNow);

// The records of a catalogue file, read as the window reads them. Throws CFileError, or
// Malformed for a file that does not open.
CRecordStore ReadBaseRecords(const std::string& path);

// Applies the plan's entries to the base's records and writes the catalogue they make, byte
// for byte what the crashed run would have saved. Throws Malformed, before anything is
// written, when an entry does not fit the records.
void Replay(const Contents& journal, const Plan& plan, CRecordStore records, IByteSink& out);

}  // namespace reelkeep::journal
