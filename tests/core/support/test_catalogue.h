#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "catalogue_builder.h"
#include "fake_ui.h"
#include "reelkeep_doc.h"

namespace reelkeep::test {

// A new document filled with movies, in record order, with a scripted user wired to it: where
// most document tests start. Tests needing more derive from it.
struct TestCatalogue {
    FakeUI ui;
    CReelkeepDoc doc{ui};

    // No default constructor, so that TestCatalogue({}) is an empty catalogue, not a copy.
    explicit TestCatalogue(const std::vector<Movie>& movies);
    // Options set before filling, as a user's settings are before a catalogue is opened.
    TestCatalogue(const std::vector<Movie>& movies, const DocumentOptions& options);
    TestCatalogue(const TestCatalogue&) = delete;
    TestCatalogue& operator=(const TestCatalogue&) = delete;

    // Movies entered one by one, as after File > New: listed as entered, under no sort.
    void Enter(std::span<const RecordValues> records);
    // The user's row selection in the view, taken when a command asks for it.
    void Select(std::vector<std::uint32_t> flags);
    // Titles in record order.
    std::vector<std::string> Stored() const;
    // Titles in display order.
    std::vector<std::string> Displayed() const;

private:
    void StartNew();
    // The fill is the test's setting up: what the user saw of it is not the test's to check.
    void ForgetTheFill();
};

}  // namespace reelkeep::test
