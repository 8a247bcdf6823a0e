#include "gcstar_reader.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "foreign_source.h"
#include "messages.h"

namespace reelkeep {

namespace {

// Attributes that say nothing about the movie itself (dates of entry, flags, counters).
constexpr std::array<std::string_view, 9> kBookkeeping = {
    "added", "seen", "favourite", "lendDate", "number", "identifier", "region", "rank", "id"};

// Attributes and children taken into the movie or counted under a name of their own.
constexpr std::array<std::string_view, 15> kTaken = {
    "title",    "time",  "director", "date",  "format",  "place",  "age",     "country",
    "synopsis", "genre", "actors",   "image", "backpic", "rating", "borrower"};

bool IsOneOf(std::string_view name, std::span<const std::string_view> names) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

// An attribute's value, or the rows of a child table of that name when the attribute is absent.
std::vector<std::string> Values(const XmlElement& item, std::string_view name) {
    const std::string value = TrimmedText(item.Attribute(name));
    if (!value.empty()) return {value};
    return ListValues(item.Child(name));
}

// The year of a date written "1999", "31/03/1999" or "1999-03-31".
std::string YearOf(std::string_view date) {
    for (std::size_t at = 0; at + 4 <= date.size(); ++at) {
        const std::string_view four = date.substr(at, 4);
        const bool digits =
            std::all_of(four.begin(), four.end(), [](char c) { return c >= '0' && c <= '9'; });
        const bool alone = (at == 0 || date[at - 1] < '0' || date[at - 1] > '9') &&
                           (at + 4 == date.size() || date[at + 4] < '0' || date[at + 4] > '9');
        if (digits && alone) return std::string(four);
    }
    return TrimmedText(date);
}

// GCstar keeps the audience as a number: 1 no restriction, 2 parental guidance, else an age.
std::string AgeRating(std::string_view age) {
    const std::string value = TrimmedText(age);
    if (value.empty() || value == "0") return {};
    if (value == "1") return "All";
    if (value == "2") return "PG";
    return value + "+";
}

ForeignMovie MovieOf(const XmlElement& item) {
    ForeignMovie movie;
    movie.title = TrimmedText(item.Attribute("title"));
    movie.runningTime = TrimmedText(item.Attribute("time"));
    movie.director = Joined(Values(item, "director"));
    movie.year = YearOf(item.Attribute("date"));
    movie.medium = TrimmedText(item.Attribute("format"));
    movie.location = TrimmedText(item.Attribute("place"));
    movie.number = TrimmedText(item.Attribute("id"));
    movie.certification = AgeRating(item.Attribute("age"));
    movie.country = Joined(Values(item, "country"));
    movie.synopsis = std::string(item.ChildText("synopsis"));
    if (movie.synopsis.empty()) movie.synopsis = item.Attribute("synopsis");
    movie.genres = Values(item, "genre");
    movie.cast = ListValues(item.Child("actors"));
    CountLeftOut(movie, msg::kLeftImages, item.Attribute("image"));
    CountLeftOut(movie, msg::kLeftImages, item.Attribute("backpic"));
    if (item.Attribute("rating") != "0") {
        CountLeftOut(movie, msg::kLeftPersonalRatings, item.Attribute("rating"));
    }
    if (item.Attribute("borrower") != "none") {
        CountLeftOut(movie, msg::kLeftLoans, item.Attribute("borrower"));
    }
    for (const auto& [name, value] : item.attributes) {
        if (!IsOneOf(name, kTaken) && !IsOneOf(name, kBookkeeping) && value != "0") {
            CountLeftOut(movie, name, value);
        }
    }
    for (const XmlElement& child : item.children) {
        if (IsOneOf(child.name, kTaken) || child.name == "borrowings") continue;
        if (!child.children.empty() || !TrimmedText(child.text).empty()) {
            ++movie.leftOut[child.name];
        }
    }
    return movie;
}

}  // namespace

ForeignCatalogue ReadGcstar(const std::string& path) {
    return ReadGuarded([&path](ForeignCatalogue& catalogue) {
        CXmlStream stream([&](XmlElement& closed, std::span<const XmlElement> around) {
            const XmlElement& root = around.empty() ? closed : around.front();
            const std::string_view refusal = root.name != "collection" ? msg::kNotGcstar
                                             : root.Attribute("type") != "GCfilms"
                                                 ? msg::kGcstarNotMovies
                                                 : std::string_view();
            if (!refusal.empty()) {
                catalogue.error = refusal;
                return XmlStep::Stop;
            }
            if (around.size() == 1 && closed.name == "item") {
                catalogue.movies.push_back(MovieOf(closed));
                return XmlStep::Drop;
            }
            return around.size() > 1 ? XmlStep::Keep : XmlStep::Drop;
        });
        ParseForeignXml(path, stream, catalogue);
    });
}

}  // namespace reelkeep
