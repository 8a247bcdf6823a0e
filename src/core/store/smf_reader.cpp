#include "smf_reader.h"

#include <algorithm>
#include <cstring>

#include "smf_format.h"
#include "text_encoding.h"

namespace reelkeep {

namespace {

constexpr std::size_t kBufferSize = std::size_t{1} << 20;

}  // namespace

CSmfReader::CSmfReader(IByteSource& source)
    : source_(source), buffer_(kBufferSize), unread_(source.Size()) {
    pos_ = end_ = buffer_.data();
}

void CSmfReader::RequireItems(std::uint64_t count, std::uint64_t itemBytes) const {
    // Divide rather than multiply: count * itemBytes may not fit.
    if (itemBytes != 0 && count > Remaining() / itemBytes) throw CSmfFormatError();
}

void CSmfReader::Refill() {
    const std::size_t kept = static_cast<std::size_t>(end_ - pos_);
    std::memmove(buffer_.data(), pos_, kept);
    const std::size_t want =
        static_cast<std::size_t>(std::min<std::uint64_t>(buffer_.size() - kept, unread_));
    std::size_t got = 0;
    while (got < want) {
        const std::size_t n = source_.Read(buffer_.data() + kept + got, want - got);
        if (n == 0) break;
        got += n;
    }
    // A source shorter than its size (the file shrank meanwhile) ends inside an item.
    if (got < want) throw CSmfFormatError();
    unread_ -= got;
    pos_ = buffer_.data();
    end_ = pos_ + kept + got;
}

void CSmfReader::Ensure(std::size_t n) {
    if (static_cast<std::size_t>(end_ - pos_) >= n) return;
    RequireItems(n, 1);
    Refill();
}

std::uint8_t CSmfReader::ReadU8() {
    Ensure(1);
    return static_cast<std::uint8_t>(*pos_++);
}

std::uint16_t CSmfReader::ReadU16() {
    Ensure(2);
    const auto* p = reinterpret_cast<const unsigned char*>(pos_);
    pos_ += 2;
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

std::uint32_t CSmfReader::ReadU32() {
    Ensure(4);
    const auto* p = reinterpret_cast<const unsigned char*>(pos_);
    pos_ += 4;
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

std::uint32_t CSmfReader::ReadCount() {
    const std::uint16_t shortCount = ReadU16();
    return shortCount == smf::kLongCount ? ReadU32() : shortCount;
}

std::uint32_t CSmfReader::ReadLength(bool& wide) {
    wide = false;
    const std::uint8_t shortLength = ReadU8();
    if (shortLength < smf::kLongString) return shortLength;
    std::uint16_t length = ReadU16();
    if (length == smf::kWideText) {
        // A second prefix follows; in it 0xFFFE is a plain length.
        wide = true;
        const std::uint8_t wideShort = ReadU8();
        if (wideShort < smf::kLongString) return wideShort;
        length = ReadU16();
    }
    return length == smf::kLongCount ? ReadU32() : length;
}

void CSmfReader::ReadBytes(char* dst, std::size_t n) {
    while (n != 0) {
        if (pos_ == end_) Refill();
        const std::size_t chunk = std::min(n, static_cast<std::size_t>(end_ - pos_));
        std::memcpy(dst, pos_, chunk);
        pos_ += chunk;
        dst += chunk;
        n -= chunk;
    }
}

void CSmfReader::SkipBytes(std::uint64_t n) {
    while (n != 0) {
        if (pos_ == end_) Refill();
        const auto chunk = std::min<std::uint64_t>(n, static_cast<std::uint64_t>(end_ - pos_));
        pos_ += chunk;
        n -= chunk;
    }
}

std::string CSmfReader::ReadString() {
    bool wide = false;
    const std::uint32_t length = ReadLength(wide);
    if (wide) {
        RequireItems(length, 2);
        std::u16string units(length, u'\0');
        for (char16_t& unit : units) unit = ReadU16();
        return Utf16ToUtf8(units);
    }
    RequireItems(length, 1);
    std::string text;
    if (static_cast<std::size_t>(end_ - pos_) >= length) {
        text.assign(pos_, length);
        pos_ += length;
    } else {
        text.resize(length);
        ReadBytes(text.data(), length);
    }
    return StoredTextToUtf8(std::move(text));
}

void CSmfReader::SkipString() {
    bool wide = false;
    const std::uint32_t length = ReadLength(wide);
    const std::uint64_t bytes = std::uint64_t{length} * (wide ? 2 : 1);
    RequireItems(bytes, 1);
    SkipBytes(bytes);
}

std::vector<std::string> CSmfReader::ReadStringList(std::uint32_t keep) {
    const std::uint32_t count = ReadCount();
    RequireItems(count, 1);  // every String takes at least its prefix byte
    std::vector<std::string> values;
    values.reserve(std::min(count, keep));
    for (std::uint32_t i = 0; i < count; ++i) {
        if (i < keep) {
            values.push_back(ReadString());
        } else {
            SkipString();
        }
    }
    return values;
}

std::vector<std::uint32_t> CSmfReader::ReadColorList() {
    const std::uint32_t count = ReadCount();
    RequireItems(count, 4);
    std::vector<std::uint32_t> colors(count);
    for (std::uint32_t& color : colors) color = ReadU32();
    return colors;
}

}  // namespace reelkeep
