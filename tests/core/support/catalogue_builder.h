#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "fake_ui.h"
#include "reelkeep_doc.h"

namespace reelkeep::test {

// One movie with named fields, so a test can write Movie{.title = "Abyss", .tape = "3"}.
struct Movie {
    std::string title{};
    std::string actor1{};
    std::string actor2{};
    std::string actor3{};
    std::string movieType{};
    std::string mediaType{};
    std::string time{};
    std::string tape{};
    std::string counter{};
    std::string rating{};
    std::string custom1{};
    std::string custom2{};
    std::string custom3{};
    std::string custom4{};
    std::string synopsis{};
};

RecordValues ToRecord(const Movie& movie);
std::vector<RecordValues> ToRecords(std::span<const Movie> movies);
// The document's records, in record order.
std::vector<RecordValues> RecordsOf(const CReelkeepDoc& doc);

// The records taken in as a file's are (LoadRecords): lists rebuilt, title-sorted.
void LoadCatalogue(CReelkeepDoc& doc, std::span<const RecordValues> records,
                   const HeadingTexts& headings = {});
// The same, then listed in record order with the filters in force, so a test sees them as it wrote
// them.
void FillCatalogue(CReelkeepDoc& doc, std::span<const RecordValues> records);
void FillCatalogue(CReelkeepDoc& doc, std::span<const Movie> movies);

// A new document filled with movies, in record order, with a scripted user wired to it: where
// most document tests start. Tests needing more derive from it.
struct TestCatalogue {
    FakeUI ui;
    CReelkeepDoc doc{ui};

    // Options set before filling, as a user's settings are before a catalogue is opened. No
    // default constructor, so that TestCatalogue({}) is an empty catalogue, not a copy.
    explicit TestCatalogue(const std::vector<Movie>& movies, const DocumentOptions& options = {}) {
        ui.doc = &doc;
        doc.OnNewDocument();
        doc.OptionsChanged(options);
        FillCatalogue(doc, std::span<const Movie>(movies));
        // The fill is the test's setting up: what the user saw of it is not the test's to check.
        ui.updates = 0;
        ui.documentChanges = 0;
        ui.progress.clear();
    }
    TestCatalogue(const TestCatalogue&) = delete;
    TestCatalogue& operator=(const TestCatalogue&) = delete;

    // Movies entered one by one, as after File > New: listed as entered, under no sort.
    void Enter(std::span<const RecordValues> records) {
        for (const RecordValues& record : records) {
            ui.entryAnswers.push_back(record);
            doc.Execute(CommandId::Enter);
        }
    }
    // The user's row selection in the view, taken when a command asks for it.
    void Select(std::vector<std::uint32_t> flags) {
        ui.viewSelection = std::move(flags);
        ui.rowsSelected = true;
    }
    // Titles in record order, and in display order.
    std::vector<std::string> Stored() const {
        return {doc.Catalogue().Column(Field::MovieName).begin(),
                doc.Catalogue().Column(Field::MovieName).end()};
    }
    std::vector<std::string> Displayed() const {
        std::vector<std::string> titles;
        for (std::uint32_t r : doc.Display().Order())
            titles.push_back(doc.Catalogue().Value(r, Field::MovieName));
        return titles;
    }
};

}  // namespace reelkeep::test
