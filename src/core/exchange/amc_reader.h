#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "byte_io.h"
#include "foreign_movie.h"

namespace reelkeep {

// The largest Ant Movie Catalog file read. A catalogue with every cover stored inside stays well
// below it, and what reading keeps stays a few times the file's size at most.
inline constexpr std::uint64_t kMaxAmcFileBytes = std::uint64_t{512} << 20;

// The most movies one file may bring: what reading keeps of each stays within memory however
// small the file's movies are.
inline constexpr std::size_t kMaxAmcMovies = 1'000'000;

// Reads an Ant Movie Catalog catalogue (.amc) of versions 1.0 to 4.2: the fixed records of 1.0
// to 3.0 and the length-prefixed ones of 3.1 to 4.2. Text is Windows-1252 (kept as it is where
// it already reads as UTF-8). A file that begins as XML is read as AMC's XML export instead. A
// file over kMaxAmcFileBytes or kMaxAmcMovies, of another kind, cut short or with a length that
// does not fit gives an error and no movies; never a crash. The Source forms throw CFileError when
// the source cannot be read; the others turn that into the error as well.
ForeignCatalogue ReadAmcSource(IByteSource& source);
ForeignCatalogue ReadAmc(const std::string& path);

// Reads AMC's XML export (<AntMovieCatalog><Catalog><Contents><Movie .../>): UTF-8, Latin-1 or
// Windows-1252, with the same fields as the catalogue. A document type is refused before any
// movie is read, so no entity is ever expanded. alreadyRead: the file's first bytes, already
// taken from source.
ForeignCatalogue ReadAmcXmlSource(IByteSource& source, std::string_view alreadyRead = {});
ForeignCatalogue ReadAmcXml(const std::string& path);

}  // namespace reelkeep
