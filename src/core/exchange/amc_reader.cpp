#include "amc_reader.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <map>
#include <new>
#include <stdexcept>
#include <string_view>
#include <utility>
#include <vector>

#include "amc_values.h"
#include "file_access.h"
#include "file_errors.h"
#include "messages.h"
#include "text_encoding.h"

namespace reelkeep {

namespace {

// Why reading stopped: one of the messages' texts.
class CAmcRefused : public std::runtime_error {
public:
    explicit CAmcRefused(std::string_view why) : std::runtime_error(std::string(why)) {}
};

// Versions as the program numbers them: 35 is 3.5. Each file begins with one of these texts.
struct AmcHeader {
    std::string_view text;
    int version;
};
constexpr std::size_t kHeaderBytes = 65;
constexpr std::array<AmcHeader, 10> kHeaders{{
    {" AMC_1.0 ANSYsoft Movie Catalog http://moviecatalog.ansysoft.com ", 10},
    {" AMC_1.1 ANSYsoft Movie Catalog http://moviecatalog.ansysoft.com ", 11},
    {" AMC_2.1 ANSYsoft Movie Catalog http://moviecatalog.ansysoft.com ", 21},
    {" AMC_3.0 Ant Movie Catalog www.buypin.com www.ant.be.tf/software ", 30},
    {" AMC_3.1 Ant Movie Catalog 3.1.x   www.buypin.com  www.ant.be.tf ", 31},
    {" AMC_3.3 Ant Movie Catalog 3.3.x   www.buypin.com  www.ant.be.tf ", 33},
    {" AMC_3.5 Ant Movie Catalog 3.5.x   www.buypin.com    www.antp.be ", 35},
    {" AMC_4.0 Ant Movie Catalog 4.0.x   antp/soulsnake    www.antp.be ", 40},
    {" AMC_4.1 Ant Movie Catalog 4.1.x   antp/soulsnake    www.antp.be ", 41},
    {" AMC_4.2 Ant Movie Catalog 4.2.x   antp/soulsnake    www.antp.be ", 42},
}};
constexpr std::string_view kHeaderMark = " AMC_";
constexpr int kFirstLengthPrefixedVersion = 31;

// The bytes of a file pulled in large chunks, with the number left always known, so that every
// length and count is checked against it before anything is allocated.
class CAmcInput {
public:
    // alreadyRead: the first bytes, already taken from source.
    CAmcInput(IByteSource& source, std::string_view alreadyRead)
        : source_(source),
          unread_(source.Size() - alreadyRead.size()),
          buffer_(alreadyRead.begin(), alreadyRead.end()),
          end_(alreadyRead.size()) {
        buffer_.resize(std::max(buffer_.size(), kChunkBytes));
    }

    std::uint64_t Left() const { return (end_ - pos_) + unread_; }

    void Take(char* dst, std::size_t n) {
        while (n != 0) {
            if (pos_ == end_) Fill();
            const std::size_t count = std::min(n, end_ - pos_);
            std::memcpy(dst, buffer_.data() + pos_, count);
            pos_ += count;
            dst += count;
            n -= count;
        }
    }
    void Skip(std::uint64_t n) {
        while (n != 0) {
            if (pos_ == end_) Fill();
            const std::size_t count =
                static_cast<std::size_t>(std::min<std::uint64_t>(n, end_ - pos_));
            pos_ += count;
            n -= count;
        }
    }
    std::int32_t Int() {
        std::array<unsigned char, 4> b{};
        Take(reinterpret_cast<char*>(b.data()), b.size());
        return static_cast<std::int32_t>(b[0] | (b[1] << 8) | (b[2] << 16) |
                                         (static_cast<std::uint32_t>(b[3]) << 24));
    }
    bool Bool() {
        char b = 0;
        Take(&b, 1);
        return b != 0;
    }
    // A count of items that take at least minBytes each: more than the bytes left can hold is
    // a damaged count, refused before anything is made for it.
    std::uint32_t Count(std::uint64_t minBytes) {
        const std::int32_t n = Int();
        if (n < 0 || static_cast<std::uint64_t>(n) > Left() / minBytes) {
            throw CAmcRefused(msg::kAmcDamaged);
        }
        return static_cast<std::uint32_t>(n);
    }
    // A text with its 32-bit length before it, as its 8-bit bytes.
    std::string Raw() {
        std::string text(Count(1), '\0');
        Take(text.data(), text.size());
        return text;
    }
    std::string Text() { return StoredTextToUtf8(Raw()); }
    // Passes a text over without keeping it; says whether it held anything.
    bool SkipText() {
        const std::uint32_t n = Count(1);
        Skip(n);
        return n != 0;
    }

private:
    static constexpr std::size_t kChunkBytes = std::size_t{64} * 1024;

