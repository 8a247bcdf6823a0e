#pragma once

#include <algorithm>
#include <cstring>
#include <span>

#include "byte_io.h"

namespace reelkeep {

// Bytes already in memory, read as a file's would be.
class MemorySource : public IByteSource {
public:
    explicit MemorySource(std::span<const char> bytes) : bytes_(bytes) {}
    std::uint64_t Size() const override { return bytes_.size(); }
    std::size_t Read(char* dst, std::size_t n) override {
        const std::size_t count = std::min(n, bytes_.size() - pos_);
        if (count != 0) std::memcpy(dst, bytes_.data() + pos_, count);
        pos_ += count;
        return count;
    }

private:
    std::span<const char> bytes_;
    std::size_t pos_ = 0;
};

}  // namespace reelkeep
