#include "export_writers.h"

#include <cerrno>
#include <fstream>

#include "catalogue_display.h"
#include "file_errors.h"

namespace reelkeep {

namespace {

// The ten fixed columns, in the order both formats write them.
constexpr std::array<Field, 10> kFixedFields = {
    Field::MovieName, Field::Actor1,  Field::Actor2,    Field::Actor3,    Field::Time,
    Field::Rating,    Field::Counter, Field::MediaType, Field::MovieType, Field::TapeNumber,
};
constexpr std::array<std::string_view, 10> kCsvHeadings = {
    "Title",  "Actors1", "Actors2", "Actors3", "Time",
    "Rating", "Counter", "Media",   "Type",    "Tape #",
};
// Ten wide; actors 2 and 3 go under the "Actors:" label.
constexpr std::array<std::string_view, 10> kTextLabels = {
    "Title:    ", "Actors:   ", "          ", "          ", "Time:     ",
    "Rating:   ", "Counter:  ", "Media:    ", "Type:     ", "Tape #:   ",
};
constexpr std::string_view kCsvSynopsisHeading = "Synopsis";
constexpr std::string_view kTextSynopsisLabel = "Synopsis: ";
constexpr std::string_view kCsvLineEnd = "\r\n";
constexpr std::string_view kTextBlockEnd = "\n\n";

void AppendCsvField(std::string& out, std::string_view value) {
    out += '"';
    out += value;
    out += "\",";
}

void AppendTextLine(std::string& out, std::string_view label, std::string_view value) {
    out += label;
    out += value;
    out += '\n';
}

}  // namespace

ExportColumns ExportColumnsOf(const CCatalogueDisplay& display) {
    return {display.Options().showSynopsis, display.Options().showCustom, display.CustomHeadings()};
}

CExportWriter::CExportWriter(std::ostream& out, ExportKind kind, ExportColumns columns)
    : out_(out), kind_(kind), columns_(std::move(columns)) {}

void CExportWriter::WriteHeader() {
    if (kind_ != ExportKind::Csv) return;
    buffer_.clear();
    for (std::string_view heading : kCsvHeadings) AppendCsvField(buffer_, heading);
    if (columns_.synopsis) AppendCsvField(buffer_, kCsvSynopsisHeading);
    for (std::size_t k = 0; k < kCustomFieldCount; ++k) {
        if (columns_.custom[k]) AppendCsvField(buffer_, columns_.headings[k]);
    }
    buffer_ += kCsvLineEnd;
    out_.write(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
}

void CExportWriter::WriteMovie(const RecordView& movie) {
    buffer_.clear();
    if (kind_ == ExportKind::Csv) {
        AppendCsvMovie(movie);
    } else {
        AppendTextBlock(movie);
    }
    out_.write(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
}

void CExportWriter::AppendCsvMovie(const RecordView& movie) {
    for (Field f : kFixedFields) AppendCsvField(buffer_, movie[FieldIndex(f)]);
    if (columns_.synopsis) AppendCsvField(buffer_, movie[FieldIndex(Field::Synopsis)]);
    for (std::size_t k = 0; k < kCustomFieldCount; ++k) {
        if (columns_.custom[k]) AppendCsvField(buffer_, movie[FieldIndex(CustomField(k))]);
    }
    buffer_ += kCsvLineEnd;
}

void CExportWriter::AppendTextBlock(const RecordView& movie) {
    for (std::size_t i = 0; i < kFixedFields.size(); ++i) {
        AppendTextLine(buffer_, kTextLabels[i], movie[FieldIndex(kFixedFields[i])]);
    }
    for (std::size_t k = 0; k < kCustomFieldCount; ++k) {
        if (!columns_.custom[k]) continue;
        buffer_ += columns_.headings[k];
        AppendTextLine(buffer_, ": ", movie[FieldIndex(CustomField(k))]);
    }
    if (columns_.synopsis) {
        AppendTextLine(buffer_, kTextSynopsisLabel, movie[FieldIndex(Field::Synopsis)]);
    }
    buffer_ += kTextBlockEnd;
}

bool WriteExport(std::ostream& out, ExportKind kind, const CCatalogueDisplay& display,
                 std::span<const std::uint32_t> records) {
    CExportWriter writer(out, kind, ExportColumnsOf(display));
    writer.WriteHeader();
    RecordView movie;
    for (std::uint32_t record : records) {
        if (!out) return false;
        for (std::size_t f = 0; f < kFieldCount; ++f) {
            movie[f] = display.Catalogue().Value(record, static_cast<Field>(f));
        }
        writer.WriteMovie(movie);
    }
    out.flush();
    return static_cast<bool>(out);
}

std::optional<std::string> WriteExportFile(const std::string& path, ExportKind kind,
                                           const CCatalogueDisplay& display,
                                           std::span<const std::uint32_t> records,
                                           const CTextLanguage& language) {
    errno = 0;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    const bool written = out && WriteExport(out, kind, display, records);
    const int error = errno;
    if (written) return std::nullopt;
    return FileErrorText(FileOperation::Write, error, path, language);
}

}  // namespace reelkeep
