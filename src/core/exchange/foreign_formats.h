#pragma once

#include <span>
#include <string>
#include <string_view>

#include "foreign_movie.h"

namespace reelkeep {

// A catalogue program whose files Reelkeep imports: its name on the command line and its
// reader.
struct ForeignFormat {
    std::string_view name;
    ForeignCatalogue (*read)(const std::string& path);
};

// Every format, in the order the command line lists them.
std::span<const ForeignFormat> ForeignFormats();

// The format of a command-line name ("tellico", "gcstar"…), or nullptr.
const ForeignFormat* ForeignFormatNamed(std::string_view name);

// The format a file is in, judged by its first bytes (a zip archive, the root element of its
// XML) and then by its name's ending; nullptr when neither tells.
const ForeignFormat* ForeignFormatOf(std::string_view firstBytes, std::string_view path);

// The first bytes of a file, as many as ForeignFormatOf looks at; empty when it cannot be read.
std::string FirstBytesOf(const std::string& path);

}  // namespace reelkeep
