#pragma once

#include <string>

#include "foreign_movie.h"

namespace reelkeep {

// The movies of a GCstar collection file (.gcs, <collection type="GCfilms">). Another kind of
// collection, a damaged file or one over the size limit gives an error and no movies.
ForeignCatalogue ReadGcstar(const std::string& path);

}  // namespace reelkeep
