#include "foreign_import.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>

#include "foreign_source.h"
#include "messages.h"
#include "text_compare.h"

namespace reelkeep {

namespace {

// One line of text: the entry dialog's single-line fields cannot show a line break.
std::string OneLine(std::string_view text) {
    std::string line;
    line.reserve(text.size());
    for (const char c : TrimmedView(text)) {
        const bool breaks = c == '\r' || c == '\n' || c == '\t';
        if (breaks && !line.empty() && line.back() == ' ') continue;
        line += breaks ? ' ' : c;
    }
    return line;
}

// The catalogue files break lines with "\r\n", as the entry dialog writes them.
std::string WithCatalogueBreaks(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    text = TrimmedView(text);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        if (text[i] == '\n' || text[i] == '\r') {
            out += "\r\n";
        } else {
            out += text[i];
        }
    }
    return out;
}

std::optional<unsigned> NumberOf(std::string_view digits) {
    unsigned value = 0;
    if (digits.empty() || digits.size() > 6) return std::nullopt;
    const auto [end, failure] =
        std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (failure != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
    return value;
}

// "2:13:00" or "2:13": hours first, as running times are written.
std::optional<unsigned> ClockMinutes(std::string_view text) {
    std::array<unsigned, 3> parts{};
    std::size_t count = 0;
    while (count < parts.size()) {
        const std::size_t colon = std::min(text.find(':'), text.size());
        const std::optional<unsigned> part = NumberOf(TrimmedView(text.substr(0, colon)));
        if (!part) return std::nullopt;
        parts[count++] = *part;
        if (colon == text.size()) break;
        text.remove_prefix(colon + 1);
        if (count == parts.size()) return std::nullopt;
    }
    if (count < 2 || parts[1] >= 60 || (count == 3 && parts[2] >= 60)) return std::nullopt;
    return parts[0] * 60 + parts[1];
}

bool IsUnit(std::string_view unit, std::initializer_list<std::string_view> names) {
    return std::any_of(names.begin(), names.end(),
                       [unit](std::string_view name) { return EqualsNoCase(unit, name); });
}

// "102", "102 min", "1h 42m", "2 hours": numbers each followed by an hour or minute unit.
std::optional<unsigned> UnitMinutes(std::string_view text) {
    unsigned total = 0;
    bool any = false;
    while (!(text = TrimmedView(text)).empty()) {
        const std::size_t digits = std::min(text.find_first_not_of("0123456789"), text.size());
        const std::optional<unsigned> number = NumberOf(text.substr(0, digits));
        if (!number) return std::nullopt;
        text = TrimmedView(text.substr(digits));
        const std::size_t letters = std::min(text.find_first_of(" 0123456789"), text.size());
        std::string_view unit = text.substr(0, letters);
        if (unit.size() > 1 && unit.back() == '.') unit.remove_suffix(1);
        text.remove_prefix(letters);
        if (IsUnit(unit, {"h", "hr", "hrs", "hour", "hours", "std"})) {
            total += *number * 60;
        } else if (unit.empty() ||
                   IsUnit(unit, {"m", "mn", "min", "mins", "minute", "minutes", "'", "minuten"})) {
            total += *number;
        } else {
            return std::nullopt;
        }
        any = true;
    }
    if (!any) return std::nullopt;
    return total;
}

struct CustomSource {
    std::string_view heading;
    std::string ForeignMovie::*value;
};

constexpr std::array<CustomSource, kCustomFieldCount> kCustomSources = {{
    {msg::kHeadingDirector, &ForeignMovie::director},
    {msg::kHeadingYear, &ForeignMovie::year},
    {msg::kHeadingStudio, &ForeignMovie::studio},
    {msg::kHeadingCountry, &ForeignMovie::country},
}};

// For each custom source, the custom field whose heading names it.
using CustomPlan = std::array<std::optional<Field>, kCustomFieldCount>;

CustomPlan PlanCustomFields(const HeadingTexts& headings, const CTextLanguage& language) {
    CustomPlan plan;
    for (std::size_t s = 0; s < kCustomSources.size(); ++s) {
        const std::string_view english = kCustomSources[s].heading;
        const std::string translated = language.Text(english);
        for (std::size_t k = 0; k < kCustomFieldCount && !plan[s]; ++k) {
            const std::string_view heading = TrimmedView(headings[k]);
            if (EqualsNoCase(heading, english) || EqualsNoCase(heading, translated)) {
                plan[s] = CustomField(k);
            }
        }
    }
    return plan;
}

std::string_view FieldName(Field field, const HeadingTexts& headings) {
    for (std::size_t k = 0; k < kCustomFieldCount; ++k) {
        if (field == CustomField(k)) return headings[k];
    }
    // The three actor fields count as one in a report.
    for (std::size_t k = 0; k < 3; ++k) {
        if (field == ActorField(k)) return msg::kFieldActors;
    }
    return InfoOf(field).caption;
}

class CFitter {
public:
    CFitter(const HeadingTexts& headings, ForeignImportReport& report,
            const CTextLanguage& language, std::size_t maxValueBytes)
        : headings_(headings),
          report_(report),
          plan_(PlanCustomFields(headings, language)),
          maxValueBytes_(maxValueBytes) {}

    RecordValues Fit(ForeignMovie& movie) {
        RecordValues values;
        Put(values, Field::MovieName, OneLine(movie.title));
        FitCast(values, movie.cast);
        if (!movie.genres.empty()) Put(values, Field::MovieType, OneLine(movie.genres.front()));
        CountLeft(msg::kLeftMoreGenres,
                  movie.genres.size() - std::min<std::size_t>(1, movie.genres.size()));
        Put(values, Field::MediaType, OneLine(movie.medium));
        Put(values, Field::Time, MinutesOf(OneLine(movie.runningTime)));
        Put(values, Field::Rating, RatingOf(OneLine(movie.certification)));
        Put(values, Field::TapeNumber, OneLine(movie.number));
        Put(values, Field::Counter, OneLine(movie.location));
        for (std::size_t s = 0; s < kCustomSources.size(); ++s) {
            std::string value = OneLine(movie.*kCustomSources[s].value);
            if (value.empty()) continue;
            if (plan_[s]) {
                Put(values, *plan_[s], std::move(value));
            } else {
                CountLeft(kCustomSources[s].heading, 1);
            }
        }
        Put(values, Field::Synopsis, WithCatalogueBreaks(movie.synopsis));
        for (auto& [what, count] : movie.leftOut) CountLeft(what, count);
        return values;
    }

private:
    void Put(RecordValues& values, Field field, std::string value) {
        if (CutToLimit(value, maxValueBytes_))
            ++report_.cut[std::string(FieldName(field, headings_))];
        values[FieldIndex(field)] = std::move(value);
    }

    void CountLeft(std::string_view what, std::size_t count) {
        if (count != 0) report_.leftOut[std::string(what)] += count;
    }

    void FitCast(RecordValues& values, const std::vector<std::string>& cast) {
        std::size_t slot = 0;
        for (const std::string& member : cast) {
            std::string name = OneLine(member);
            if (name.empty()) continue;
            if (slot == kActorSlotCount) {
                CountLeft(msg::kLeftMoreActors, 1);
            } else {
                Put(values, ActorField(slot++), std::move(name));
            }
        }
    }

    const HeadingTexts& headings_;
    ForeignImportReport& report_;
    CustomPlan plan_;
    std::size_t maxValueBytes_;
};

// "images (2), loans (1)", each name in the given language.
std::string CountList(const std::map<std::string, std::size_t>& counts,
                      const CTextLanguage& language) {
    std::string list;
    for (const auto& [what, count] : counts) {
        if (!list.empty()) list += ", ";
        list += language.Text(what) + " (" + language.Number(count) + ")";
    }
    return list;
}

}  // namespace

HeadingTexts ForeignCustomHeadings(const CTextLanguage& language) {
    HeadingTexts headings;
    for (std::size_t k = 0; k < kCustomFieldCount; ++k) {
        headings[k] = language.Text(kCustomSources[k].heading);
    }
    return headings;
}

std::vector<RecordValues> FittedRecords(std::vector<ForeignMovie>& movies,
                                        const HeadingTexts& headings, ForeignImportReport& report,
                                        const CTextLanguage& language, std::size_t maxValueBytes) {
    CFitter fitter(headings, report, language, maxValueBytes);
    std::vector<RecordValues> records;
    records.reserve(movies.size());
    for (ForeignMovie& movie : movies) records.push_back(fitter.Fit(movie));
    report.imported = records.size();
    return records;
}

std::string MinutesOf(std::string_view runningTime) {
    const std::string_view text = TrimmedView(runningTime);
    const std::optional<unsigned> minutes =
        text.find(':') != std::string_view::npos ? ClockMinutes(text) : UnitMinutes(text);
    return minutes ? std::to_string(*minutes) : std::string(runningTime);
}

std::string RatingOf(std::string_view certification) {
    const std::string_view text = TrimmedView(certification);
    if (text.ends_with(')')) {
        const std::size_t open = text.rfind('(');
        const std::string_view rating = TrimmedView(text.substr(0, open));
        if (open != std::string_view::npos && !rating.empty()) return std::string(rating);
    }
    return std::string(text);
}

std::string ForeignReportText(const ForeignImportReport& report, const CTextLanguage& language) {
    std::string text =
        FillIn(language.Text(msg::kImportedMovies), "%1", language.Number(report.imported));
    if (!report.leftOut.empty()) {
        text += '\n' + language.Text(msg::kForeignLeftOut) + CountList(report.leftOut, language);
    }
    if (!report.cut.empty()) {
        text += '\n' + language.Text(msg::kForeignCut) + CountList(report.cut, language);
    }
    return text;
}

}  // namespace reelkeep
