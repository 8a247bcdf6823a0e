#include <expat.h>

#include <algorithm>
#include <array>
#include <initializer_list>
#include <map>
#include <memory>
#include <new>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

#include "amc_reader.h"
#include "amc_values.h"
#include "messages.h"
#include "text_encoding.h"

namespace reelkeep {

namespace {

using amc::EqualsIgnoringCase;
using amc::Note;

// A movie's attributes that go to a field of their own, and those that have none here.
struct MovieAttribute {
    std::string_view name;
    std::string ForeignMovie::*field;
    std::string_view leftOut;
};
constexpr std::array<MovieAttribute, 31> kMovieAttributes{{
    {"Number", &ForeignMovie::number, {}},
    {"MediaLabel", &ForeignMovie::location, {}},
    {"MediaType", &ForeignMovie::medium, {}},
    {"Director", &ForeignMovie::director, {}},
    {"Producer", &ForeignMovie::studio, {}},
    {"Country", &ForeignMovie::country, {}},
    {"Year", &ForeignMovie::year, {}},
    {"Length", &ForeignMovie::runningTime, {}},
    {"Certification", &ForeignMovie::certification, {}},
    {"Description", &ForeignMovie::synopsis, {}},
    {"Source", nullptr, msg::kLeftOutSources},
    {"Date", nullptr, msg::kLeftOutDatesAdded},
    {"Borrower", nullptr, msg::kLeftLoans},
    {"DateWatched", nullptr, msg::kLeftOutDatesWatched},
    {"UserRating", nullptr, msg::kLeftPersonalRatings},
    {"Rating", nullptr, msg::kLeftOutRatings},
    {"Writer", nullptr, msg::kLeftOutWriters},
    {"Composer", nullptr, msg::kLeftOutComposers},
    {"URL", nullptr, msg::kLeftOutWebLinks},
    {"Comments", nullptr, msg::kLeftOutComments},
    {"FilePath", nullptr, msg::kLeftOutFilePaths},
    {"VideoFormat", nullptr, msg::kLeftOutVideoFormats},
    {"VideoBitrate", nullptr, msg::kLeftOutVideoBitrates},
    {"AudioFormat", nullptr, msg::kLeftOutAudioFormats},
    {"AudioBitrate", nullptr, msg::kLeftOutAudioBitrates},
    {"Resolution", nullptr, msg::kLeftOutResolutions},
    {"Framerate", nullptr, msg::kLeftOutFrameRates},
    {"Languages", nullptr, msg::kLeftOutLanguages},
    {"Subtitles", nullptr, msg::kLeftOutSubtitles},
    {"Size", nullptr, msg::kLeftOutSizes},
    {"Disks", nullptr, msg::kLeftOutDiscCounts},
}};
// Marks and values AMC works out for itself, not the owner's data.
constexpr std::array<std::string_view, 4> kDerivedAttributes{"Checked", "FormattedTitle",
                                                             "PictureStatus", "NbExtras"};

// Where an element sits, by the names of the elements around it from the root down.
using Path = std::vector<std::string>;
bool IsAt(const Path& path, std::initializer_list<std::string_view> names) {
    return std::ranges::equal(path, names);
}

class CAmcXmlReader {
public:
    CAmcXmlReader() : parser_(XML_ParserCreate(nullptr)) {
        if (!parser_) throw std::bad_alloc();
        XML_SetUserData(parser_.get(), this);
        XML_SetElementHandler(parser_.get(), &Start, &End);
        // An export never has a document type; refusing any keeps entity expansion out.
        XML_SetStartDoctypeDeclHandler(parser_.get(), &Doctype);
        XML_SetUnknownEncodingHandler(parser_.get(), &Encoding, nullptr);
    }

