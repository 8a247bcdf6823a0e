#pragma once

#include <cstdint>
#include <string>

#include "reelkeep_doc.h"

namespace reelkeep::bench {

// A spreadsheet's CSV file of n generated movies, its columns named as a spreadsheet user would
// name them and the actors in one column; removed when the program ends.
struct SpreadsheetFile {
    std::string path;
    HeadingTexts headings;  // the generated catalogue's custom headings, which name four columns

    explicit SpreadsheetFile(std::uint32_t n);
    ~SpreadsheetFile();
    SpreadsheetFile(const SpreadsheetFile&) = delete;
    SpreadsheetFile& operator=(const SpreadsheetFile&) = delete;
};

}  // namespace reelkeep::bench
