#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

#include "fields.h"
#include "ui_interface.h"

namespace reelkeep {

class CCatalogueDisplay;

// The optional columns of an export: those the views show, under the catalogue's headings.
struct ExportColumns {
    bool synopsis = false;
    std::array<bool, 4> custom{};
    HeadingTexts headings;
};

ExportColumns ExportColumnsOf(const CCatalogueDisplay& display);

// One movie's fifteen values, indexed by Field, as the writers read them.
using RecordView = std::array<std::string_view, kFieldCount>;

// Writes the CSV or text export to a stream, one movie's line or block with a single write.
// Values go out exactly as stored: the CSV quotes every field without doubling inner quotes,
// which is the format the programs reading these files were written against.
class CExportWriter {
public:
    CExportWriter(std::ostream& out, ExportKind kind, ExportColumns columns);

    // The CSV header line; the text listing has none.
    void WriteHeader();
    void WriteMovie(const RecordView& movie);

private:
    void AppendCsvMovie(const RecordView& movie);
    void AppendTextBlock(const RecordView& movie);

    std::ostream& out_;
    ExportKind kind_;
    ExportColumns columns_;
    std::string buffer_;  // reused for every movie
};

// Writes the header and the given records in the given order; false when the stream failed.
bool WriteExport(std::ostream& out, ExportKind kind, const CCatalogueDisplay& display,
                 std::span<const std::uint32_t> records);

// Creates or truncates path and writes the export into it. Returns the text telling why it
// failed, in the given language, or nothing; what was written before a failure stays in the file.
std::optional<std::string> WriteExportFile(const std::string& path, ExportKind kind,
                                           const CCatalogueDisplay& display,
                                           std::span<const std::uint32_t> records,
                                           const CTextLanguage& language = PlainText());

}  // namespace reelkeep
