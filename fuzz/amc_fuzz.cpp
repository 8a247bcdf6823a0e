// Arbitrary bytes read as an Ant Movie Catalog file, its catalogue or its XML export. Whatever
// they hold, reading must not crash and must give a reason and no movies, or movies and no
// reason; every text must be UTF-8, and what is kept must stay within what the bytes can carry:
// no more movies than the smallest movie fits, no more text than three UTF-8 bytes for each
// Windows-1252 byte.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "amc_reader.h"
#include "fuzz_check.h"
#include "memory_source.h"
#include "text_encoding.h"

namespace {

using namespace reelkeep;

// The smallest movie: an empty <Movie/> of the export.
constexpr std::size_t kSmallestMovieBytes = 8;

std::size_t CheckedText(const std::string& text) {
    FUZZ_CHECK(IsValidUtf8(text));
    return text.size();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    MemorySource source(std::span(reinterpret_cast<const char*>(data), size));
    const ForeignCatalogue read = ReadAmcSource(source);
    FUZZ_CHECK(read.error.empty() || read.movies.empty());
    FUZZ_CHECK(read.movies.size() <= size / kSmallestMovieBytes);
    std::size_t kept = 0;
    for (const ForeignMovie& m : read.movies) {
        for (const std::string* text :
             {&m.title, &m.medium, &m.runningTime, &m.certification, &m.number, &m.location,
              &m.director, &m.year, &m.studio, &m.country, &m.synopsis}) {
            kept += CheckedText(*text);
        }
        for (const std::string& name : m.cast) FUZZ_CHECK(!name.empty() && CheckedText(name) != 0);
        for (const std::string& genre : m.genres) FUZZ_CHECK(CheckedText(genre) != 0);
        for (const auto& [what, count] : m.leftOut) FUZZ_CHECK(IsValidUtf8(what) && count != 0);
    }
    FUZZ_CHECK(kept <= 3 * size);
    return 0;
}
