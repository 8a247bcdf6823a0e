// The catalogue file's bytes: what the writer produces, what the reader accepts from every
// version, and what it does with damaged files.
#include <gtest/gtest.h>

#include <random>

#include "byte_io.h"
#include "catalogue_builder.h"
#include "doc_invariants.h"
#include "fake_ui.h"
#include "memory_source.h"
#include "messages.h"
#include "random_catalogue.h"
#include "reference_ordering.h"
#include "smf_bytes.h"
#include "smf_reader.h"
#include "smf_writer.h"

namespace reelkeep {
namespace {

using test::FakeUI;
using test::LoadBytes;
using test::SaveBytes;
using test::SmfBytes;

std::string Written(const std::function<void(CSmfWriter&)>& write) {
    CStringSink sink;
    CSmfWriter writer(sink);
    write(writer);
    writer.Flush();
    return sink.bytes;
}

std::string Hex(std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string out;
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (!out.empty()) out += ' ';
        out += kDigits[b >> 4];
        out += kDigits[b & 15];
    }
    return out;
}

bool SameLayouts(const ColumnLayouts& a, const ColumnLayouts& b) {
    for (std::size_t i = 0; i < kLayoutCount; ++i) {
        if (a[i].ids != b[i].ids || a[i].positions != b[i].positions) return false;
    }
    return true;
}

const FakeUI::ProgressRun* LoadingProgress(const FakeUI& ui) {
    for (const auto& run : ui.progress) {
        if (run.caption == msg::kProgressLoading) return &run;
    }
    return nullptr;
}

class SmfTest : public ::testing::Test {
protected:
    SmfTest() {
        ui.doc = &doc;
        doc.OnNewDocument();
    }
    // A two-movie catalogue that a failed open must either keep or replace.
    void FillPrevious() {
        doc.OnNewDocument();
        test::FillCatalogue(
            doc, std::vector<RecordValues>{{"Alien", "Sigourney Weaver"}, {"Heat", "Al Pacino"}});
        doc.SetModified(true);
    }
    bool PreviousKept() const {
        return doc.Catalogue().Count() == 2 &&
               doc.Catalogue().Value(1, Field::MovieName) == "Heat" && doc.IsModified();
    }

