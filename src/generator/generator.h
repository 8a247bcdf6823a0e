#pragma once

#include <cstdint>

namespace reelkeep {

class CReelkeepDoc;

// Replaces the document's catalogue with n made-up movies. The same n and seed give the same
// catalogue on every machine and library version. The document ends as after loading a file
// (lookup lists, display order, title sort), marked modified.
void GenerateCatalogue(CReelkeepDoc& doc, std::uint32_t n, std::uint64_t seed);

}  // namespace reelkeep
