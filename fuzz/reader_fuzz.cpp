// Arbitrary bytes opened as a catalogue file. Whatever they hold, the load must not crash, and
// a catalogue that opens must be whole and must come back the same once saved.
#include <cstddef>
#include <cstdint>
#include <set>
#include <span>

#include "byte_io.h"
#include "fuzz_check.h"
#include "memory_source.h"
#include "reelkeep_doc.h"
#include "silent_ui.h"

namespace {

using reelkeep::CReelkeepDoc;

void CheckConsistent(const CReelkeepDoc& doc) {
    const std::uint32_t count = doc.Catalogue().Count();
    for (std::size_t f = 0; f < reelkeep::kFieldCount; ++f) {
        FUZZ_CHECK(doc.Catalogue().Column(static_cast<reelkeep::Field>(f)).size() == count);
    }
    std::set<std::uint32_t> seen;
    for (const std::uint32_t record : doc.Display().Order()) {
        FUZZ_CHECK(record < count);
        FUZZ_CHECK(seen.insert(record).second);
    }
    for (std::uint32_t row = 0; row < doc.Display().ActorRowCount(); ++row) {
        FUZZ_CHECK(doc.Display().ActorRowRecord(row) < count);
    }
    for (const reelkeep::Label& label : doc.Display().Labels()) {
        for (std::uint32_t k = 0; k < label.movieCount; ++k) FUZZ_CHECK(label.records[k] < count);
    }
}

bool Load(CReelkeepDoc& doc, std::span<const char> bytes) {
    reelkeep::MemorySource source(bytes);
    return doc.ReadDocument(source, "fuzz.smf");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    reelkeep::CSilentUI ui;
    CReelkeepDoc doc(ui);
    const bool opened = Load(doc, {reinterpret_cast<const char*>(data), size});
    // Opened or not, the document is left usable.
    CheckConsistent(doc);
    if (!opened) return 0;

    reelkeep::CStringSink saved;
    doc.WriteDocument(saved);
    CReelkeepDoc again(ui);
    FUZZ_CHECK(Load(again, saved.bytes));
    CheckConsistent(again);
    FUZZ_CHECK(again.Catalogue().Count() == doc.Catalogue().Count());
    for (std::uint32_t r = 0; r < doc.Catalogue().Count(); ++r)
        FUZZ_CHECK(again.Catalogue().Record(r) == doc.Catalogue().Record(r));
    FUZZ_CHECK(again.Display().CustomHeadings() == doc.Display().CustomHeadings());
    FUZZ_CHECK(again.Display().DataColors() == doc.Display().DataColors());
    FUZZ_CHECK(again.Display().HeadingColors() == doc.Display().HeadingColors());
    return 0;
}
