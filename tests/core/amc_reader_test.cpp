#include "amc_reader.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <utility>
#include <vector>

#include "amc_bytes.h"
#include "memory_source.h"
#include "messages.h"

namespace reelkeep {
namespace {

using Names = std::vector<std::string>;

ForeignCatalogue Read(const std::string& bytes) {
    MemorySource source(bytes);
    return ReadAmcSource(source);
}

using Refusals = std::vector<std::pair<std::string, std::string_view>>;
void ExpectRefused(const Refusals& cases) {
    for (const auto& [bytes, why] : cases) {
        const ForeignCatalogue read = Read(bytes);
        EXPECT_EQ(read.error, why) << bytes;
        EXPECT_TRUE(read.movies.empty());
    }
}

std::size_t LeftOut(const ForeignMovie& movie, std::string_view what) {
    const auto it = movie.leftOut.find(std::string(what));
    return it == movie.leftOut.end() ? 0 : it->second;
}

TEST(AmcReader, LengthPrefixedVersionsFillEveryFieldAndCountWhatHasNone) {
    for (const int v : {31, 33, 35, 40, 41, 42}) {
        SCOPED_TRACE(v);
        const ForeignCatalogue read = Read(AmcBytes(v).Owner().Movie(true).Movie(false).str());
        ASSERT_EQ(read.error, "");
        ASSERT_EQ(read.movies.size(), 2U);
        const ForeignMovie& m = read.movies[0];
        EXPECT_EQ(m.title, "The Boat");  // the translated title wins
        EXPECT_EQ(m.cast,
                  (Names{"J\u00fcrgen Prochnow", "Herbert Gr\u00f6nemeyer", "Klaus Wennemann"}));
        EXPECT_EQ(m.genres, (Names{"War", "Drama", "Thriller"}));
        EXPECT_EQ(m.medium, v >= 33 ? "VHS" : "");
        EXPECT_EQ(m.certification, v >= 42 ? "PG-13 (USA)" : "");
        EXPECT_EQ(Names({m.runningTime, m.number, m.location, m.director, m.year, m.studio,
                         m.country, m.synopsis}),
                  Names({"149", "7", "Shelf 3", "Wolfgang Petersen", "1981", "Bavaria Film",
                         "Germany", "U-96 patrols."}));
        EXPECT_EQ(LeftOut(m, msg::kLeftImages), v >= 42 ? 2U : 1U);  // an extra's picture too
        EXPECT_EQ(LeftOut(m, msg::kLeftOutExtras), v >= 42 ? 1U : 0U);
        EXPECT_EQ(LeftOut(m, msg::kLeftPersonalRatings), v >= 42 ? 1U : 0U);
        EXPECT_EQ(LeftOut(m, msg::kLeftOutColourTags), v >= 41 ? 1U : 0U);
        EXPECT_EQ(LeftOut(m, "Shelf colour"), v >= 40 ? 1U : 0U);
        EXPECT_EQ(LeftOut(m, msg::kLeftOutSources), v >= 33 ? 1U : 0U);
        for (const std::string_view what :
             {msg::kLeftLoans, msg::kLeftOutOriginalTitles, msg::kLeftOutRatings,
              msg::kLeftOutComments, msg::kLeftOutWebLinks, msg::kLeftOutSizes}) {
            EXPECT_EQ(LeftOut(m, what), 1U) << what;
        }
        EXPECT_EQ(LeftOut(m, "Edition"), 0U);
        const ForeignMovie& empty = read.movies[1];
        EXPECT_EQ(empty.title, "Untitled");
        EXPECT_TRUE(empty.cast.empty() && empty.year.empty() && empty.runningTime.empty());
        EXPECT_TRUE(empty.leftOut.empty());
    }
}

TEST(AmcReader, FixedRecordVersionsReadEachRecordAndTheCoverAfterIt) {
    for (const int v : {10, 11, 21, 30}) {
        SCOPED_TRACE(v);
        const ForeignCatalogue read = Read(AmcBytes(v).FixedMovie(true).FixedMovie(false).str());
        ASSERT_EQ(read.error, "");
        ASSERT_EQ(read.movies.size(), 2U);
        const ForeignMovie& m = read.movies[1];
        EXPECT_EQ(Names({m.title, m.number, m.year, m.runningTime, m.synopsis, m.studio}),
                  Names({"Das Boot", "7", "", "149", "U-96 patrols.", "Bavaria"}));
        EXPECT_EQ(m.cast, (Names{"J\u00fcrgen Prochnow", "Herbert Gr\u00f6nemeyer"}));
        EXPECT_EQ(m.genres, (Names{"War", "Drama"}));
        // "http://" and 2.1's "no date" are what an empty form saved.
        EXPECT_EQ(LeftOut(m, msg::kLeftOutWebLinks) + LeftOut(m, msg::kLeftOutDatesAdded), 0U);
        EXPECT_EQ(LeftOut(m, msg::kLeftOutLanguages), 1U);
        EXPECT_EQ(LeftOut(m, msg::kLeftOutRatings), v >= 11 ? 1U : 0U);
        EXPECT_EQ(LeftOut(m, msg::kLeftImages) + LeftOut(m, msg::kLeftLoans), v >= 30 ? 2U : 0U);
    }
}

TEST(AmcReader, RefusesWhatIsNotAWholeCatalogueWithAReasonAndNoMovies) {
    const std::string good = AmcBytes(35).Owner().str();
    std::string badLengthByte = AmcBytes(30).FixedMovie(true).str();
    badLengthByte[65 + 340 + 134] = static_cast<char>(33);
    ExpectRefused({
        {"", msg::kAmcNotCatalogue},
        {"PK\3\4 a zip file", msg::kAmcNotCatalogue},
        {good.substr(0, 20), msg::kAmcCutShort},
        {" AMC_5.0" + good.substr(8, 57), msg::kAmcUnknownVersion},
        {AmcBytes(35).Owner().Int(7).str(), msg::kAmcCutShort},
        {AmcBytes(35).Text({"a"}).Int(0x7FFFFFFF).str(), msg::kAmcDamaged},
        {AmcBytes(35).Text({"a"}).Int(-1).str(), msg::kAmcDamaged},
        {AmcBytes(40).Text({"", "", "", "", "", ""}).Int(1 << 30).str(), msg::kAmcDamaged},
        {AmcBytes(30).FixedMovie(true).str() + std::string(1000, ' '), msg::kAmcCutShort},
        {badLengthByte, msg::kAmcDamaged},
        {AmcBytes(30).FixedMovie(true).str().substr(0, 65 + 340 + 1900 + 2), msg::kAmcDamaged},
    });
    // Cut anywhere, a file gives a reason or, cut between movies, only the movies before.
    const std::string whole = AmcBytes(42).Owner().Movie(true).Movie(false).str();
    for (std::size_t n = 0; n < whole.size(); ++n) {
        const ForeignCatalogue read = Read(whole.substr(0, n));
        EXPECT_TRUE(read.error.empty() ? read.movies.size() < 2 : read.movies.empty()) << n;
    }
}

TEST(AmcReader, ReadsTheXmlExportInTheWindowsCodePage) {
    const std::string xml =
        "<?xml version=\"1.0\" encoding=\"windows-1252\"?>\n<AntMovieCatalog "
        "Format=\"42\"><Catalog>"
        "<CustomFieldsProperties><CustomField Tag=\"Shelf\" Name=\"Shelf colour\"/>"
        "</CustomFieldsProperties><Contents>"
        "<Movie Number=\"7\" Checked=\"True\" ColorTag=\"2\" MediaLabel=\"Shelf 3\" "
        "MediaType=\"VHS\" Borrower=\"Anna\" Rating=\"7.0\" OriginalTitle=\"Das Boot\" "
        "TranslatedTitle=\"The Boat\" Producer=\"Bavaria Film\" Category=\"War, Drama\" "
        "Length=\"149\" Actors=\"J\xFCrgen Prochnow (Captain)&#13;&#10;Herbert Gr\xF6nemeyer\" "
        "Picture=\"boot.jpg\" Stars=\"5\"><CustomFields Shelf=\"blue\"/>"
        "<Extras><Extra ETitle=\"Trailer\" EPicture=\"t.png\"/></Extras></Movie>"
        "<Movie OriginalTitle=\"Alone\"/></Contents></Catalog></AntMovieCatalog>\n";
    const ForeignCatalogue read = Read(xml);  // known by its first bytes
    ASSERT_EQ(read.error, "");
    ASSERT_EQ(read.movies.size(), 2U);
    const ForeignMovie& m = read.movies[0];
    EXPECT_EQ(Names({m.title, m.number, m.location, m.medium, m.studio, m.runningTime}),
              Names({"The Boat", "7", "Shelf 3", "VHS", "Bavaria Film", "149"}));
    EXPECT_EQ(m.cast, (Names{"J\u00fcrgen Prochnow", "Herbert Gr\u00f6nemeyer"}));
    EXPECT_EQ(m.genres, (Names{"War", "Drama"}));
    EXPECT_EQ(m.leftOut, (std::map<std::string, std::size_t>{{"Shelf colour", 1},
                                                             {"Stars", 1},
                                                             {"colour tags", 1},
                                                             {"extras", 1},
                                                             {"images", 2},
                                                             {"loans", 1},
                                                             {"original titles", 1},
                                                             {"ratings", 1}}));
    EXPECT_EQ(read.movies[1].title, "Alone");
    ExpectRefused({
        {"<?xml version=\"1.0\"?><!DOCTYPE a [<!ENTITY x \"y\">]><AntMovieCatalog/>",
         msg::kAmcXmlDoctype},
        {"<?xml version=\"1.0\"?><tellico/>", msg::kAmcXmlNotCatalogue},
        {xml.substr(0, 300), msg::kAmcXmlDamaged},
        {"<?xml version=\"1.0\" encoding=\"koi8-r\"?><AntMovieCatalog/>", msg::kAmcXmlEncoding},
    });
}

TEST(AmcReader, ReadsAFileAndRefusesAMissingOrHugeOne) {
    const std::filesystem::path dir = std::filesystem::temp_directory_path();
    const std::string path = dir / "movies.amc";
    std::ofstream(path, std::ios::binary) << AmcBytes(41).Owner().Movie(true).str();
    EXPECT_EQ(ReadAmc(path).movies.size(), 1U);
    ASSERT_EQ(::truncate(path.c_str(), static_cast<off_t>(kMaxAmcFileBytes + 1)), 0);  // sparse
    EXPECT_EQ(ReadAmc(path).error, msg::kForeignTooLarge);
    const std::string missing = dir / "missing.amc";
    EXPECT_NE(ReadAmc(missing).error.find(missing), std::string::npos);
}

}  // namespace
}  // namespace reelkeep
