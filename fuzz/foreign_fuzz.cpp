// Arbitrary bytes read as the file of each other catalogue program. Whatever they hold, no
// reader may crash, a refused file gives no movies, and the movies read go into a new catalogue
// as one undoable command with every value UTF-8 and every count of the report in step.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "foreign_formats.h"
#include "fuzz_check.h"
#include "reelkeep_doc.h"
#include "silent_ui.h"
#include "text_encoding.h"

namespace {

using namespace reelkeep;

// The readers take a path: one file per process, in the temporary folder.
const std::string& InputPath() {
    static const std::string path = std::filesystem::temp_directory_path() /
                                    ("reelkeep-foreign-fuzz-" + std::to_string(::getpid()));
    return path;
}

void CheckImport(ForeignCatalogue& catalogue) {
    if (!catalogue.error.empty()) {
        FUZZ_CHECK(catalogue.movies.empty());
        return;
    }
    const std::size_t count = catalogue.movies.size();
    CSilentUI ui;
    CReelkeepDoc doc(ui);
    doc.OnNewDocument();
    ForeignImportReport report;
    FUZZ_CHECK(doc.ImportForeign(catalogue, true, report));
    FUZZ_CHECK(report.imported == count && doc.Catalogue().Count() == count);
    for (std::uint32_t r = 0; r < count; ++r) {
        for (std::size_t f = 0; f < kFieldCount; ++f) {
            FUZZ_CHECK(IsValidUtf8(doc.Catalogue().Value(r, static_cast<Field>(f))));
        }
    }
    for (const auto& [what, n] : report.leftOut) FUZZ_CHECK(n != 0 && IsValidUtf8(what));
    if (count != 0) {
        doc.Execute(CommandId::Undo);
        FUZZ_CHECK(doc.Catalogue().Count() == 0);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::ofstream(InputPath(), std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    for (const ForeignFormat& format : ForeignFormats()) {
        ForeignCatalogue catalogue = format.read(InputPath());
        CheckImport(catalogue);
    }
    std::filesystem::remove(InputPath());
    return 0;
}