    ForeignCatalogue Read(IByteSource& source, std::string_view alreadyRead) {
        ForeignCatalogue catalogue;
        std::vector<char> chunk(std::size_t{64} * 1024);
        bool ok = Parse(alreadyRead, false);
        for (bool last = false; ok && !last;) {
            const std::size_t got = source.Read(chunk.data(), chunk.size());
            last = got < chunk.size();  // fewer only at the end
            ok = Parse({chunk.data(), got}, last);
        }
        if (!ok) {
            catalogue.error = refusal_.empty() ? ParserRefusal() : refusal_;
        } else {
            catalogue.movies = std::move(movies_);
        }
        return catalogue;
    }

private:
    struct FreeParser {
        void operator()(XML_Parser parser) const { XML_ParserFree(parser); }
    };

    bool Parse(std::string_view bytes, bool last) {
        return XML_Parse(parser_.get(), bytes.data(), static_cast<int>(bytes.size()), last) ==
               XML_STATUS_OK;
    }

    std::string_view ParserRefusal() const {
        switch (XML_GetErrorCode(parser_.get())) {
            case XML_ERROR_NO_MEMORY:
                return msg::kNoMemoryImport;
            case XML_ERROR_UNKNOWN_ENCODING:
            case XML_ERROR_INCORRECT_ENCODING:
                return msg::kAmcXmlEncoding;
            default:
                return msg::kAmcXmlDamaged;
        }
    }

    void Refuse(std::string_view why) {
        if (refusal_.empty()) refusal_ = why;
        XML_StopParser(parser_.get(), XML_FALSE);
    }

    // A handler must not let an exception through the parser's C frames.
    template <typename Step>
    static void Guarded(void* self, Step&& step) {
        auto& reader = *static_cast<CAmcXmlReader*>(self);
        try {
            step(reader);
        } catch (const std::bad_alloc&) {
            reader.Refuse(msg::kNoMemoryImport);
        }
    }

    static void XMLCALL Start(void* self, const XML_Char* name, const XML_Char** attributes) {
        Guarded(self, [&](CAmcXmlReader& reader) { reader.Opened(name, attributes); });
    }
    static void XMLCALL End(void* self, const XML_Char*) {
        // Stopping still lets the end of an empty element through, of one never opened here.
        auto& reader = *static_cast<CAmcXmlReader*>(self);
        if (!reader.path_.empty()) reader.path_.pop_back();
    }
    static void XMLCALL Doctype(void* self, const XML_Char*, const XML_Char*, const XML_Char*,
                                int) {
        static_cast<CAmcXmlReader*>(self)->Refuse(msg::kAmcXmlDoctype);
    }
    // AMC writes its exports in the Windows code page; the parser knows only Latin-1 itself.
    static int XMLCALL Encoding(void*, const XML_Char* name, XML_Encoding* info) {
        if (!EqualsIgnoringCase(name, "windows-1252") && !EqualsIgnoringCase(name, "cp1252")) {
            return XML_STATUS_ERROR;
        }
        for (int byte = 0; byte < 256; ++byte) {
            const std::string utf8 = Cp1252ToUtf8(std::string(1, static_cast<char>(byte)));
            const auto lead = static_cast<unsigned char>(utf8[0]);
            int cp = lead;
            if (utf8.size() == 2) cp = ((lead & 0x1F) << 6) | (utf8[1] & 0x3F);
            if (utf8.size() == 3) {
                cp = ((lead & 0x0F) << 12) | ((utf8[1] & 0x3F) << 6) | (utf8[2] & 0x3F);
            }
            info->map[byte] = cp;
        }
        info->data = nullptr;
        info->convert = nullptr;
        info->release = nullptr;
        return XML_STATUS_OK;
    }

