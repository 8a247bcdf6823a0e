#pragma once

#include <cstdint>
#include <string>

#include "byte_io.h"
#include "foreign_movie.h"

namespace reelkeep {

// The largest Ant Movie Catalog file read. A catalogue with every cover stored inside stays well
// below it, and what reading keeps stays a few times the file's size at most.
inline constexpr std::uint64_t kMaxAmcFileBytes = std::uint64_t{512} << 20;

// Reads an Ant Movie Catalog catalogue (.amc) of versions 1.0 to 4.2: the fixed records of 1.0
// to 3.0 and the length-prefixed ones of 3.1 to 4.2. Text is Windows-1252 (kept as it is where
// it already reads as UTF-8). A file over kMaxAmcFileBytes, of another kind, cut short or with a
// length that does not fit gives an error and no movies; never a crash. ReadAmcSource throws
// FileError when the source cannot be read; ReadAmc turns that into the error as well.
ForeignCatalogue ReadAmcSource(ByteSource& source);
ForeignCatalogue ReadAmc(const std::string& path);

}  // namespace reelkeep
