#include "catalogue_builder.h"

namespace reelkeep::test {

RecordValues ToRecord(const Movie& m) {
    // The members are in field order.
    return {m.title,   m.actor1, m.actor2,  m.actor3,  m.movieType, m.mediaType, m.time,    m.tape,
            m.counter, m.rating, m.custom1, m.custom2, m.custom3,   m.custom4,   m.synopsis};
}

std::vector<RecordValues> ToRecords(std::span<const Movie> movies) {
    std::vector<RecordValues> records;
    for (const Movie& m : movies) records.push_back(ToRecord(m));
    return records;
}

std::vector<RecordValues> RecordsOf(const CReelkeepDoc& doc) {
    std::vector<RecordValues> records;
    records.reserve(doc.Catalogue().Count());
    for (std::uint32_t r = 0; r < doc.Catalogue().Count(); ++r)
        records.push_back(doc.Catalogue().Record(r));
    return records;
}

void LoadCatalogue(CReelkeepDoc& doc, std::span<const RecordValues> records,
                   const HeadingTexts& headings) {
    CRecordLoader loader(static_cast<std::uint32_t>(records.size()));
    for (std::size_t f = 0; f < kFieldCount; ++f) {
        std::vector<std::string> column;
        column.reserve(records.size());
        for (const RecordValues& r : records) column.push_back(r[f]);
        loader.Take(static_cast<Field>(f), std::move(column));
    }
    doc.LoadRecords(loader, headings);
}

void FillCatalogue(CReelkeepDoc& doc, std::span<const RecordValues> records) {
    LoadCatalogue(doc, records);
    // Back to record order, so a test sees its records as it listed them.
    doc.ApplyFilters(doc.Display().Filters());
}

void FillCatalogue(CReelkeepDoc& doc, std::span<const Movie> movies) {
    FillCatalogue(doc, ToRecords(movies));
}

}  // namespace reelkeep::test