    void Opened(std::string_view name, const XML_Char** attributes) {
        if (path_.empty() && name != "AntMovieCatalog") return Refuse(msg::kAmcXmlNotCatalogue);
        path_.emplace_back(name);
        if (IsAt(path_, {"AntMovieCatalog", "Catalog", "CustomFieldsProperties", "CustomField"})) {
            DefineCustomField(attributes);
        } else if (IsAt(path_, {"AntMovieCatalog", "Catalog", "Contents", "Movie"})) {
            if (movies_.size() == kMaxAmcMovies) return Refuse(msg::kAmcTooManyMovies);
            movies_.push_back(MovieFrom(attributes));
        } else if (movies_.empty()) {
            return;
        } else if (IsAt(path_,
                        {"AntMovieCatalog", "Catalog", "Contents", "Movie", "CustomFields"})) {
            for (const XML_Char** a = attributes; *a; a += 2) {
                Note(movies_.back(), CustomFieldName(a[0]), *a[1] != '\0');
            }
        } else if (IsAt(path_,
                        {"AntMovieCatalog", "Catalog", "Contents", "Movie", "Extras", "Extra"})) {
            ForeignMovie& movie = movies_.back();
            Note(movie, msg::kLeftOutExtras, true);
            for (const XML_Char** a = attributes; *a; a += 2) {
                if (std::string_view(a[0]) == "EPicture") {
                    Note(movie, msg::kLeftImages, *a[1] != '\0');
                }
            }
        }
    }

    void DefineCustomField(const XML_Char** attributes) {
        std::string tag;
        std::string name;
        for (const XML_Char** a = attributes; *a; a += 2) {
            if (std::string_view(a[0]) == "Tag") tag = a[1];
            if (std::string_view(a[0]) == "Name") name = a[1];
        }
        customFields_[amc::FoldedTag(tag)] = name.empty() ? tag : std::move(name);
    }

    std::string CustomFieldName(std::string_view tag) const {
        const auto known = customFields_.find(amc::FoldedTag(tag));
        return known == customFields_.end() ? std::string(tag) : known->second;
    }

    static ForeignMovie MovieFrom(const XML_Char** attributes) {
        ForeignMovie movie;
        std::string original, translated, category, actors;
        for (const XML_Char** a = attributes; *a; a += 2) {
            const std::string_view name = a[0];
            std::string value = a[1];
            if (name == "OriginalTitle") {
                original = std::move(value);
            } else if (name == "TranslatedTitle") {
                translated = std::move(value);
            } else if (name == "Category") {
                category = std::move(value);
            } else if (name == "Actors") {
                actors = std::move(value);
            } else if (name == "Picture") {
                Note(movie, msg::kLeftImages, !value.empty());
            } else if (name == "ColorTag") {
                Note(movie, msg::kLeftOutColourTags, value != "0" && !value.empty());
            } else if (std::ranges::find(kDerivedAttributes, name) == kDerivedAttributes.end()) {
                TakeAttribute(movie, name, std::move(value));
            }
        }
        amc::TakeNamedFields(movie, std::move(original), std::move(translated), category, actors);
        return movie;
    }

    // A value no table knows is still the owner's, and is counted by its own name.
    static void TakeAttribute(ForeignMovie& movie, std::string_view name, std::string value) {
        const auto known = std::ranges::find(kMovieAttributes, name, &MovieAttribute::name);
        if (known == kMovieAttributes.end()) return Note(movie, name, !value.empty());
        if (known->field) {
            movie.*(known->field) = std::move(value);
        } else {
            Note(movie, known->leftOut, !value.empty());
        }
    }

    std::unique_ptr<XML_ParserStruct, FreeParser> parser_;
    Path path_;
    std::map<std::string, std::string> customFields_;  // name by folded tag
    std::vector<ForeignMovie> movies_;
    std::string_view refusal_;
};

}  // namespace

ForeignCatalogue ReadAmcXmlSource(IByteSource& source, std::string_view alreadyRead) {
    ForeignCatalogue catalogue;
    if (source.Size() > kMaxAmcFileBytes) {
        catalogue.error = msg::kForeignTooLarge;
        return catalogue;
    }
    try {
        CAmcXmlReader reader;
        return reader.Read(source, alreadyRead);
    } catch (const std::bad_alloc&) {
        catalogue.error = msg::kNoMemoryImport;
    }
    return catalogue;
}

}  // namespace reelkeep
