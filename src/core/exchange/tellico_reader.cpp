#include "tellico_reader.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <unordered_map>

#include "foreign_source.h"
#include "messages.h"
#include "zip_member.h"

namespace reelkeep {

namespace {

constexpr std::string_view kTellicoSpace = "http://periapsis.org/tellico/";
constexpr std::string_view kVideoCollection = "3";

// Fields taken into the movie or counted under a name of their own, and fields Tellico keeps
// for itself (dates of entry and change, the loan flag that the loans below stand for).
constexpr std::array<std::string_view, 17> kTaken = {
    "title",        "medium", "year",      "certification", "genres", "nationalitys",
    "running-time", "plot",   "directors", "studios",       "casts",  "location",
    "cover",        "rating", "cdate",     "mdate",         "loaned"};

// Cast rows before syntax version 9 were written "name::role".
std::vector<std::string> CastNames(const XmlElement* casts) {
    std::vector<std::string> names = ListValues(casts);
    for (std::string& name : names) {
        if (const std::size_t at = name.find("::"); at != std::string::npos) {
            name = TrimmedText(std::string_view(name).substr(0, at));
        }
    }
    std::erase(names, std::string());
    return names;
}

ForeignMovie MovieOf(const XmlElement& entry) {
    ForeignMovie movie;
    movie.title = TrimmedText(entry.ChildText("title"));
    movie.medium = TrimmedText(entry.ChildText("medium"));
    movie.year = TrimmedText(entry.ChildText("year"));
    movie.certification = TrimmedText(entry.ChildText("certification"));
    movie.genres = ListValues(entry.Child("genres"));
    movie.country = Joined(ListValues(entry.Child("nationalitys")));
    movie.runningTime = TrimmedText(entry.ChildText("running-time"));
    movie.synopsis = std::string(entry.ChildText("plot"));
    movie.director = Joined(ListValues(entry.Child("directors")));
    movie.studio = Joined(ListValues(entry.Child("studios")));
    movie.cast = CastNames(entry.Child("casts"));
    movie.number = TrimmedText(entry.Attribute("id"));
    movie.location = TrimmedText(entry.ChildText("location"));
    CountLeftOut(movie, msg::kLeftImages, entry.ChildText("cover"));
    CountLeftOut(movie, msg::kLeftPersonalRatings, entry.ChildText("rating"));
    for (const XmlElement& field : entry.children) {
        if (std::find(kTaken.begin(), kTaken.end(), field.name) != kTaken.end()) continue;
        if (!field.children.empty() || !TrimmedText(field.text).empty()) {
            ++movie.leftOut[field.name];
        }
    }
    return movie;
}

// Builds the movies as the entries close; loans, kept after the entries, are counted with the
// movie they name.
class CTellicoParse {
public:
    explicit CTellicoParse(ForeignCatalogue& catalogue) : catalogue_(catalogue) {}

    XmlStep Closed(XmlElement& closed, std::span<const XmlElement> around) {
        // The root and the open collection are judged once, not at every element inside them.
        if (!rootChecked_) {
            const XmlElement& root = around.empty() ? closed : around.front();
            if (root.space != kTellicoSpace || root.name != "tellico") {
                return Refuse(msg::kNotTellico);
            }
            rootChecked_ = true;
        }
        const XmlElement* collection = around.size() >= 2   ? &around[1]
                                       : around.size() == 1 ? &closed
                                                            : nullptr;
        if (collection != nullptr && !collectionChecked_ && collection->name == "collection") {
            if (collection->Attribute("type") != kVideoCollection) {
                return Refuse(msg::kTellicoNotVideos);
            }
            collectionChecked_ = true;
        }
        if (collection == &closed) {
            sawCollection_ = sawCollection_ || collectionChecked_;
            collectionChecked_ = false;
        }
        if (around.size() == 2 && closed.name == "entry") {
            byId_.emplace(closed.Attribute("id"), catalogue_.movies.size());
            catalogue_.movies.push_back(MovieOf(closed));
            return XmlStep::Drop;
        }
        if (closed.name == "loan") CountLoan(closed.Attribute("entryRef"));
        // Only an entry's fields are read; images and the like are dropped as they close.
        return around.size() > 2 && around[1].name == "collection" && around[2].name == "entry"
                   ? XmlStep::Keep
                   : XmlStep::Drop;
    }

    // A file without a video collection in it.
    void Finish() {
        if (catalogue_.error.empty() && !sawCollection_) catalogue_.error = msg::kTellicoNotVideos;
    }

private:
    XmlStep Refuse(std::string_view message) {
        catalogue_.error = message;
        return XmlStep::Stop;
    }

    void CountLoan(std::string_view entry) {
        const auto found = byId_.find(std::string(entry));
        if (found != byId_.end())
            ++catalogue_.movies[found->second].leftOut[std::string(msg::kLeftLoans)];
    }

    ForeignCatalogue& catalogue_;
    std::unordered_map<std::string, std::size_t> byId_;
    bool rootChecked_ = false;
    bool collectionChecked_ = false;
    bool sawCollection_ = false;
};

void ReadInto(const std::string& path, ForeignCatalogue& catalogue) {
    CTellicoParse parse(catalogue);
    CXmlStream stream([&parse](XmlElement& closed, std::span<const XmlElement> around) {
        return parse.Closed(closed, around);
    });
    std::string bytes;
    catalogue.error = ReadForeignFile(path, bytes);
    if (!catalogue.error.empty()) return;
    if (!LooksLikeZip(bytes)) {
        stream.Feed(bytes, true);
    } else {
        const ZipResult zip =
            ReadZipMember(bytes, "tellico.xml", kMaxForeignFileBytes,
                          [&stream](std::string_view piece) { return stream.Feed(piece, false); });
        if (zip == ZipResult::Read) stream.Feed({}, true);
        if (zip == ZipResult::Missing) catalogue.error = msg::kTellicoNoXml;
        if (zip == ZipResult::Damaged) catalogue.error = msg::kForeignDamaged;
        if (zip == ZipResult::TooLarge) catalogue.error = msg::kForeignTooLarge;
    }
    if (catalogue.error.empty()) catalogue.error = XmlFailureText(stream.Failure());
    parse.Finish();
}

}  // namespace

ForeignCatalogue ReadTellico(const std::string& path) {
    return ReadGuarded([&path](ForeignCatalogue& catalogue) { ReadInto(path, catalogue); });
}

}  // namespace reelkeep
