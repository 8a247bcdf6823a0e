#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

namespace reelkeep {

enum class ZipResult { Read, Missing, Damaged, TooLarge, Stopped };

// Passes the member called name of a zip archive to sink, inflated, piece by piece; sink
// returns false to stop. A member that would inflate to more than maxBytes is refused before
// any of it is inflated, and one that inflates to anything but its stated size or checksum is
// damaged.
ZipResult ReadZipMember(std::string_view zip, std::string_view name, std::uint64_t maxBytes,
                        const std::function<bool(std::string_view)>& sink);

// Whether bytes begin as a zip archive does.
bool LooksLikeZip(std::string_view bytes);

}  // namespace reelkeep
