#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "byte_io.h"

namespace reelkeep {

// The data ends inside an item, or a count or length claims more than the bytes left.
class CSmfFormatError : public std::runtime_error {
public:
    CSmfFormatError() : std::runtime_error("unexpected file format") {}
};

// Reads the primitive items of a catalogue file from a source, through a large buffer. Every
// count and length is checked against the bytes left before anything is allocated for it, so a
// damaged file cannot make the reader reserve more than the file could hold.
class CSmfReader {
public:
    explicit CSmfReader(IByteSource& source);

    std::uint64_t Remaining() const { return static_cast<std::uint64_t>(end_ - pos_) + unread_; }
    // Throws CSmfFormatError unless count items of itemBytes bytes each can still follow.
    void RequireItems(std::uint64_t count, std::uint64_t itemBytes) const;

    std::uint32_t ReadU32();
    std::uint32_t ReadCount();
    // A String as UTF-8 (8-bit text that is not UTF-8 is taken as Windows-1252).
    std::string ReadString();
    // A String list of which only the first keep values are kept (the rest are read past).
    std::vector<std::string> ReadStringList(std::uint32_t keep);
    std::vector<std::uint32_t> ReadColorList();

private:
    // Makes at least n (at most a few) bytes available in the buffer.
    void Ensure(std::size_t n);
    void Refill();
    std::uint8_t ReadU8();
    std::uint16_t ReadU16();
    // Reads a length prefix; wide tells whether UTF-16 text follows.
    std::uint32_t ReadLength(bool& wide);
    void ReadBytes(char* dst, std::size_t n);
    void SkipBytes(std::uint64_t n);
    void SkipString();

    IByteSource& source_;
    std::vector<char> buffer_;
    const char* pos_;
    const char* end_;
    std::uint64_t unread_;  // bytes of the source not yet in the buffer
};

}  // namespace reelkeep
