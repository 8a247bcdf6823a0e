#include "spreadsheet_csv.h"

#include <array>
#include <filesystem>
#include <fstream>

#include "bench_support.h"
#include "generator.h"
#include "silent_ui.h"

namespace reelkeep::bench {
namespace {

// The columns as a spreadsheet user would name them; the actors in one column.
constexpr std::string_view kHeadingLine =
    "Movie Title,Actors,Genre,Format,Running Time,Tape,Counter,Rating,Director,Year,Studio,"
    "Condition,Synopsis\r\n";
constexpr std::array<Field, 11> kColumnsAfterActors = {
    Field::MovieType, Field::MediaType, Field::Time,     Field::TapeNumber,
    Field::Counter,   Field::Rating,    Field::Custom1,  Field::Custom2,
    Field::Custom3,   Field::Custom4,   Field::Synopsis,
};

// RFC 4180: quoted only where the value needs it.
void AppendValue(std::string& out, std::string_view value) {
    if (value.find_first_of(",\"\r\n") == std::string_view::npos) {
        out += value;
        return;
    }
    out += '"';
    for (const char c : value) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

std::string ActorList(const CReelkeepDoc& doc, std::uint32_t r) {
    std::string list;
    for (std::size_t k = 0; k < kActorSlotCount; ++k) {
        const std::string& actor = doc.Catalogue().Value(r, ActorField(k));
        if (actor.empty()) continue;
        if (!list.empty()) list += "; ";
        list += actor;
    }
    return list;
}

}  // namespace

SpreadsheetFile::SpreadsheetFile(std::uint32_t n) : path(TempPath(std::to_string(n) + ".csv")) {
    CSilentUI ui;
    CReelkeepDoc doc(ui);
    GenerateCatalogue(doc, n, 42);
    headings = doc.Display().CustomHeadings();
    std::string text(kHeadingLine);
    for (std::uint32_t r = 0; r < doc.Catalogue().Count(); ++r) {
        AppendValue(text, doc.Catalogue().Value(r, Field::MovieName));
        text += ',';
        AppendValue(text, ActorList(doc, r));
        for (const Field f : kColumnsAfterActors) {
            text += ',';
            AppendValue(text, doc.Catalogue().Value(r, f));
        }
        text += "\r\n";
    }
    std::ofstream(path, std::ios::binary) << text;
}

SpreadsheetFile::~SpreadsheetFile() { std::filesystem::remove(path); }

}  // namespace reelkeep::bench