    void Fill() {
        if (unread_ == 0) throw CAmcRefused(msg::kAmcCutShort);
        const auto want = static_cast<std::size_t>(std::min<std::uint64_t>(unread_, kChunkBytes));
        const std::size_t got = source_.Read(buffer_.data(), want);
        if (got == 0) throw CAmcRefused(msg::kAmcCutShort);
        // Fewer bytes than asked only at the end: the file shrank since its size was taken.
        unread_ = got < want ? 0 : unread_ - got;
        pos_ = 0;
        end_ = got;
    }

    IByteSource& source_;
    std::uint64_t unread_;
    std::vector<char> buffer_;
    std::size_t pos_ = 0;
    std::size_t end_ = 0;
};

int ReadVersion(CAmcInput& in) {
    std::string header(static_cast<std::size_t>(std::min<std::uint64_t>(in.Left(), kHeaderBytes)),
                       '\0');
    in.Take(header.data(), header.size());
    for (const AmcHeader& known : kHeaders) {
        if (header == known.text) return known.version;
        if (!header.empty() && header.size() < kHeaderBytes && known.text.starts_with(header)) {
            throw CAmcRefused(msg::kAmcCutShort);
        }
    }
    if (header.size() == kHeaderBytes && header.starts_with(kHeaderMark)) {
        throw CAmcRefused(msg::kAmcUnknownVersion);
    }
    throw CAmcRefused(msg::kAmcNotCatalogue);
}

// The export begins with its XML declaration or root, perhaps after a byte-order mark.
bool LooksLikeXml(std::string_view start) {
    constexpr std::string_view kBom = "\xEF\xBB\xBF";
    if (start.starts_with(kBom)) start.remove_prefix(kBom.size());
    const std::size_t first = start.find_first_not_of(" \t\r\n");
    return first != std::string_view::npos && start[first] == '<';
}

using amc::EqualsIgnoringCase;
using amc::Note;

std::string Positive(std::int32_t value, std::int32_t none) {
    return value > none ? std::to_string(value) : std::string();
}

// The fields every version has, as texts already in UTF-8.
struct CommonFields {
    std::int32_t number = 0;
    std::int32_t year = 0;
    std::int32_t length = 0;
    std::string originalTitle;
    std::string translatedTitle;
    std::string category;
    std::string actors;
};

// Versions before 3.1 wrote 1 for "no year" and "no length"; later ones write -1.
void TakeCommon(ForeignMovie& movie, CommonFields fields, std::int32_t none) {
    movie.number = Positive(fields.number, 0);
    movie.year = Positive(fields.year, none);
    movie.runningTime = Positive(fields.length, none);
    amc::TakeNamedFields(movie, std::move(fields.originalTitle), std::move(fields.translatedTitle),
                         fields.category, fields.actors);
}

// ---- 3.1 to 4.2: length-prefixed values ---------------------------------------------------

constexpr std::uint64_t kMinCustomFieldBytes = 22;
constexpr std::uint64_t kMinExtraBytes = 37;

// The properties block: owner, mail, ICQ (before 3.5), site, description; nothing kept.
void SkipOwner(CAmcInput& in, int version) {
    const int texts = version < 35 ? 5 : 4;
    for (int i = 0; i < texts; ++i) in.SkipText();
}

// 4.0 on: the custom fields' definitions. Each movie then holds one value per distinct tag, in
// this order; a tag defined twice (ignoring case) is one field named by its last definition.
std::vector<std::string> ReadCustomFieldNames(CAmcInput& in, int version) {
    in.SkipText();  // column settings
    in.SkipText();  // window properties
    std::vector<std::string> names;
    std::map<std::string, std::size_t> byTag;  // folded, so that a long list costs no more
    for (std::uint32_t n = in.Count(kMinCustomFieldBytes); n != 0; --n) {
        const std::string tag = in.Raw();
        std::string name = in.Text();
        if (version >= 41) in.SkipText();  // extension
        const std::string type = in.Raw();
        in.SkipText();                     // default value
        if (version >= 41) in.SkipText();  // media information
        in.Bool();                         // several values
        if (version >= 41) {
            in.Int();   // separator
            in.Bool();  // parentheses removed
            in.Bool();  // patched
        }
        in.Bool();      // left out of scripts
        in.SkipText();  // window properties
        if (EqualsIgnoringCase(type, "ftList")) {
            for (std::uint32_t v = in.Count(4); v != 0; --v) in.SkipText();
            if (version >= 41) {
                for (int flag = 0; flag < 4; ++flag) in.Bool();
            }
        }
        if (name.empty()) name = StoredTextToUtf8(tag);
        const auto [at, added] = byTag.try_emplace(amc::FoldedTag(tag), names.size());
        if (added) names.emplace_back();
        names[at->second] = std::move(name);
    }
    return names;
}

// A picture: its file name (or only its extension when stored), its size and its bytes.
void SkipPicture(CAmcInput& in, ForeignMovie& movie) {
    const bool named = in.SkipText();
    const std::uint32_t stored = in.Count(1);
    in.Skip(stored);
    Note(movie, msg::kLeftImages, named || stored != 0);
}

void SkipExtras(CAmcInput& in, ForeignMovie& movie) {
    const std::uint32_t count = in.Count(kMinExtraBytes);
    for (std::uint32_t n = 0; n < count; ++n) {
        in.Bool();  // checked
        for (int text = 0; text < 7; ++text) in.SkipText();
        SkipPicture(in, movie);
    }
    if (count != 0) movie.leftOut[std::string(msg::kLeftOutExtras)] += count;
}

ForeignMovie ReadMovie(CAmcInput& in, int version, const std::vector<std::string>& customNames) {
    ForeignMovie movie;
    CommonFields common;
    const auto text = [&in, &movie](std::string_view what) { Note(movie, what, in.SkipText()); };
    common.number = in.Int();
    Note(movie, msg::kLeftOutDatesAdded, in.Int() > 0);
    if (version >= 42) {
        Note(movie, msg::kLeftOutDatesWatched, in.Int() > 0);
        Note(movie, msg::kLeftPersonalRatings, in.Int() >= 0);
    }
    Note(movie, msg::kLeftOutRatings, in.Int() >= 0);
    common.year = in.Int();
    common.length = in.Int();
    Note(movie, msg::kLeftOutVideoBitrates, in.Int() > 0);
    Note(movie, msg::kLeftOutAudioBitrates, in.Int() > 0);
    Note(movie, msg::kLeftOutDiscCounts, in.Int() > 0);
    if (version >= 41) Note(movie, msg::kLeftOutColourTags, in.Int() != 0);
    in.Bool();  // checked: AMC's own mark for what it prints and exports
    movie.location = in.Text();
    if (version >= 33) {
        movie.medium = in.Text();
        text(msg::kLeftOutSources);
    }
    text(msg::kLeftLoans);
    common.originalTitle = in.Text();
    common.translatedTitle = in.Text();
    movie.director = in.Text();
    movie.studio = in.Text();
    if (version >= 42) {
        text(msg::kLeftOutWriters);
        text(msg::kLeftOutComposers);
    }
    movie.country = in.Text();
    common.category = in.Text();
    if (version >= 42) movie.certification = in.Text();
    common.actors = in.Text();
    text(msg::kLeftOutWebLinks);
    movie.synopsis = in.Text();
    text(msg::kLeftOutComments);
    if (version >= 42) text(msg::kLeftOutFilePaths);
    for (const std::string_view what :
         {msg::kLeftOutVideoFormats, msg::kLeftOutAudioFormats, msg::kLeftOutResolutions,
          msg::kLeftOutFrameRates, msg::kLeftOutLanguages, msg::kLeftOutSubtitles,
          msg::kLeftOutSizes}) {
        text(what);
    }
    SkipPicture(in, movie);
    for (const std::string& name : customNames) text(name);
    if (version >= 42) SkipExtras(in, movie);
    TakeCommon(movie, std::move(common), -1);
    return movie;
}

std::vector<ForeignMovie> ReadLengthPrefixed(CAmcInput& in, int version) {
    SkipOwner(in, version);
    const std::vector<std::string> customNames =
        version >= 40 ? ReadCustomFieldNames(in, version) : std::vector<std::string>{};
    std::vector<ForeignMovie> movies;
    while (in.Left() != 0) {
        if (movies.size() == kMaxAmcMovies) throw CAmcRefused(msg::kAmcTooManyMovies);
        movies.push_back(ReadMovie(in, version, customNames));
    }
    return movies;
}

// ---- 1.0 to 3.0: fixed records ------------------------------------------------------------

// Where each value sits in a record, as the compiler of those versions laid the record out:
// 8-bit texts with a length byte before them, 32-bit numbers on 4-byte boundaries. Later
// versions only added values at the end.
namespace fixed {
constexpr std::size_t kNumber = 0, kOriginalTitle = 4, kTranslatedTitle = 69, kDirector = 134,
                      kProducer = 167, kCountry = 200, kYear = 236, kCategory = 240, kLength = 276,
                      kActors = 280, kUrl = 409, kDescription = 538, kComments = 1562,
                      kVideoFormat = 1691, kSize = 1724, kResolution = 1757, kLanguages = 1774,
                      kSubtitles = 1807, kRating = 1840, kDate = 1848, kPicture = 1852,
                      kPictureSize = 1860, kBorrower = 1864;
constexpr std::size_t kDescriptionBytes = 1024;
// The owner block of 2.1 and 3.0: name, ICQ, site and mail.
constexpr std::size_t kOwnerBytes = 340;
// The date 2.1 wrote for "no date".
constexpr std::int32_t kNoDate = 693961;

std::size_t RecordBytes(int version) {
    if (version >= 30) return 1900;
    if (version >= 21) return 1852;
    return version >= 11 ? 1844 : 1840;
}
}  // namespace fixed

class CFixedRecord {
public:
    explicit CFixedRecord(std::string_view bytes) : bytes_(bytes) {}

