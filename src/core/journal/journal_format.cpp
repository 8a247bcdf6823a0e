#include "journal_format.h"

#include <zlib.h>

#include <array>
#include <cstring>

namespace reelkeep::journal {

namespace {

constexpr std::string_view kMagic{"RKJOURN1", 8};
// Length before an entry's payload, checksum after it.
constexpr std::size_t kFrameLength = 8;
constexpr std::size_t kChecksumLength = 4;
// Sequence number, time and record count.
constexpr std::size_t kEntryFixedLength = 8 + 8 + 4;

std::uint64_t Unsigned(std::int64_t v) { return static_cast<std::uint64_t>(v); }
std::int64_t Signed(std::uint64_t v) { return static_cast<std::int64_t>(v); }

bool AllZero(std::string_view bytes) {
    return bytes.find_first_not_of('\0') == std::string_view::npos;
}

}  // namespace

std::uint32_t Crc32(std::string_view bytes) {
    // zlib's CRC-32 (the usual one), taken in pieces its unsigned int lengths can hold.
    constexpr std::size_t kPiece = std::size_t{1} << 30;
    uLong crc = crc32(0L, Z_NULL, 0);
    for (std::size_t at = 0; at < bytes.size(); at += kPiece) {
        const std::string_view piece = bytes.substr(at, kPiece);
        crc = crc32(crc, reinterpret_cast<const Bytef*>(piece.data()),
                    static_cast<uInt>(piece.size()));
    }
    return static_cast<std::uint32_t>(crc);
}

void CEncoder::U32(std::uint32_t v) {
    const std::array<char, 4> le = {static_cast<char>(v), static_cast<char>(v >> 8),
                                    static_cast<char>(v >> 16), static_cast<char>(v >> 24)};
    bytes.append(le.data(), le.size());
}

void CEncoder::U64(std::uint64_t v) {
    U32(static_cast<std::uint32_t>(v));
    U32(static_cast<std::uint32_t>(v >> 32));
}

void CEncoder::Text(std::string_view text) {
    U32(static_cast<std::uint32_t>(text.size()));
    bytes.append(text);
}

void CEncoder::Record(const RecordValues& values) {
    for (const std::string& value : values) Text(value);
}

void CEncoder::Tail(const CatalogueTail& tail) {
    for (const ColumnLayout& layout : tail.layouts) {
        for (const std::uint32_t id : layout.ids) U32(id);
        for (const std::int32_t x : layout.positions) U32(static_cast<std::uint32_t>(x));
    }
    for (const std::string& heading : tail.headings) Text(heading);
    for (const auto* colors : {&tail.dataColors, &tail.headingColors}) {
        U32(static_cast<std::uint32_t>(colors->size()));
        for (const std::uint32_t color : *colors) U32(color);
    }
}

std::string_view CDecoder::Take(std::size_t n) {
    if (n > bytes_.size() - pos_) throw Malformed{};
    const std::string_view taken = bytes_.substr(pos_, n);
    pos_ += n;
    return taken;
}

std::uint8_t CDecoder::U8() { return static_cast<std::uint8_t>(Take(1)[0]); }

std::uint32_t CDecoder::U32() {
    const std::string_view b = Take(4);
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<std::uint8_t>(b[i]);
    return v;
}

std::uint64_t CDecoder::U64() {
    const std::uint64_t low = U32();
    return low | (std::uint64_t{U32()} << 32);
}

std::string CDecoder::Text() {
    const std::uint32_t n = U32();
    return std::string(Take(n));
}

RecordValues CDecoder::Record() {
    RecordValues values;
    for (std::string& value : values) value = Text();
    return values;
}

CatalogueTail CDecoder::Tail() {
    CatalogueTail tail;
    for (ColumnLayout& layout : tail.layouts) {
        for (std::uint32_t& id : layout.ids) id = U32();
        for (std::int32_t& x : layout.positions) x = static_cast<std::int32_t>(U32());
    }
    for (std::string& heading : tail.headings) heading = Text();
    for (auto* colors : {&tail.dataColors, &tail.headingColors}) {
        const std::uint32_t n = U32();
        // Each colour takes four bytes: a count the rest cannot hold is damage.
        if (n > (bytes_.size() - pos_) / 4) throw Malformed{};
        colors->resize(n);
        for (std::uint32_t& color : *colors) color = U32();
    }
    return tail;
}

std::string EncodeHeader(const Header& header) {
    CEncoder body;
    body.U64(header.catalogueId);
    body.U64(header.baseSeq);
    body.U8(static_cast<std::uint8_t>(header.base));
    body.Text(header.origin);
    const FileIdentity& file = header.baseFile;
    for (const std::uint64_t v :
         {file.device, file.inode, Unsigned(file.size), Unsigned(file.modifiedSeconds),
          Unsigned(file.modifiedNanoseconds)})
        body.U64(v);
    body.U32(header.baseRecords);
    body.Tail(header.tail);
    CEncoder out;
    out.bytes.append(kMagic);
    out.U32(static_cast<std::uint32_t>(body.bytes.size()));
    out.bytes.append(body.bytes);
    out.U32(Crc32(body.bytes));
    return std::move(out.bytes);
}

Header DecodeHeader(std::string_view bytes, std::size_t& end) {
    if (bytes.substr(0, kMagic.size()) != kMagic) throw Malformed{};
    CDecoder frame(bytes.substr(kMagic.size()));
    const std::uint32_t length = frame.U32();
    const std::size_t start = kMagic.size() + 4;
    if (length > bytes.size() - start) throw Malformed{};
    const std::string_view body = bytes.substr(start, length);
    CDecoder tail(bytes.substr(start + length));
    if (tail.U32() != Crc32(body)) throw Malformed{};
    end = start + length + kChecksumLength;

    CDecoder in(body);
    Header header;
    header.catalogueId = in.U64();
    header.baseSeq = in.U64();
    const std::uint8_t kind = in.U8();
    if (kind > static_cast<std::uint8_t>(BaseKind::Copy)) throw Malformed{};
    header.base = static_cast<BaseKind>(kind);
    header.origin = in.Text();
    FileIdentity& file = header.baseFile;
    file.device = in.U64();
    file.inode = in.U64();
    file.size = Signed(in.U64());
    file.modifiedSeconds = Signed(in.U64());
    file.modifiedNanoseconds = Signed(in.U64());
    header.baseRecords = in.U32();
    header.tail = in.Tail();
    if (!in.AtEnd()) throw Malformed{};
    return header;
}

void BeginEntry(CEncoder& entry, std::uint64_t seq, std::int64_t timeMs, std::uint32_t records) {
    entry.bytes.clear();
    entry.U64(0);
    entry.U64(seq);
    entry.U64(Unsigned(timeMs));
    entry.U32(records);
}

bool EntryHasItems(const CEncoder& entry) {
    return entry.bytes.size() > kFrameLength + kEntryFixedLength;
}

void EndEntry(CEncoder& entry) {
    const std::string_view payload = std::string_view(entry.bytes).substr(kFrameLength);
    const std::uint32_t crc = Crc32(payload);
    const std::uint64_t length = payload.size();
    for (std::size_t i = 0; i < kFrameLength; ++i) {
        entry.bytes[i] = static_cast<char>(length >> (8 * i));
    }
    entry.U32(crc);
}

Contents ReadJournal(std::string_view bytes) {
    Contents contents;
    std::size_t at = 0;
    contents.header = DecodeHeader(bytes, at);
    std::uint64_t expected = contents.header.baseSeq + 1;
    while (at < bytes.size()) {
        const std::string_view rest = bytes.substr(at);
        // A crash leaves at most the last entry incomplete, or the file's end unwritten (zeros).
        if (rest.size() < kFrameLength || AllZero(rest)) {
            contents.tornTail = true;
            break;
        }
        const std::uint64_t length = CDecoder(rest).U64();
        if (length > rest.size() - kFrameLength ||
            rest.size() - kFrameLength - length < kChecksumLength) {
            contents.tornTail = true;
            break;
        }
        const std::string_view payload = rest.substr(kFrameLength, length);
        const std::size_t frame = kFrameLength + length + kChecksumLength;
        if (length < kEntryFixedLength ||
            CDecoder(rest.substr(kFrameLength + length)).U32() != Crc32(payload)) {
            // Only the last entry may be cut short; any other damage is refused.
            if (!AllZero(rest.substr(frame))) throw Malformed{};
            contents.tornTail = true;
            break;
        }
        CDecoder in(payload);
        EntryView entry;
        entry.seq = in.U64();
        entry.timeMs = Signed(in.U64());
        entry.recordsAfter = in.U32();
        entry.items = payload.substr(in.Position());
        entry.offset = at;
        if (entry.seq != expected++) throw Malformed{};
        contents.entries.push_back(entry);
        at += frame;
    }
    return contents;
}

}  // namespace reelkeep::journal
