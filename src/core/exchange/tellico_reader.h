#pragma once

#include <string>

#include "foreign_movie.h"

namespace reelkeep {

// The movies of a Tellico video collection: a .tc zip archive holding tellico.xml, or that XML
// file by itself. Another kind of collection, a damaged file, an archive without tellico.xml or
// a file over the size limit gives an error and no movies.
ForeignCatalogue ReadTellico(const std::string& path);

}  // namespace reelkeep
