#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "csv_reader.h"
#include "fields.h"
#include "foreign_movie.h"
#include "text_language.h"

namespace reelkeep {

// What an import from another catalogue program brought in and what it left behind.
struct ForeignImportReport {
    std::size_t imported = 0;
    // Values that found no field, by what they are ("images", "Director"…), with their count.
    std::map<std::string, std::size_t> leftOut;
    // Values cut to the longest a field takes, by the field's name, with their count.
    std::map<std::string, std::size_t> cut;
};

// The custom headings of a catalogue made by an import: Director, Year, Studio, Country.
HeadingTexts ForeignCustomHeadings(const CTextLanguage& language = PlainText());

// The movies as records; their values are moved out. Director, year, studio and country go to
// the custom fields whose headings name them (in English or in the given language), else they
// are reported as left out, as is whatever else found no field.
std::vector<RecordValues> FittedRecords(std::vector<ForeignMovie>& movies,
                                        const HeadingTexts& headings, ForeignImportReport& report,
                                        const CTextLanguage& language = PlainText(),
                                        std::size_t maxValueBytes = kMaxValueBytes);

// A running time in whole minutes ("102 min" -> "102", "2:13:00" -> "133", "1h 42m" -> "102");
// a text that is no running time comes back as it is.
std::string MinutesOf(std::string_view runningTime);

// A certification without the country it belongs to: "PG-13 (USA)" -> "PG-13".
std::string RatingOf(std::string_view certification);

// The report for a message box: the count, then what was left out and what was cut short.
std::string ForeignReportText(const ForeignImportReport& report,
                              const CTextLanguage& language = PlainText());

}  // namespace reelkeep