    FakeUI ui;
    CReelkeepDoc doc{ui};
};

TEST_F(SmfTest, EmptyCatalogueIsTheGoldenBytes) {
    const std::string golden = test::ReadDataFile("empty_current.smf");
    ASSERT_EQ(golden.size(), 946u);
    EXPECT_EQ(Hex(golden.substr(0, 8)), "FD FF FF FF 00 00 00 00");
    const std::string saved = SaveBytes(doc);
    EXPECT_EQ(saved, golden);
}

TEST(SmfPrefix, StringLengthBoundaries) {
    const auto prefixOf = [](std::size_t length) {
        const std::string bytes =
            Written([&](CSmfWriter& w) { w.WriteString(std::string(length, 'x')); });
        return Hex(bytes.substr(0, bytes.size() - length));
    };
    EXPECT_EQ(prefixOf(0), "00");
    EXPECT_EQ(prefixOf(254), "FE");
    EXPECT_EQ(prefixOf(255), "FF FF 00");
    EXPECT_EQ(prefixOf(0xFFFD), "FF FD FF");
    // 0xFFFE in the two-byte slot would announce wide text, so that length takes four bytes.
    EXPECT_EQ(prefixOf(0xFFFE), "FF FF FF FE FF 00 00");
    EXPECT_EQ(prefixOf(0x12345), "FF FF FF 45 23 01 00");
}

TEST(SmfPrefix, CountBoundaries) {
    const auto countBytes = [](std::uint32_t n) {
        return Hex(Written([&](CSmfWriter& w) { w.WriteCount(n); }));
    };
    EXPECT_EQ(countBytes(0), "00 00");
    EXPECT_EQ(countBytes(65534), "FE FF");
    EXPECT_EQ(countBytes(65535), "FF FF FF FF 00 00");
    EXPECT_EQ(countBytes(70000), "FF FF 70 11 01 00");
}

TEST(SmfPrefix, EveryLengthFormReadsBack) {
    const std::vector<std::size_t> lengths = {0, 1, 254, 255, 256, 0xFFFD, 0xFFFE, 0xFFFF, 0x10000};
    std::vector<std::string> texts;
    for (std::size_t n : lengths) texts.push_back(std::string(n, static_cast<char>('a' + n % 26)));
    std::vector<std::string> many(65535, "v");
    const std::string bytes = Written([&](CSmfWriter& w) {
        for (const auto& t : texts) w.WriteString(t);
        w.WriteStringList(many);
        w.WriteColorList(std::vector<std::uint32_t>(65534, 0x123456));
    });
    MemorySource source(bytes);
    CSmfReader reader(source);
    for (const auto& t : texts) EXPECT_EQ(reader.ReadString(), t);
    EXPECT_EQ(reader.ReadStringList(70000), many);
    EXPECT_EQ(reader.ReadColorList(), std::vector<std::uint32_t>(65534, 0x123456));
    EXPECT_EQ(reader.Remaining(), 0u);
}

TEST(SmfReaderText, WideTextIsConvertedToUtf8) {
    SmfBytes b;
    // "Hé", a clapper board (a surrogate pair) and a lone high surrogate.
    b.U8(0xFF).U16(0xFFFE).U8(5).U16('H').U16(0xE9).U16(0xD83C).U16(0xDFAC).U16(0xD800);
    // The second prefix in its two-byte form.
    b.U8(0xFF).U16(0xFFFE).U8(0xFF).U16(2).U16('o').U16('k');
    // An 8-bit string that is not UTF-8 comes from a Windows-1252 system.
    b.Str("Caf\xE9 \x80");
    b.Str("Caf\xC3\xA9");
    MemorySource source(b.bytes());
    CSmfReader reader(source);
    EXPECT_EQ(reader.ReadString(), "H\xC3\xA9\xF0\x9F\x8E\xAC\xEF\xBF\xBD");
    EXPECT_EQ(reader.ReadString(), "ok");
    EXPECT_EQ(reader.ReadString(), "Caf\xC3\xA9 \xE2\x82\xAC");
    EXPECT_EQ(reader.ReadString(), "Caf\xC3\xA9");
}

TEST_F(SmfTest, HeadingsOf254And255CharactersUseTheirPrefixes) {
    doc.ApplyCustomHeadings({std::string(254, 'h'), std::string(255, 'i'), "c", "d"}, false);
    const std::string bytes = SaveBytes(doc);
    constexpr std::size_t kHeadings = 8 + 836;
    EXPECT_EQ(Hex(bytes.substr(kHeadings, 1)), "FE");
    EXPECT_EQ(Hex(bytes.substr(kHeadings + 1 + 254, 3)), "FF FF 00");
}

// ---- the four versions, made by hand ----------------------------------------------------

SmfBytes& BaseLists(SmfBytes& b, std::initializer_list<std::string_view> names) {
    const auto n = static_cast<std::uint16_t>(names.size());
    b.Repeat(n, "Actor One").Repeat(n, "").Repeat(n, "Actor Three").Repeat(n, "95");
    b.List(names).Repeat(n, "PG").Repeat(n, "7").Repeat(n, "0100").Repeat(n, "Drama");
    return b.Repeat(n, "VHS");
}

void ExpectBaseFields(const CReelkeepDoc& doc, std::initializer_list<std::string_view> names) {
    ASSERT_EQ(doc.Catalogue().Count(), names.size());
    std::uint32_t i = 0;
    for (std::string_view name : names) {
        EXPECT_EQ(doc.Catalogue().Value(i, Field::MovieName), name);
        EXPECT_EQ(doc.Catalogue().Value(i, Field::Actor1), "Actor One");
        EXPECT_EQ(doc.Catalogue().Value(i, Field::Actor3), "Actor Three");
        EXPECT_EQ(doc.Catalogue().Value(i, Field::Time), "95");
        EXPECT_EQ(doc.Catalogue().Value(i, Field::Rating), "PG");
        EXPECT_EQ(doc.Catalogue().Value(i, Field::TapeNumber), "7");
        EXPECT_EQ(doc.Catalogue().Value(i, Field::Counter), "0100");
        EXPECT_EQ(doc.Catalogue().Value(i, Field::MovieType), "Drama");
        EXPECT_EQ(doc.Catalogue().Value(i, Field::MediaType), "VHS");
        ++i;
    }
}

class SmfVersionTest : public SmfTest {
protected:
    SmfVersionTest() {
        // The headings and column positions of the catalogue open before.
        doc.ApplyCustomHeadings({"Director", "Year", "Studio", "Notes"}, false);
        ColumnLayouts layouts = doc.Display().Layouts();
        layouts[0].positions[1] = 123;
        EXPECT_TRUE(LoadBytes(doc, test::WithLayouts(SaveBytes(doc), layouts)));
        ui.progress.clear();
    }
    void ExpectLoaded(std::uint32_t progressMax, bool withColors = true) {
        test::ExpectConsistent(doc);
        EXPECT_TRUE(ui.messages.empty());
        EXPECT_FALSE(doc.IsModified());
        const auto* run = LoadingProgress(ui);
        ASSERT_NE(run, nullptr);
        EXPECT_EQ(run->max, progressMax);
        EXPECT_EQ(run->steps, progressMax);
        EXPECT_TRUE(run->ended);
        if (!withColors) return;
        EXPECT_EQ(doc.Display().DataColors(), (std::vector<std::uint32_t>{0x0000FF}));
        EXPECT_EQ(doc.Display().HeadingColors(), (std::vector<std::uint32_t>{0x00FF00, 0xFF0000}));
    }
    void ExpectNoCustomData() {
        for (std::uint32_t i = 0; i < doc.Catalogue().Count(); ++i) {
            for (int k = 0; k < 4; ++k) EXPECT_EQ(doc.Catalogue().Value(i, CustomField(k)), "");
        }
        EXPECT_EQ(doc.Display().CustomHeadings()[0], "Director");
        EXPECT_EQ(doc.Display().Layouts()[0].positions[1], 123);
    }
};

TEST_F(SmfVersionTest, OldestVersionStartsWithTheRecordCount) {
    SmfBytes b;
    b.U32(3);
    BaseLists(b, {"Zulu", "Alpha", "Mike"}).Colors({0x0000FF}).Colors({0x00FF00, 0xFF0000});
    ASSERT_TRUE(LoadBytes(doc, b.bytes()));
    ExpectLoaded(13);
    ExpectBaseFields(doc, {"Zulu", "Alpha", "Mike"});
    ExpectNoCustomData();
    for (std::uint32_t i = 0; i < 3; ++i) EXPECT_EQ(doc.Catalogue().Value(i, Field::Synopsis), "");
}

TEST_F(SmfVersionTest, FieldsAnOlderVersionLacksDoNotKeepThePreviousCatalogues) {
    RecordValues previous;
    for (auto& value : previous) value = "previous";
    test::FillCatalogue(doc, std::vector<RecordValues>{previous, previous});
    SmfBytes b;
    b.U32(2);
    BaseLists(b, {"One", "Two"}).Colors({0x0000FF}).Colors({0x00FF00, 0xFF0000});
    ASSERT_TRUE(LoadBytes(doc, b.bytes()));
    ExpectBaseFields(doc, {"One", "Two"});
    ExpectNoCustomData();
    for (std::uint32_t i = 0; i < 2; ++i) EXPECT_EQ(doc.Catalogue().Value(i, Field::Synopsis), "");
}

TEST_F(SmfVersionTest, UnknownMarkWithTopBitIsReadAsOldestBody) {
    SmfBytes b;
    b.U32(0x80000000).U32(2);
    BaseLists(b, {"One", "Two"}).Colors({0x0000FF}).Colors({0x00FF00, 0xFF0000});
    ASSERT_TRUE(LoadBytes(doc, b.bytes()));
    ExpectLoaded(13);
    ExpectBaseFields(doc, {"One", "Two"});
    ExpectNoCustomData();
}

TEST_F(SmfVersionTest, SynopsisVersionKeepsLayoutsAndHeadings) {
    SmfBytes b;
    b.U32(0xFFFFFFFF).U32(2);
    BaseLists(b, {"One", "Two"}).Colors({0x0000FF}).Colors({0x00FF00, 0xFF0000});
    b.List({"First\r\nline", ""});
    ASSERT_TRUE(LoadBytes(doc, b.bytes()));
    ExpectLoaded(14);
    ExpectBaseFields(doc, {"One", "Two"});
    ExpectNoCustomData();
    EXPECT_EQ(doc.Catalogue().Value(0, Field::Synopsis), "First\r\nline");
    // The kept layouts are what the next save writes.
    const std::string saved = SaveBytes(doc);
    EXPECT_EQ(Hex(saved.substr(8 + 440, 4)), "7B 00 00 00");
}

TEST_F(SmfVersionTest, CustomVersionReadsHeadingsAndCustomFields) {
    SmfBytes b;
    b.U32(0xFFFFFFFE).U32(2).Str("Made by").Str("").Str("Where").Str("");
    b.List({"A", "B"}).List({"1", "2"}).List({"x", ""}).List({"", "y"});
    BaseLists(b, {"One", "Two"}).Colors({0x0000FF}).Colors({0x00FF00, 0xFF0000});
    b.List({"s1", "s2"});
    ASSERT_TRUE(LoadBytes(doc, b.bytes()));
    ExpectLoaded(22);
    ExpectBaseFields(doc, {"One", "Two"});
    // An empty heading in the file leaves the heading in force.
    EXPECT_EQ(doc.Display().CustomHeadings(),
              (std::array<std::string, 4>{"Made by", "Year", "Where", "Notes"}));
    EXPECT_EQ(ui.viewHeadings, doc.Display().CustomHeadings());
    EXPECT_EQ(doc.Catalogue().Value(1, Field::Custom1), "B");
    EXPECT_EQ(doc.Catalogue().Value(1, Field::Custom4), "y");
    EXPECT_EQ(doc.Catalogue().Value(1, Field::Synopsis), "s2");
    EXPECT_EQ(doc.Display().Layouts()[0].positions[1], 123);
}

TEST_F(SmfVersionTest, CurrentVersionWithEmptyHeadingsLoadsAsEmptyCatalogue) {
    SmfBytes b;
    b.U32(0xFFFFFFFD).U32(0).DefaultLayouts().Str("").Str("").Str("").Str("");
    for (int i = 0; i < 14; ++i) b.U16(0);
    b.Colors({}).Colors({}).U16(0);
    ASSERT_TRUE(LoadBytes(doc, b.bytes()));
    ExpectLoaded(23, false);
    EXPECT_EQ(doc.Catalogue().Count(), 0u);
    EXPECT_EQ(doc.Display().CustomHeadings()[3], "Notes");
    // The current version carries its own layouts.
    EXPECT_TRUE(SameLayouts(doc.Display().Layouts(), DefaultColumnLayouts()));
}

TEST_F(SmfVersionTest, ListsLongerOrShorterThanTheRecordCountAreFittedToIt) {
    SmfBytes b;
    b.U32(0xFFFFFFFF).U32(2);
    b.List({"a1", "a2", "a3 surplus"}).List({}).List({"c1"}).Repeat(2, "95");
    b.List({"One", "Two", "Three", "Four"}).Repeat(2, "PG").Repeat(2, "7").Repeat(2, "0");
    b.Repeat(2, "Drama").Repeat(2, "VHS").Colors({0x0000FF}).Colors({0x00FF00, 0xFF0000});
    b.List({"only one synopsis"});
    ASSERT_TRUE(LoadBytes(doc, b.bytes()));
    ExpectLoaded(14);
    EXPECT_EQ(doc.Catalogue().Value(1, Field::Actor1), "a2");
    EXPECT_EQ(doc.Catalogue().Value(1, Field::Actor3), "");
    EXPECT_EQ(doc.Catalogue().Value(1, Field::MovieName), "Two");
    EXPECT_EQ(doc.Catalogue().Value(1, Field::Synopsis), "");
}

TEST_F(SmfTest, LoadingEmptiesTheUndoJournalAndKeepsTheFilters) {
    FillPrevious();
    ui.viewSelection = {1, 0};
    ui.rowsSelected = true;
    ui.deleteAnswers = {DeleteAnswer::Yes};
    doc.Execute(CommandId::Delete);  // leaves its undo
    std::array<std::string, kFilterCount> filters;
    filters.fill("All");
    filters[0] = "z";
    doc.ApplyFilters(filters);
    SmfBytes b;
    b.U32(2);
    BaseLists(b, {"Zorro", "Alpha"}).Colors({}).Colors({});
    ASSERT_TRUE(LoadBytes(doc, b.bytes()));
    EXPECT_FALSE(doc.Undo().available);
    EXPECT_EQ(doc.Undo().size(), 0u);
    EXPECT_EQ(doc.Display().Filters()[0], "z");
    EXPECT_EQ(doc.Display().Order(), std::vector<std::uint32_t>{0});
}

// ---- damaged and unusual files -----------------------------------------------------------

TEST_F(SmfTest, CountsBeyondTheFileAreRefusedBeforeAnythingChanges) {
    FillPrevious();
    // 20 bytes claiming four thousand million records.
    SmfBytes b;
    b.U32(0xFFFFFFFD).U32(0xFFFFFFF0).U32(0).U32(0).U32(0);
    EXPECT_FALSE(LoadBytes(doc, b.bytes()));
    EXPECT_EQ(ui.messages, std::vector<std::string>{std::string(msg::kUnexpectedFormat)});
    EXPECT_TRUE(PreviousKept());

    // A list or string claiming more than is left, after the document was changed.
    using namespace std::string_literals;
    for (const std::string& tail :
         {"\xFF\xFF\xFF\xFF\xFF\x7F"s, "\x01\x00\xFF\xFF\xFF\xF0\xFF\xFF\x7F"s,
          "\x01\x00\xFF\xFE\xFF\xFF\xFF\xFF\xF0\xFF\xFF\x7F"s}) {
        SmfBytes c;
        c.U32(1).Raw(tail);
        while (c.bytes().size() < 40) c.U8(0);
        ui.messages.clear();
        EXPECT_FALSE(LoadBytes(doc, c.bytes()));
        EXPECT_EQ(ui.messages, std::vector<std::string>{std::string(msg::kUnexpectedFormat)});
        EXPECT_EQ(doc.Catalogue().Count(), 0u);
        test::ExpectConsistent(doc);
    }
}

TEST_F(SmfTest, TruncationAtEveryOffsetFailsCleanly) {
    CReelkeepDoc source(ui);
    source.OnNewDocument();
    test::FillCatalogue(
        source, std::vector<RecordValues>{{"Title", "A", "B", "C", "Drama", "VHS", "90", "1", "0",
                                           "R", "c1", "c2", "c3", "c4", "syn"},
                                          {"Other"}});
    source.SetLabelColors({1}, {});
    const std::string full = SaveBytes(source);
    for (std::size_t length = 1; length < full.size(); ++length) {
        SCOPED_TRACE(length);
        FillPrevious();
        ui.messages.clear();
        EXPECT_FALSE(LoadBytes(doc, std::string_view(full).substr(0, length)));
        EXPECT_EQ(ui.messages, std::vector<std::string>{std::string(msg::kUnexpectedFormat)});
        // Either nothing was taken from the file, or the user gets a new empty catalogue.
        if (!PreviousKept()) {
            EXPECT_EQ(doc.Catalogue().Count(), 0u);
            EXPECT_FALSE(doc.IsModified());
            EXPECT_TRUE(doc.IsReady());
        }
        if (length < 8) {
            EXPECT_TRUE(PreviousKept());
        }
        test::ExpectConsistent(doc);
        EXPECT_FALSE(ui.ProgressOpen());
    }
}

TEST_F(SmfTest, RandomByteFlipsNeverBreakTheDocument) {
    CReelkeepDoc source(ui);
    source.OnNewDocument();
    std::vector<RecordValues> records;
    for (int i = 0; i < 5; ++i) {
        records.push_back({"Movie " + std::to_string(i), "Actor", "", "", "Comedy", "DVD", "100",
                           std::to_string(i), "", "PG", "", "", "", "", std::string(300, 's')});
    }
    test::FillCatalogue(source, records);
    const std::string full = SaveBytes(source);
    std::mt19937 rng(1234);
    for (int round = 0; round < 3000; ++round) {
        std::string damaged = full;
        const int flips = 1 + static_cast<int>(rng() % 4);
        for (int f = 0; f < flips; ++f)
            damaged[rng() % damaged.size()] ^= static_cast<char>(1 + rng() % 255);
        LoadBytes(doc, damaged);
        test::ExpectConsistent(doc);
        ASSERT_FALSE(ui.ProgressOpen());
        ASSERT_LE(ui.messages.size(), 1u);
        ui.messages.clear();
        ui.progress.clear();
    }
}

// ---- round trip --------------------------------------------------------------------------

TEST(SmfRoundTrip, RandomCataloguesSurviveSaveAndLoad) {
    std::mt19937 rng(99);
    for (int round = 0; round < 30; ++round) {
        FakeUI ui;
        CReelkeepDoc original(ui);
        original.OnNewDocument();
        const std::uint32_t count = rng() % 40;
        test::FillCatalogue(original, test::RandomRecords(rng, count));
        original.ApplyCustomHeadings({"H1 \xC3\xA9", std::string(300, 'h'), "H3", "H4\r\n"}, false);
        original.SetLabelColors(original.Display().DataColors(), {0x112233});
        // Layouts no window makes, as a file may bring them.
        ColumnLayouts layouts = original.Display().Layouts();
        layouts[4].ids[6] = 7;
        layouts[10].positions[9] = -5;
        ASSERT_TRUE(LoadBytes(original, test::WithLayouts(SaveBytes(original), layouts)));
        const std::string bytes = SaveBytes(original);

        CReelkeepDoc loaded(ui);
        loaded.OnNewDocument();
        ASSERT_TRUE(LoadBytes(loaded, bytes));
        ASSERT_EQ(loaded.Catalogue().Count(), count);
        test::ref::Records records;
        for (std::uint32_t i = 0; i < count; ++i) {
            ASSERT_EQ(loaded.Catalogue().Record(i), original.Catalogue().Record(i));
            records.push_back(loaded.Catalogue().Record(i));
        }
        // The lists filled while the file was read are those a rebuild gives.
        for (std::size_t k = 0; k < kLookupCount; ++k) {
            const auto kind = static_cast<LookupKind>(k);
            EXPECT_EQ(loaded.Catalogue().Lookup(kind).Entries(),
                      test::ref::LookupEntries(records, kind));
        }
        EXPECT_EQ(loaded.Display().CustomHeadings(), original.Display().CustomHeadings());
        EXPECT_TRUE(SameLayouts(loaded.Display().Layouts(), original.Display().Layouts()));
        if (!loaded.Catalogue().Lookup(LookupKind::MovieTypes).empty()) {
            EXPECT_EQ(loaded.Display().HeadingColors(), std::vector<std::uint32_t>{0x112233});
        }
        // Once loaded, a catalogue saves to the same bytes again and again.
        const std::string again = SaveBytes(loaded);
        CReelkeepDoc third(ui);
        third.OnNewDocument();
        ASSERT_TRUE(LoadBytes(third, again));
        EXPECT_EQ(SaveBytes(third), again);
    }
}

}  // namespace
}  // namespace reelkeep
