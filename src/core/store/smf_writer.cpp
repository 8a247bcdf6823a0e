#include "smf_writer.h"

#include <cstring>
#include <limits>
#include <stdexcept>

#include "smf_format.h"

namespace reelkeep {

namespace {

constexpr std::size_t kBufferSize = std::size_t{1} << 20;

}  // namespace

CSmfWriter::CSmfWriter(IByteSink& sink) : sink_(sink), buffer_(kBufferSize) {}

void CSmfWriter::Flush() {
    if (used_ != 0) sink_.Write(buffer_.data(), used_);
    used_ = 0;
}

void CSmfWriter::WriteBytes(const char* data, std::size_t n) {
    if (buffer_.size() - used_ < n) Flush();
    if (n >= buffer_.size()) {
        sink_.Write(data, n);
        return;
    }
    std::memcpy(buffer_.data() + used_, data, n);
    used_ += n;
}

void CSmfWriter::WriteU8(std::uint8_t value) {
    const char byte = static_cast<char>(value);
    WriteBytes(&byte, 1);
}

void CSmfWriter::WriteU16(std::uint16_t value) {
    const char bytes[2] = {static_cast<char>(value & 0xFF), static_cast<char>(value >> 8)};
    WriteBytes(bytes, 2);
}

void CSmfWriter::WriteU32(std::uint32_t value) {
    const char bytes[4] = {static_cast<char>(value & 0xFF), static_cast<char>((value >> 8) & 0xFF),
                           static_cast<char>((value >> 16) & 0xFF), static_cast<char>(value >> 24)};
    WriteBytes(bytes, 4);
}

void CSmfWriter::WriteCount(std::uint32_t count) {
    if (count < smf::kLongCount) {
        WriteU16(static_cast<std::uint16_t>(count));
    } else {
        WriteU16(smf::kLongCount);
        WriteU32(count);
    }
}

void CSmfWriter::WriteString(std::string_view text) {
    // The format has no room for a length beyond 32 bits.
    if (text.size() > std::numeric_limits<std::uint32_t>::max()) {
        throw std::length_error("text too long for a catalogue file");
    }
    const auto length = static_cast<std::uint32_t>(text.size());
    if (length < smf::kLongString) {
        WriteU8(static_cast<std::uint8_t>(length));
    } else if (length < smf::kLongerString) {
        WriteU8(smf::kLongString);
        WriteU16(static_cast<std::uint16_t>(length));
    } else {
        WriteU8(smf::kLongString);
        WriteU16(smf::kLongCount);
        WriteU32(length);
    }
    WriteBytes(text.data(), text.size());
}

void CSmfWriter::WriteStringList(std::span<const std::string> values) {
    WriteCount(static_cast<std::uint32_t>(values.size()));
    for (const std::string& value : values) WriteString(value);
}

void CSmfWriter::WriteColorList(std::span<const std::uint32_t> colors) {
    WriteCount(static_cast<std::uint32_t>(colors.size()));
    for (const std::uint32_t color : colors) WriteU32(color);
}

}  // namespace reelkeep