    std::int32_t Int(std::size_t at) const {
        std::uint32_t value = 0;
        for (std::size_t i = 4; i-- > 0;) {
            value = (value << 8) | static_cast<unsigned char>(bytes_[at + i]);
        }
        return static_cast<std::int32_t>(value);
    }
    std::string_view Raw(std::size_t at, std::size_t capacity) const {
        const auto length = static_cast<unsigned char>(bytes_[at]);
        if (length > capacity) throw CAmcRefused(msg::kAmcDamaged);
        return bytes_.substr(at + 1, length);
    }
    std::string Text(std::size_t at, std::size_t capacity) const {
        return StoredTextToUtf8(std::string(Raw(at, capacity)));
    }
    // The description: characters up to the first NUL, the rest padded with spaces.
    std::string Chars(std::size_t at, std::size_t capacity) const {
        std::string_view chars = bytes_.substr(at, capacity);
        chars = chars.substr(0, chars.find('\0'));
        return StoredTextToUtf8(std::string(chars.substr(0, chars.find_last_not_of(' ') + 1)));
    }
    void Note(ForeignMovie& movie, std::string_view what, std::size_t at,
              std::size_t capacity) const {
        amc::Note(movie, what, !Raw(at, capacity).empty());
    }

private:
    std::string_view bytes_;
};

ForeignMovie FixedMovie(const CFixedRecord& record, int version) {
    using namespace fixed;
    ForeignMovie movie;
    movie.director = record.Text(kDirector, 32);
    movie.studio = record.Text(kProducer, 32);
    movie.country = record.Text(kCountry, 32);
    movie.synopsis = record.Chars(kDescription, kDescriptionBytes);
    // The entry form's "http://" was saved as it stood.
    const std::string_view url = record.Raw(kUrl, 128);
    Note(movie, msg::kLeftOutWebLinks, !url.empty() && url != "http://");
    record.Note(movie, msg::kLeftOutComments, kComments, 128);
    record.Note(movie, msg::kLeftOutVideoFormats, kVideoFormat, 32);
    record.Note(movie, msg::kLeftOutSizes, kSize, 32);
    record.Note(movie, msg::kLeftOutResolutions, kResolution, 16);
    record.Note(movie, msg::kLeftOutLanguages, kLanguages, 32);
    record.Note(movie, msg::kLeftOutSubtitles, kSubtitles, 32);
    if (version >= 11) {
        const std::int32_t stars = record.Int(kRating);  // 1 to 5; 0 is none
        Note(movie, msg::kLeftOutRatings, stars >= 1 && stars <= 5);
    }
    if (version >= 21) {
        const std::int32_t date = record.Int(kDate);
        Note(movie, msg::kLeftOutDatesAdded, date != 0 && date != kNoDate);
    }
    if (version >= 30) {
        Note(movie, msg::kLeftImages,
             !record.Raw(kPicture, 4).empty() || record.Int(kPictureSize) > 0);
        record.Note(movie, msg::kLeftLoans, kBorrower, 32);
    }
    TakeCommon(movie,
               {record.Int(kNumber), record.Int(kYear), record.Int(kLength),
                record.Text(kOriginalTitle, 64), record.Text(kTranslatedTitle, 64),
                record.Text(kCategory, 32), record.Text(kActors, 128)},
               1);
    return movie;
}

std::vector<ForeignMovie> ReadFixed(CAmcInput& in, int version) {
    if (version >= 21) in.Skip(fixed::kOwnerBytes);
    std::string bytes(fixed::RecordBytes(version), '\0');
    std::vector<ForeignMovie> movies;
    while (in.Left() != 0) {
        if (in.Left() < bytes.size()) throw CAmcRefused(msg::kAmcCutShort);
        if (movies.size() == kMaxAmcMovies) throw CAmcRefused(msg::kAmcTooManyMovies);
        in.Take(bytes.data(), bytes.size());
        const CFixedRecord record(bytes);
        movies.push_back(FixedMovie(record, version));
        // 3.0 stored the cover right after its record.
        if (version >= 30) {
            const std::int32_t picture = record.Int(fixed::kPictureSize);
            if (picture < 0 || static_cast<std::uint64_t>(picture) > in.Left()) {
                throw CAmcRefused(msg::kAmcDamaged);
            }
            in.Skip(static_cast<std::uint64_t>(picture));
        }
    }
    return movies;
}

}  // namespace

ForeignCatalogue ReadAmcSource(IByteSource& source) {
    ForeignCatalogue catalogue;
    if (source.Size() > kMaxAmcFileBytes) {
        catalogue.error = msg::kForeignTooLarge;
        return catalogue;
    }
    try {
        std::string start(static_cast<std::size_t>(std::min(source.Size(), kHeaderBytes)), '\0');
        start.resize(source.Read(start.data(), start.size()));
        if (LooksLikeXml(start)) return ReadAmcXmlSource(source, start);
        CAmcInput in(source, start);
        const int version = ReadVersion(in);
        catalogue.movies = version >= kFirstLengthPrefixedVersion ? ReadLengthPrefixed(in, version)
                                                                  : ReadFixed(in, version);
    } catch (const CAmcRefused& refused) {
        catalogue.error = refused.what();
    } catch (const std::bad_alloc&) {
        catalogue.error = msg::kNoMemoryImport;
    }
    return catalogue;
}

namespace {

template <typename ReadSource>
ForeignCatalogue ReadFile(const std::string& path, ReadSource read) {
    try {
        CFileSource source(path);
        return read(source);
    } catch (const CFileError& error) {
        ForeignCatalogue catalogue;
        catalogue.error = FileErrorText(FileOperation::Read, error.ErrorNumber(), path);
        return catalogue;
    }
}

}  // namespace

ForeignCatalogue ReadAmc(const std::string& path) {
    return ReadFile(path, [](IByteSource& source) { return ReadAmcSource(source); });
}

ForeignCatalogue ReadAmcXml(const std::string& path) {
    return ReadFile(path, [](IByteSource& source) { return ReadAmcXmlSource(source); });
}

}  // namespace reelkeep
