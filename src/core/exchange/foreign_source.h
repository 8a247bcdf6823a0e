#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "foreign_movie.h"
#include "xml_stream.h"

namespace reelkeep {

// The largest file an import from another catalogue program reads, and the largest a member
// of a zip archive may inflate to.
inline constexpr std::uint64_t kMaxForeignFileBytes = std::uint64_t{512} << 20;

// Reads a whole file of at most maxBytes into bytes; else the message saying why not.
std::string ReadForeignFile(const std::string& path, std::string& bytes,
                            std::uint64_t maxBytes = kMaxForeignFileBytes);

// The message for a stream that stopped, or an empty text when it did not.
std::string XmlFailureText(XmlFailure failure);

// Parses an XML file read whole through stream; the catalogue's error is set when it fails.
void ParseForeignXml(const std::string& path, CXmlStream& stream, ForeignCatalogue& catalogue);

// Texts of a source trimmed of surrounding spaces, tabs and line breaks.
std::string_view TrimmedView(std::string_view text);
std::string TrimmedText(std::string_view text);

// The values of a list element, one per child, in their order: a child's own text, the text
// of its <name> (a reference to a person or genre) or of its first <column> or <col> (a row of
// a table such as name and role). Empty values are passed over.
std::vector<std::string> ListValues(const XmlElement* list);

// The values joined with ", ".
std::string Joined(const std::vector<std::string>& values);

// Runs a reader: running out of memory becomes its message, and a file that failed gives no
// movies at all.
ForeignCatalogue ReadGuarded(const std::function<void(ForeignCatalogue&)>& read);

// Counts one left-out value of a source under what it is, when it holds something.
void CountLeftOut(ForeignMovie& movie, std::string_view what, std::string_view value);

}  // namespace reelkeep
