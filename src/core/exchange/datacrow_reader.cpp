#include "datacrow_reader.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "foreign_source.h"
#include "messages.h"

namespace reelkeep {

namespace {

// Elements taken into the movie or counted under a name of their own, and those Data Crow keeps
// for itself (its keys, dates of entry and change, the state of a loan it also lists).
constexpr std::array<std::string_view, 22> kTaken = {
    "title",        "description",   "year",       "playlength", "storage-medium", "actors",
    "directors",    "genres",        "countries",  "container",  "rating",         "picture-front",
    "picture-back", "picture-cd",    "loans",      "id",         "created",        "modified",
    "state",        "certification", "age-rating", "studios"};

// A reference to another item (a medium, a container) is written with a <name> inside it.
std::string ReferenceText(const XmlElement& movie, std::string_view name) {
    const XmlElement* reference = movie.Child(name);
    if (reference == nullptr) return {};
    const XmlElement* named = reference->Child("name");
    return TrimmedText(named != nullptr ? named->text : reference->text);
}

ForeignMovie MovieOf(const XmlElement& item) {
    ForeignMovie movie;
    movie.title = TrimmedText(item.ChildText("title"));
    movie.synopsis = std::string(item.ChildText("description"));
    movie.year = TrimmedText(item.ChildText("year"));
    movie.runningTime = TrimmedText(item.ChildText("playlength"));
    movie.medium = ReferenceText(item, "storage-medium");
    movie.location = ReferenceText(item, "container");
    movie.certification = ReferenceText(item, "certification");
    if (movie.certification.empty()) movie.certification = ReferenceText(item, "age-rating");
    movie.cast = ListValues(item.Child("actors"));
    movie.director = Joined(ListValues(item.Child("directors")));
    movie.genres = ListValues(item.Child("genres"));
    movie.country = Joined(ListValues(item.Child("countries")));
    movie.studio = Joined(ListValues(item.Child("studios")));
    for (const std::string_view picture : {"picture-front", "picture-back", "picture-cd"}) {
        CountLeftOut(movie, msg::kLeftImages, item.ChildText(picture));
    }
    if (item.ChildText("rating") != "-1") {
        CountLeftOut(movie, msg::kLeftPersonalRatings, item.ChildText("rating"));
    }
    if (const XmlElement* loans = item.Child("loans");
        loans != nullptr && !loans->children.empty()) {
        movie.leftOut[std::string(msg::kLeftLoans)] += loans->children.size();
    }
    for (const XmlElement& field : item.children) {
        if (std::find(kTaken.begin(), kTaken.end(), field.name) != kTaken.end()) continue;
        if (!field.children.empty() || !TrimmedText(field.text).empty()) {
            ++movie.leftOut[field.name];
        }
    }
    return movie;
}

}  // namespace

ForeignCatalogue ReadDataCrow(const std::string& path) {
    return ReadGuarded([&path](ForeignCatalogue& catalogue) {
        std::size_t others = 0;
        CXmlStream stream([&](XmlElement& closed, std::span<const XmlElement> around) {
            const XmlElement& root = around.empty() ? closed : around.front();
            if (root.name != "data-crow-objects") {
                catalogue.error = msg::kNotDataCrow;
                return XmlStep::Stop;
            }
            if (around.size() != 1) return around.empty() ? XmlStep::Drop : XmlStep::Keep;
            if (closed.name == "movie") {
                catalogue.movies.push_back(MovieOf(closed));
            } else {
                ++others;
            }
            return XmlStep::Drop;
        });
        ParseForeignXml(path, stream, catalogue);
        if (!catalogue.error.empty()) return;
        if (catalogue.movies.empty() && others != 0) {
            catalogue.error = msg::kDataCrowNotMovies;
        } else if (others != 0) {
            catalogue.movies.front().leftOut[std::string(msg::kLeftOtherItems)] += others;
        }
    });
}

}  // namespace reelkeep
