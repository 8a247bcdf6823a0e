#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "byte_io.h"

namespace reelkeep {

// Writes the primitive items of a catalogue file to a sink through a large buffer. Text is
// written as its UTF-8 bytes, never as wide text.
class CSmfWriter {
public:
    explicit CSmfWriter(IByteSink& sink);
    CSmfWriter(const CSmfWriter&) = delete;
    CSmfWriter& operator=(const CSmfWriter&) = delete;

    void WriteU32(std::uint32_t value);
    void WriteCount(std::uint32_t count);
    void WriteString(std::string_view text);
    void WriteStringList(std::span<const std::string> values);
    void WriteColorList(std::span<const std::uint32_t> colors);
    // Hands what is buffered to the sink; call once at the end.
    void Flush();

private:
    void WriteU8(std::uint8_t value);
    void WriteU16(std::uint16_t value);
    void WriteBytes(const char* data, std::size_t n);

    IByteSink& sink_;
    std::vector<char> buffer_;
    std::size_t used_ = 0;
};

}  // namespace reelkeep
