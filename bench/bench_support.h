#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>

namespace reelkeep::bench {

// A file name in the temporary directory, unique to this run so parallel runs do not collide.
std::string TempPath(std::string_view name);

// Generating a million movies takes a while, so a benchmark builds what it needs for each size
// once per run (T constructed from the size) and every later run reuses it.
template <typename T>
T& OncePerSize(std::uint32_t n) {
    static std::map<std::uint32_t, std::unique_ptr<T>> made;
    auto& slot = made[n];
    if (!slot) slot = std::make_unique<T>(n);
    return *slot;
}

}  // namespace reelkeep::bench
