#include "byte_io.h"

#include <algorithm>
#include <cstring>

namespace reelkeep {

std::size_t MemorySource::Read(char* dst, std::size_t n) {
    const std::size_t count = std::min(n, bytes_.size() - pos_);
    if (count != 0) std::memcpy(dst, bytes_.data() + pos_, count);
    pos_ += count;
    return count;
}

}  // namespace reelkeep
