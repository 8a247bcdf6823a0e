// Imports from other catalogue programs: the fitting of their movies into the fields, the three
// readers on small files of each kind, and the files they must refuse without a crash or a
// movie read.
#include "foreign_import.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "datacrow_reader.h"
#include "fake_ui.h"
#include "foreign_formats.h"
#include "foreign_source.h"
#include "gcstar_reader.h"
#include "messages.h"
#include "reelkeep_doc.h"
#include "tellico_reader.h"

namespace reelkeep::test {
namespace {

const std::string kData = REELKEEP_TEST_DATA "/foreign/";

std::string Written(const std::string& name, const std::string& bytes) {
    const std::string path = std::filesystem::temp_directory_path() / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

std::string FileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST(ForeignFitting, RunningTimesAndCertifications) {
    EXPECT_EQ(MinutesOf("102 min"), "102");
    EXPECT_EQ(MinutesOf("2:13:00"), "133");
    EXPECT_EQ(MinutesOf("1h 42m"), "102");
    EXPECT_EQ(MinutesOf("95"), "95");
    // What is no running time stays as the source wrote it rather than turning into a number.
    EXPECT_EQ(MinutesOf("1.5 h"), "1.5 h");
    EXPECT_EQ(MinutesOf("about two hours"), "about two hours");
    EXPECT_EQ(MinutesOf("2:75"), "2:75");
    EXPECT_EQ(RatingOf("PG-13 (USA)"), "PG-13");
    EXPECT_EQ(RatingOf("(USA)"), "(USA)");
}

TEST(ForeignFitting, ActorsCustomFieldsAndCutValuesAreReported) {
    ForeignMovie movie;
    movie.title = "Gr\xC3\xBC\xC3\x9F Gott";  // five bytes end inside the second letter
    movie.cast = {"A", "B", "", "C", "D", "E"};
    movie.genres = {"Drama", "War"};
    movie.director = "Dee";
    movie.country = "France";
    movie.synopsis = "one\ntwo";
    movie.leftOut["images"] = 2;
    std::vector<ForeignMovie> movies{movie};
    ForeignImportReport report;
    const HeadingTexts headings = {"Shelf", "director ", "Custom 3 Heading", "Jahr"};
    const auto records = FittedRecords(movies, headings, report, PlainText(), 5);
    const RecordValues& r = records.at(0);
    EXPECT_EQ(r[FieldIndex(Field::MovieName)], "Gr\xC3\xBC");
    EXPECT_EQ(r[FieldIndex(Field::Actor3)], "C");
    EXPECT_EQ(r[FieldIndex(Field::MovieType)], "Drama");
    EXPECT_EQ(r[FieldIndex(Field::Custom2)], "Dee");
    EXPECT_EQ(r[FieldIndex(Field::Custom1)], "");
    EXPECT_EQ(r[FieldIndex(Field::Synopsis)], "one\r\n");  // the catalogue's line break
    const std::map<std::string, std::size_t> leftOut = {{"Country", 1},
                                                        {"actors after the third", 2},
                                                        {"genres after the first", 1},
                                                        {"images", 2}};
    EXPECT_EQ(report.leftOut, leftOut);
    const std::map<std::string, std::size_t> cut = {{"Movie Name", 1}, {"Synopsis", 1}};
    EXPECT_EQ(report.cut, cut);
    EXPECT_EQ(ForeignReportText(report).substr(0, 40), "Movies imported: 1\nLeft out: Country (1)");
}

TEST(ForeignReaders, TellicoArchiveAndPlainXmlGiveTheSameMovies) {
    const ForeignCatalogue zipped = ReadTellico(kData + "videos.tc");
    const ForeignCatalogue plain = ReadTellico(kData + "videos.xml");
    ASSERT_EQ(zipped.error, "");
    ASSERT_EQ(zipped.movies.size(), 2u);
    const ForeignMovie& m = zipped.movies[0];
    EXPECT_EQ(m.director, "Ann Roe, Ben Poe");
    EXPECT_EQ(m.cast, (std::vector<std::string>{"Liz Hale", "Tom Ward"}));
    EXPECT_EQ(m.synopsis, "Fog over the docks & a missing ship.");
    EXPECT_EQ(m.leftOut.at("writers"), 1u);
    EXPECT_EQ(zipped.movies[1].leftOut.at("loans"), 1u);  // the loan names entry 2
    EXPECT_EQ(plain.movies[0].leftOut, m.leftOut);
    EXPECT_EQ(plain.movies[1].title, "Quiet Field");
}

TEST(ForeignReaders, GcstarAndDataCrow) {
    const ForeignCatalogue gcstar = ReadGcstar(kData + "films.gcs");
    ASSERT_EQ(gcstar.movies.size(), 2u);
    EXPECT_EQ(gcstar.movies[0].cast.size(), 4u);
    EXPECT_EQ(gcstar.movies[0].year, "1998");
    EXPECT_EQ(gcstar.movies[0].certification, "12+");
    EXPECT_EQ(gcstar.movies[1].leftOut.at("loans"), 1u);
    const ForeignCatalogue crow = ReadDataCrow(kData + "movies-datacrow.xml");
    ASSERT_EQ(crow.movies.size(), 1u);
    EXPECT_EQ(MinutesOf(crow.movies[0].runningTime), "114");
    EXPECT_EQ(crow.movies[0].medium, "Blu-ray");
    EXPECT_EQ(crow.movies[0].leftOut.at("items other than movies"), 1u);
}

TEST(ForeignReaders, BadFilesAreRefusedWithTheirReason) {
    const std::string videos = FileText(kData + "videos.xml");
    const std::string archive = FileText(kData + "videos.tc");
    const std::string bomb =
        "<?xml version=\"1.0\"?><!DOCTYPE t [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b "
        "\"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">]><collection type=\"GCfilms\"><item title=\"&b;\"/>"
        "</collection>";
    const std::string external =
        "<?xml version=\"1.0\"?><!DOCTYPE c [<!ENTITY x SYSTEM \"file:///etc/passwd\">]>"
        "<collection type=\"GCfilms\"><item title=\"&x;\"/></collection>";
    const std::string books = "<collection type=\"GCbooks\"><item title=\"A\"/></collection>";
    std::string tellicoBooks = videos;
    tellicoBooks.replace(tellicoBooks.find("type=\"3\""), 8, "type=\"2\"");
    const std::string huge = Written("huge.gcs", "");
    std::filesystem::resize_file(huge, kMaxForeignFileBytes + 1);

    EXPECT_EQ(ReadTellico(Written("cut.tc", archive.substr(0, archive.size() / 2))).error,
              msg::kForeignDamaged);
    EXPECT_EQ(ReadTellico(Written("cut.xml", videos.substr(0, 900))).error, msg::kForeignDamaged);
    EXPECT_EQ(ReadTellico(kData + "no-tellico.tc").error, msg::kTellicoNoXml);
    EXPECT_EQ(ReadTellico(Written("books.xml", tellicoBooks)).error, msg::kTellicoNotVideos);
    EXPECT_EQ(ReadGcstar(Written("books.gcs", books)).error, msg::kGcstarNotMovies);
    EXPECT_EQ(ReadGcstar(Written("bomb.gcs", bomb)).error, msg::kForeignEntities);
    EXPECT_EQ(ReadGcstar(Written("external.gcs", external)).error, msg::kForeignEntities);
    EXPECT_EQ(ReadGcstar(huge).error, msg::kForeignTooLarge);
    EXPECT_EQ(ReadDataCrow(Written("empty.xml", "")).error, msg::kForeignDamaged);
    EXPECT_TRUE(ReadGcstar(Written("bomb.gcs", bomb)).movies.empty());
}

TEST(ForeignReaders, FormatsAreKnownByContentBeforeName) {
    EXPECT_EQ(ForeignFormatOf(FirstBytesOf(kData + "videos.tc"), "x.xml")->name, "tellico");
    EXPECT_EQ(ForeignFormatOf(FirstBytesOf(kData + "videos.xml"), "x.gcs")->name, "tellico");
    EXPECT_EQ(ForeignFormatOf(FirstBytesOf(kData + "movies-datacrow.xml"), "")->name, "datacrow");
    EXPECT_EQ(ForeignFormatOf("<other/>", "films.GCS")->name, "gcstar");
    EXPECT_EQ(ForeignFormatOf(" AMC_3.5 Ant Movie Catalog", "films.xml")->name, "amc");
    EXPECT_EQ(ForeignFormatOf("<other/>", "films.xml"), nullptr);
}

// One command: Undo takes every imported movie back; a blank catalogue takes the headings.
TEST(ForeignDocument, ImportIsOneUndoableCommand) {
    FakeUI ui;
    CReelkeepDoc doc(ui);
    doc.OnNewDocument();
    ForeignCatalogue catalogue = ReadTellico(kData + "videos.tc");
    ForeignImportReport report;
    ASSERT_TRUE(doc.ImportForeign(catalogue, doc.IsBlank(), report));
    EXPECT_EQ(doc.Display().CustomHeadings(), ForeignCustomHeadings());
    EXPECT_EQ(doc.Catalogue().Value(0, Field::Custom3), "Northern Pictures");
    EXPECT_FALSE(doc.IsBlank());
    doc.Execute(CommandId::Undo);
    EXPECT_EQ(doc.Catalogue().Count(), 0u);
}

}  // namespace
}  // namespace reelkeep::test
