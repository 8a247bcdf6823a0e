// Importing another catalogue program's file of generated movies into a new catalogue: reading
// the XML, fitting each movie into the fields, appending, and the rebuilds and the title sort
// that follow.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#include "bench_support.h"
#include "foreign_formats.h"
#include "generator.h"
#include "silent_ui.h"

namespace reelkeep {
namespace {

std::string Escaped(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

// The generated catalogue's movies as each program writes them, with roles beside the actors;
// removed when the program ends.
struct ForeignFile {
    std::string path;
    const ForeignFormat* format;

    ForeignFile(std::uint32_t n, std::string_view name) : format(ForeignFormatNamed(name)) {
        CSilentUI ui;
        CReelkeepDoc doc(ui);
        GenerateCatalogue(doc, n, 42);
        const bool tellico = name == "tellico";
        std::string xml = tellico ? "<tellico xmlns=\"http://periapsis.org/tellico/\" "
                                    "syntaxVersion=\"11\"><collection type=\"3\">\n"
                                  : "<collection type=\"GCfilms\">\n";
        for (std::uint32_t r = 0; r < doc.Catalogue().Count(); ++r) {
            const auto v = [&](Field f) { return Escaped(doc.Catalogue().Value(r, f)); };
            std::string cast;
            for (std::size_t k = 0; k < kActorSlotCount; ++k) {
                cast += tellico ? "<cast><column>" + v(ActorField(k)) +
                                      "</column><column>Role</column></cast>"
                                : "<line><col>" + v(ActorField(k)) + "</col><col>Role</col></line>";
            }
            xml += tellico ? "<entry id=\"" + std::to_string(r + 1) + "\"><title>" +
                                 v(Field::MovieName) + "</title><medium>" + v(Field::MediaType) +
                                 "</medium><year>" + v(Field::Custom2) + "</year><genres><genre>" +
                                 v(Field::MovieType) + "</genre></genres><running-time>" +
                                 v(Field::Time) + "</running-time><directors><director>" +
                                 v(Field::Custom1) + "</director></directors><casts>" + cast +
                                 "</casts><plot>" + v(Field::Synopsis) + "</plot></entry>\n"
                           : "<item id=\"" + std::to_string(r + 1) + "\" title=\"" +
                                 v(Field::MovieName) + "\" time=\"" + v(Field::Time) +
                                 " min\" director=\"" + v(Field::Custom1) + "\" date=\"" +
                                 v(Field::Custom2) + "\" format=\"" + v(Field::MediaType) +
                                 "\"><synopsis>" + v(Field::Synopsis) +
                                 "</synopsis><genre><line><col>" + v(Field::MovieType) +
                                 "</col></line></genre><actors>" + cast + "</actors></item>\n";
        }
        xml += tellico ? "</collection></tellico>\n" : "</collection>\n";
        path = bench::TempPath(std::to_string(n) + (tellico ? ".xml" : ".gcs"));
        std::ofstream(path, std::ios::binary) << xml;
    }
    ~ForeignFile() { std::filesystem::remove(path); }
    ForeignFile(const ForeignFile&) = delete;
    ForeignFile& operator=(const ForeignFile&) = delete;
};

struct GcstarFile : ForeignFile {
    explicit GcstarFile(std::uint32_t n) : ForeignFile(n, "gcstar") {}
};
struct TellicoFile : ForeignFile {
    explicit TellicoFile(std::uint32_t n) : ForeignFile(n, "tellico") {}
};

template <typename File>
void BM_ImportForeign(benchmark::State& state) {
    const auto n = static_cast<std::uint32_t>(state.range(0));
    const File& file = bench::OncePerSize<File>(n);
    for (auto _ : state) {
        state.PauseTiming();
        CSilentUI ui;
        CReelkeepDoc doc(ui);
        doc.OnNewDocument();
        state.ResumeTiming();
        ForeignCatalogue catalogue = file.format->read(file.path);
        ForeignImportReport report;
        if (!catalogue.error.empty() || !doc.ImportForeign(catalogue, true, report) ||
            doc.Catalogue().Count() != n) {
            state.SkipWithError("import failed");
        }
        state.PauseTiming();  // freeing the catalogue is not part of the import
        doc.OnNewDocument();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * n);
}
void ImportSizes(benchmark::internal::Benchmark* b) { bench::AddSizes(b, {100'000}); }
BENCHMARK(BM_ImportForeign<GcstarFile>)->Apply(ImportSizes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportForeign<TellicoFile>)->Apply(ImportSizes)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace reelkeep
