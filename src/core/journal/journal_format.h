#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue_file.h"
#include "fields.h"
#include "file_access.h"

// The journal of unsaved changes: a header naming the catalogue and what its changes start
// from, then one entry per command. Each entry is framed by its length and a checksum, so a
// write cut short by a crash is told from one that completed.
namespace reelkeep::journal {

// What the first entry applies to.
enum class BaseKind : std::uint8_t {
    NewCatalogue = 0,  // no records
    File = 1,          // the catalogue's own file, as read when it was opened or saved
    Copy = 2,          // the whole recovery copy
};

struct Header {
    std::uint64_t catalogueId = 0;
    // The entries are numbered from baseSeq + 1 on.
    std::uint64_t baseSeq = 0;
    BaseKind base = BaseKind::NewCatalogue;
    std::string origin;  // the catalogue's own file; empty for one never saved
    // The base's file: the user's for File, the copy for Copy.
    FileIdentity baseFile;
    std::uint32_t baseRecords = 0;
    CatalogueTail tail;
};

// What an entry holds, each item applied in turn.
enum class ItemKind : std::uint8_t {
    Append = 'A',      // records added at the end
    Set = 'S',         // records given new values
    Purge = 'P',       // records removed, the others keeping their order
    Tail = 'T',        // layouts, headings and colours
    ReplaceAll = 'R',  // every record, for a change no smaller item describes
};

// Thrown by the readers below at bytes that are not what they should be.
struct Malformed {};

// Little-endian numbers and length-prefixed texts.
class CEncoder {
public:
    void U8(std::uint8_t v) { bytes.push_back(static_cast<char>(v)); }
    void U32(std::uint32_t v);
    void U64(std::uint64_t v);
    void Text(std::string_view text);
    void Record(const RecordValues& values);
    void Tail(const CatalogueTail& tail);
    std::string bytes;
};

class CDecoder {
public:
    explicit CDecoder(std::string_view bytes) : bytes_(bytes) {}
    std::uint8_t U8();
    std::uint32_t U32();
    std::uint64_t U64();
    std::string Text();
    RecordValues Record();
    CatalogueTail Tail();
    bool AtEnd() const { return pos_ == bytes_.size(); }
    std::size_t Position() const { return pos_; }

private:
    std::string_view Take(std::size_t n);
    std::string_view bytes_;
    std::size_t pos_ = 0;
};

std::uint32_t Crc32(std::string_view bytes);

// The header's bytes, magic and checksum included.
std::string EncodeHeader(const Header& header);
// The header at the start of bytes and the offset of the first entry. Throws Malformed.
Header DecodeHeader(std::string_view bytes, std::size_t& end);

// An entry: its payload (sequence number, time, record count after it, items) framed by its
// length and checksum. It is written in place: Begin puts the frame's length (filled in by End) and
// the payload's fixed part, the caller appends the items, End closes the frame with the checksum.
void BeginEntry(CEncoder& entry, std::uint64_t seq, std::int64_t timeMs, std::uint32_t records);
// Whether the caller appended any item after BeginEntry.
bool EntryHasItems(const CEncoder& entry);
void EndEntry(CEncoder& entry);

// One entry whose frame and checksum are sound.
struct EntryView {
    std::uint64_t seq = 0;
    std::int64_t timeMs = 0;  // when it was written, milliseconds since 1970
    std::uint32_t recordsAfter = 0;
    std::string_view items;
    std::size_t offset = 0;  // of its frame in the journal
};

// The entries of a journal, up to a last one cut short by a crash.
struct Contents {
    Header header;
    std::vector<EntryView> entries;
    bool tornTail = false;
};

// Throws Malformed for a bad header, an entry out of sequence, or a bad entry that more entries
// follow: a damage no crash leaves.
Contents ReadJournal(std::string_view bytes);

}  // namespace reelkeep::journal
