#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <type_traits>

namespace reelkeep {

// Where a catalogue is read from. Readers pull large chunks, so the one virtual call per chunk
// costs nothing; the size is known up front so counts can be checked against the bytes left.
class IByteSource {
public:
    virtual ~IByteSource() = default;
    virtual std::uint64_t Size() const = 0;
    // Copies up to n of the next bytes to dst; fewer only at the end. Throws CFileError.
    virtual std::size_t Read(char* dst, std::size_t n) = 0;
};

// Where a catalogue is written to, in large chunks. Throws CFileError.
class IByteSink {
public:
    virtual ~IByteSink() = default;
    virtual void Write(const char* data, std::size_t n) = 0;
};

// Fills dst from readSome(dst, n), which may copy fewer bytes than asked (a single read() gives at
// most about 2 GiB) and returns 0 only at the end; returns fewer than n only at the end.
template <typename ReadSome>
requires std::is_invocable_r_v<std::size_t, ReadSome, char*, std::size_t> std::size_t ReadUntilFull(
    char* dst, std::size_t n, ReadSome&& readSome) {
    std::size_t total = 0;
    while (total < n) {
        const std::size_t got = readSome(dst + total, n - total);
        if (got == 0) break;
        total += got;
    }
    return total;
}

class CStringSink : public IByteSink {
public:
    void Write(const char* data, std::size_t n) override { bytes.append(data, n); }
    std::string bytes;
};

}  // namespace reelkeep
