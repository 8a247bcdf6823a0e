#include "zip_member.h"

#include <zlib.h>

#include <algorithm>
#include <array>
#include <optional>

namespace reelkeep {

namespace {

constexpr std::uint32_t kLocalHeader = 0x04034b50;
constexpr std::uint32_t kCentralHeader = 0x02014b50;
constexpr std::uint32_t kEndOfDirectory = 0x06054b50;
constexpr std::size_t kLocalHeaderSize = 30;
constexpr std::size_t kCentralHeaderSize = 46;
constexpr std::size_t kEndSize = 22;
constexpr std::size_t kMaxComment = 0xFFFF;
constexpr std::uint16_t kStored = 0;
constexpr std::uint16_t kDeflated = 8;
constexpr std::uint16_t kEncrypted = 1;

// Little-endian numbers at an offset, or nothing past the end.
class CBytes {
public:
    explicit CBytes(std::string_view bytes) : bytes_(bytes) {}
    std::optional<std::uint32_t> U16(std::size_t at) const { return Number(at, 2); }
    std::optional<std::uint32_t> U32(std::size_t at) const { return Number(at, 4); }

private:
    std::optional<std::uint32_t> Number(std::size_t at, std::size_t width) const {
        if (at > bytes_.size() || bytes_.size() - at < width) return std::nullopt;
        std::uint32_t value = 0;
        for (std::size_t i = width; i-- > 0;) {
            value = (value << 8) | static_cast<unsigned char>(bytes_[at + i]);
        }
        return value;
    }
    std::string_view bytes_;
};

struct Member {
    std::uint16_t flags = 0;
    std::uint16_t method = 0;
    std::uint32_t crc = 0;
    std::uint64_t packedSize = 0;
    std::uint64_t size = 0;
    std::uint64_t localOffset = 0;
};

std::optional<std::size_t> EndOfDirectory(std::string_view zip) {
    const CBytes bytes(zip);
    if (zip.size() < kEndSize) return std::nullopt;
    const std::size_t lowest = zip.size() - std::min(zip.size(), kEndSize + kMaxComment);
    for (std::size_t at = zip.size() - kEndSize + 1; at-- > lowest;) {
        if (bytes.U32(at) == kEndOfDirectory) return at;
    }
    return std::nullopt;
}

// The central directory's entry of name; Damaged when the directory does not hold together.
ZipResult FindMember(std::string_view zip, std::string_view name, Member& member) {
    const CBytes bytes(zip);
    const std::optional<std::size_t> end = EndOfDirectory(zip);
    if (!end) return ZipResult::Damaged;
    const auto entries = bytes.U16(*end + 10);
    const auto offset = bytes.U32(*end + 16);
    if (!entries || !offset) return ZipResult::Damaged;
    std::size_t at = *offset;
    for (std::uint32_t i = 0; i < *entries; ++i) {
        const auto signature = bytes.U32(at);
        const auto nameLength = bytes.U16(at + 28);
        const auto extraLength = bytes.U16(at + 30);
        const auto commentLength = bytes.U16(at + 32);
        if (signature != kCentralHeader || !nameLength || !extraLength || !commentLength ||
            at + kCentralHeaderSize > zip.size() ||
            zip.size() - at - kCentralHeaderSize < *nameLength) {
            return ZipResult::Damaged;
        }
        if (zip.substr(at + kCentralHeaderSize, *nameLength) == name) {
            member.flags = static_cast<std::uint16_t>(*bytes.U16(at + 8));
            member.method = static_cast<std::uint16_t>(*bytes.U16(at + 10));
            member.crc = *bytes.U32(at + 16);
            member.packedSize = *bytes.U32(at + 20);
            member.size = *bytes.U32(at + 24);
            member.localOffset = *bytes.U32(at + 42);
            return ZipResult::Read;
        }
        at += kCentralHeaderSize + *nameLength + *extraLength + *commentLength;
    }
    return ZipResult::Missing;
}

// The member's packed bytes, found through its local header.
std::optional<std::string_view> PackedData(std::string_view zip, const Member& member) {
    const CBytes bytes(zip);
    const std::uint64_t at = member.localOffset;
    const auto nameLength = bytes.U16(at + 26);
    const auto extraLength = bytes.U16(at + 28);
    if (bytes.U32(at) != kLocalHeader || !nameLength || !extraLength) return std::nullopt;
    const std::uint64_t start = at + kLocalHeaderSize + *nameLength + *extraLength;
    if (start > zip.size() || zip.size() - start < member.packedSize) return std::nullopt;
    return zip.substr(start, member.packedSize);
}

ZipResult Inflate(std::string_view packed, const Member& member,
                  const std::function<bool(std::string_view)>& sink) {
    z_stream stream{};
    if (inflateInit2(&stream, -MAX_WBITS) != Z_OK) throw std::bad_alloc();
    struct Ender {
        z_stream& s;
        ~Ender() { inflateEnd(&s); }
    } ender{stream};
    std::array<char, 1 << 16> out{};
    std::uint64_t produced = 0;
    uLong crc = crc32(0, nullptr, 0);
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(packed.data()));
    stream.avail_in = static_cast<uInt>(packed.size());
    int status = Z_OK;
    while (status != Z_STREAM_END) {
        stream.next_out = reinterpret_cast<Bytef*>(out.data());
        stream.avail_out = static_cast<uInt>(out.size());
        status = inflate(&stream, Z_NO_FLUSH);
        if (status == Z_MEM_ERROR) throw std::bad_alloc();
        if (status != Z_OK && status != Z_STREAM_END) return ZipResult::Damaged;
        const std::size_t got = out.size() - stream.avail_out;
        if (got == 0 && status == Z_OK && stream.avail_in == 0) return ZipResult::Damaged;
        produced += got;
        if (produced > member.size) return ZipResult::Damaged;
        crc = crc32(crc, reinterpret_cast<const Bytef*>(out.data()), static_cast<uInt>(got));
        if (got != 0 && !sink(std::string_view(out.data(), got))) return ZipResult::Stopped;
    }
    if (produced != member.size || crc != member.crc) return ZipResult::Damaged;
    return ZipResult::Read;
}

}  // namespace

bool LooksLikeZip(std::string_view bytes) { return CBytes(bytes).U32(0) == kLocalHeader; }

ZipResult ReadZipMember(std::string_view zip, std::string_view name, std::uint64_t maxBytes,
                        const std::function<bool(std::string_view)>& sink) {
    Member member;
    if (const ZipResult found = FindMember(zip, name, member); found != ZipResult::Read) {
        return found;
    }
    if (member.size > maxBytes) return ZipResult::TooLarge;
    if ((member.flags & kEncrypted) != 0) return ZipResult::Damaged;
    const std::optional<std::string_view> packed = PackedData(zip, member);
    if (!packed) return ZipResult::Damaged;
    if (member.method == kStored) {
        if (member.packedSize != member.size ||
            crc32(0, reinterpret_cast<const Bytef*>(packed->data()),
                  static_cast<uInt>(packed->size())) != member.crc) {
            return ZipResult::Damaged;
        }
        return sink(*packed) ? ZipResult::Read : ZipResult::Stopped;
    }
    if (member.method != kDeflated) return ZipResult::Damaged;
    return Inflate(*packed, member, sink);
}

}  // namespace reelkeep
