#pragma once

#include <string>

#include "foreign_movie.h"

namespace reelkeep {

// The movies of Data Crow's XML export (<data-crow-objects>, a <movie> per movie). An export of
// other items only, a damaged file or one over the size limit gives an error and no movies.
ForeignCatalogue ReadDataCrow(const std::string& path);

}  // namespace reelkeep
