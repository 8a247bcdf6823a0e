#include "export_writers.h"

#include <cerrno>
#include <fstream>

#include "catalogue_display.h"
#include "file_errors.h"

namespace reelkeep {

namespace {

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
    for (Field f : FieldsInExportOrder()) AppendCsvField(buffer_, InfoOf(f).csvHeading);
    if (columns_.synopsis) AppendCsvField(buffer_, InfoOf(Field::Synopsis).csvHeading);
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
    for (Field f : FieldsInExportOrder()) AppendCsvField(buffer_, movie[FieldIndex(f)]);
    if (columns_.synopsis) AppendCsvField(buffer_, movie[FieldIndex(Field::Synopsis)]);
    for (std::size_t k = 0; k < kCustomFieldCount; ++k) {
        if (columns_.custom[k]) AppendCsvField(buffer_, movie[FieldIndex(CustomField(k))]);
    }
    buffer_ += kCsvLineEnd;
}

void CExportWriter::AppendTextBlock(const RecordView& movie) {
    for (Field f : FieldsInExportOrder()) {
        AppendTextLine(buffer_, InfoOf(f).textLabel, movie[FieldIndex(f)]);
    }
    for (std::size_t k = 0; k < kCustomFieldCount; ++k) {
        if (!columns_.custom[k]) continue;
        buffer_ += columns_.headings[k];
        AppendTextLine(buffer_, ": ", movie[FieldIndex(CustomField(k))]);
    }
    if (columns_.synopsis) {
        AppendTextLine(buffer_, InfoOf(Field::Synopsis).textLabel,
                       movie[FieldIndex(Field::Synopsis)]);
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
