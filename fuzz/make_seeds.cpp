// Writes the seed inputs of the fuzz targets: catalogue files of every version, with wide text,
// long strings, large counts and every optional list, settings files with odd values, and CSV
// files as Reelkeep exports them and as spreadsheets write them, and an Ant Movie Catalog file of
// each version.
// Usage: fuzz_make_seeds OUTPUT_DIR (gets reader/, settings/, csv/ and amc/ folders).
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <string>
#include <string_view>

#include "amc_bytes.h"
#include "column_layout.h"
#include "smf_format.h"

namespace {

namespace fs = std::filesystem;

// Catalogue bytes, item by item.
class Bytes {
public:
    Bytes& U8(std::uint8_t v) {
        bytes_ += static_cast<char>(v);
        return *this;
    }
    Bytes& U16(std::uint16_t v) { return U8(v & 0xFF).U8(static_cast<std::uint8_t>(v >> 8)); }
    Bytes& U32(std::uint32_t v) {
        return U16(static_cast<std::uint16_t>(v & 0xFFFF)).U16(static_cast<std::uint16_t>(v >> 16));
    }
    Bytes& Count(std::uint32_t n) {
        if (n < reelkeep::smf::kLongCount) return U16(static_cast<std::uint16_t>(n));
        return U16(reelkeep::smf::kLongCount).U32(n);
    }
    // 8-bit text with the shortest length prefix.
    Bytes& Str(std::string_view text) {
        const auto n = static_cast<std::uint32_t>(text.size());
        if (n < reelkeep::smf::kLongString) {
            U8(static_cast<std::uint8_t>(n));
        } else if (n < reelkeep::smf::kLongerString) {
            U8(reelkeep::smf::kLongString).U16(static_cast<std::uint16_t>(n));
        } else {
            U8(reelkeep::smf::kLongString).U16(reelkeep::smf::kLongCount).U32(n);
        }
        bytes_ += text;
        return *this;
    }
    // UTF-16 text (short only).
    Bytes& Wide(std::u16string_view text) {
        U8(reelkeep::smf::kLongString).U16(reelkeep::smf::kWideText);
        U8(static_cast<std::uint8_t>(text.size()));
        for (const char16_t unit : text) U16(unit);
        return *this;
    }
    const std::string& str() const { return bytes_; }

private:
    std::string bytes_;
};

enum class Version { Current, Custom, Synopsis, Oldest };

struct Shape {
    std::uint32_t records = 3;
    bool wide = false;      // some values as UTF-16
    bool longText = false;  // a value past each length prefix size
    bool bigCount = false;  // lists in the four-byte count form
    std::uint32_t colors = 3;
};

void Layouts(Bytes& b) {
    const reelkeep::ColumnLayouts layouts = reelkeep::DefaultColumnLayouts();
    for (const auto& layout : layouts) {
        for (const std::uint32_t id : layout.ids) b.U32(id);
    }
    for (std::size_t i = 0; i < layouts.size(); ++i) {
        for (int slot = 1; slot <= reelkeep::smf::kPositionsPerLayout; ++slot) {
            b.U32(static_cast<std::uint32_t>(100 * slot));
        }
    }
}

void List(Bytes& b, const Shape& s, int list) {
    if (s.bigCount) {
        b.U16(reelkeep::smf::kLongCount).U32(s.records);
    } else {
        b.Count(s.records);
    }
    for (std::uint32_t r = 0; r < s.records; ++r) {
        if (s.wide && r % 2 == 1) {
            b.Wide(u"T\u00e9l\u00e9 \u65e5\u672c");
        } else if (s.longText && r == 0) {
            // One value past the two-byte length prefix, the others past the one-byte one.
            b.Str(std::string(list == 0 ? 70000 : 300, 'x'));
        } else {
            b.Str("v" + std::to_string(list) + "-" + std::to_string(r) +
                  (r % 3 == 2 ? "\xe9" : ""));
        }
    }
}

std::string Catalogue(Version v, const Shape& s) {
    Bytes b;
    int list = 0;
    switch (v) {
        case Version::Current:
            b.U32(reelkeep::smf::kMarkCurrent).U32(s.records);
            Layouts(b);
            break;
        case Version::Custom:
            b.U32(reelkeep::smf::kMarkCustom).U32(s.records);
            break;
        case Version::Synopsis:
            b.U32(reelkeep::smf::kMarkSynopsis).U32(s.records);
            break;
        case Version::Oldest:
            b.U32(s.records);
            break;
    }
    if (v == Version::Current || v == Version::Custom) {
        for (const char* heading : {"Director", "Year", "", "Shelf"}) b.Str(heading);
        for (int k = 0; k < 4; ++k) List(b, s, list++);
    }
    for (int k = 0; k < 10; ++k) List(b, s, list++);
    for (int k = 0; k < 2; ++k) {
        b.Count(s.colors);
        for (std::uint32_t c = 0; c < s.colors; ++c) b.U32(0x102030 * (c + 1));
    }
    if (v != Version::Oldest) List(b, s, list++);
    return b.str();
}

void Write(const fs::path& file, std::string_view bytes) {
    std::ofstream out(file, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
        return 2;
    }
    const fs::path reader = fs::path(argv[1]) / "reader";
    const fs::path settings = fs::path(argv[1]) / "settings";
    const fs::path csv = fs::path(argv[1]) / "csv";
    fs::create_directories(reader);
    fs::create_directories(settings);
    fs::create_directories(csv);

    const std::pair<Version, const char*> versions[] = {{Version::Current, "current"},
                                                        {Version::Custom, "custom"},
                                                        {Version::Synopsis, "synopsis"},
                                                        {Version::Oldest, "oldest"}};
    for (const auto& [version, name] : versions) {
        const std::string base = reader / name;
        Write(base + "-plain.smf", Catalogue(version, Shape{}));
        Write(base + "-empty.smf", Catalogue(version, Shape{.records = 0, .colors = 0}));
        Write(base + "-wide.smf", Catalogue(version, Shape{.records = 4, .wide = true}));
        Write(base + "-bigcount.smf", Catalogue(version, Shape{.records = 2, .bigCount = true}));
    }
    Write(reader / "current-long.smf",
          Catalogue(Version::Current, Shape{.records = 1, .longText = true}));
    Write(reader / "current-many.smf",
          Catalogue(Version::Current, Shape{.records = 200, .colors = 40}));
    // A count far beyond the bytes that follow.
    Write(reader / "huge-count.smf",
          Bytes().U32(reelkeep::smf::kMarkCurrent).U32(0x7FFFFFFF).str());
    Write(reader / "oldest-huge-count.smf", Bytes().U32(0x00FFFFFF).Count(0x00FFFFFF).str());

    const std::pair<const char*, const char*> inis[] = {
        {"defaults.ini", ""},
        {"full.ini",
         "[Window size]\nRect=0010 0020 0500 0400\nIcon=0\nMaximized=1\n\n"
         "[Recent File List]\nFile1=/home/a/movies.smf\nFile2=/tmp/b.smf\nFile3=c.smf\n"
         "File4=/d e/f&g.smf\n\n"
         "[User Data]\nDataColor=255\nHeadingColor=16711680\nHDataColor=16777215\nHBkColor=0\n"
         "Face Name=Arial\nFont Size=120\nFont Weight=700\nBold=1\nItalic=1\n"
         "PFace Name=Courier\nPFont Size=90\nPFont Weight=400\nPBold=0\nPItalic=0\n"
         "LoadLast=1\nTitlesGrid=0\nTitlesPrint=2\nTitlesThe=0\nNlViewGrid=2\nNlViewPrint=1\n"
         "NlViewSynopsis=0\nNlViewThe=0\nActorGrid=0\nActorPrint=1\nPageNum=0\n"
         "NlViewHeading=0\nTapeText=1\nCustom 1=1\nCustom 2=0\nCustom 3=1\nCustom 4=1\n"},
        {"odd-numbers.ini",
         "[User Data]\nDataColor=-2\nHeadingColor=4294967295\nHDataColor=0x10\nHBkColor= 12 \n"
         "Font Size=2147483647\nFont Weight=-2147483648\nFace Name=  \nNlViewPrint=99\n"
         "TitlesPrint=-1\n"},
        {"odd-placement.ini",
         "[Window size]\nRect=-2147483648 -2147483648 -2147483648 2147483647\nIcon=7\n"
         "Maximized=-1\n"},
        {"odd-syntax.ini",
         "; comment\n# another\n[ User Data ]\n=no name\nFace Name=a\\\\b\\nc\\rd\\\n"
         "Font Size\n[Recent File List\nFile1=\nFile2=same\nFile3=same\n[]\nFile4=x\n"
         "\xef\xbb\xbf[Window size]\r\nRect=1 2 3\r\n"},
    };
    for (const auto& [name, text] : inis) Write(settings / name, text);

    constexpr std::string_view kExportHeading =
        R"("Title","Actors1","Actors2","Actors3","Time","Rating","Counter","Media","Type",)"
        R"("Tape #","Synopsis","Director","Year",)"
        "\r\n";
    const std::pair<const char*, std::string> csvs[] = {
        {"export.csv", std::string(kExportHeading) +
                           R"("Alien "Special" Edition","Sigourney Weaver","","","117","R",)"
                           R"("0030","VHS","Sci-Fi","12","Line one)"
                           "\r\n"
                           R"(Line two","Ridley Scott","1979",)"
                           "\r\n"
                           R"("","","","","","","","","","","","","",)"
                           "\r\n"},
        {"export-broken.csv", std::string(kExportHeading) +
                                  R"("a",b","","","","","","","","","","","",)"
                                  "\r\n"
                                  R"("short",)"
                                  "\r\n"
                                  R"("open)"},
        {"quotes.csv",
         "Title,Actors,Synopsis,Tape\r\n\"Say \"\"Hi\"\"\",\"Ann; Bob; Cy; Dee\",\"one, "
         "two\r\nthree\",7\r\nplain,,,8,,\r\n,,,\r\n"},
        {"bom.csv",
         "\xEF\xBB\xBFMovie Title,Genre,Format\n\xC3\x89t\xC3\xA9,Drama,DVD\nbad \xE9,x,y\n"},
        {"cp1252.csv",
         "Titre,G\xE9nre,Tape #\nCaf\xE9 \x80,Com\xE9"
         "die,1\n"},
        {"semicolons.csv", "Title;Actor 1;Rating;Custom 1\nA,1;B;PG;x\n\"C;D\";;;\n"},
        {"tabs.csv", "Title\tTape\tRunning Time\nA\t1\t90\nB\t2\t95\textra\n"},
        {"broken-quotes.csv", "Title,Tape\n\"a\"b\"c,1\n\"\"\"\n\"never closed,2\n"},
        {"empty.csv", ""},
    };
    for (const auto& [name, text] : csvs) Write(csv / name, text);

    const fs::path amc = fs::path(argv[1]) / "amc";
    fs::create_directories(amc);
    for (const int version : {10, 11, 21, 30}) {
        reelkeep::AmcBytes b(version);
        Write(amc / ("amc" + std::to_string(version) + ".amc"),
              b.FixedMovie(true).FixedMovie(false).str());
    }
    for (const int version : {31, 33, 35, 40, 41, 42}) {
        reelkeep::AmcBytes b(version);
        Write(amc / ("amc" + std::to_string(version) + ".amc"),
              b.Owner().Movie(true).Movie(false).str());
    }
    Write(amc / "export.xml",
          "<?xml version=\"1.0\" encoding=\"windows-1252\"?>\n<AntMovieCatalog><Catalog>"
          "<CustomFieldsProperties><CustomField Tag=\"Shelf\" Name=\"Shelf colour\"/>"
          "</CustomFieldsProperties><Contents><Movie Number=\"7\" OriginalTitle=\"Das Boot\" "
          "Actors=\"J\xFCrgen Prochnow (Captain), Herbert Gr\xF6nemeyer\" Picture=\"a.jpg\">"
          "<CustomFields Shelf=\"blue\"/><Extras><Extra EPicture=\"t.png\"/></Extras></Movie>"
          "<Movie/></Contents></Catalog></AntMovieCatalog>\n");
    return 0;
}
