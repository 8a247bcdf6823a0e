#include "doc_invariants.h"

#include <gtest/gtest.h>

#include <set>

namespace reelkeep::test {

void ExpectConsistent(const CReelkeepDoc& doc) {
    const std::uint32_t count = doc.Catalogue().Count();
    for (std::size_t f = 0; f < kFieldCount; ++f) {
        EXPECT_EQ(doc.Catalogue().Column(static_cast<Field>(f)).size(), count) << "field " << f;
    }
    std::set<std::uint32_t> seen;
    for (std::uint32_t record : doc.Display().Order()) {
        EXPECT_LT(record, count);
        EXPECT_TRUE(seen.insert(record).second) << "record " << record << " listed twice";
    }
    for (std::uint32_t row = 0; row < doc.Display().ActorRowCount(); ++row) {
        EXPECT_LT(doc.Display().ActorRowRecord(row), count);
    }
    for (const Label& label : doc.Display().Labels()) {
        for (std::uint32_t k = 0; k < label.movieCount; ++k) EXPECT_LT(label.records[k], count);
    }
    const UndoJournal& undo = doc.Undo();
    // An import's journal names its records without copies.
    for (const auto& column : undo.fields) {
        if (!column.empty()) {
            EXPECT_EQ(column.size(), undo.recordNumbers.size());
        }
    }
}

}  // namespace reelkeep::test
