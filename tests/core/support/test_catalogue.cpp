#include "test_catalogue.h"

#include <span>
#include <utility>

namespace reelkeep::test {

TestCatalogue::TestCatalogue(const std::vector<Movie>& movies) {
    StartNew();
    FillCatalogue(doc, std::span<const Movie>(movies));
    ForgetTheFill();
}

TestCatalogue::TestCatalogue(const std::vector<Movie>& movies, const DocumentOptions& options) {
    StartNew();
    doc.OptionsChanged(options);
    FillCatalogue(doc, std::span<const Movie>(movies));
    ForgetTheFill();
}

void TestCatalogue::ForgetTheFill() {
    ui.updates = 0;
    ui.documentChanges = 0;
    ui.progress.clear();
}

void TestCatalogue::Enter(std::span<const RecordValues> records) {
    for (const RecordValues& record : records) {
        ui.entryAnswers.push_back(record);
        doc.Execute(CommandId::Enter);
    }
}

void TestCatalogue::StartNew() {
    ui.doc = &doc;
    doc.OnNewDocument();
}

void TestCatalogue::Select(std::vector<std::uint32_t> flags) {
    ui.viewSelection = std::move(flags);
    ui.rowsSelected = true;
}

std::vector<std::string> TestCatalogue::Stored() const {
    std::vector<std::string> titles;
    for (std::uint32_t r = 0; r < doc.Catalogue().Count(); ++r) {
        titles.push_back(doc.Catalogue().Value(r, Field::MovieName));
    }
    return titles;
}

std::vector<std::string> TestCatalogue::Displayed() const {
    std::vector<std::string> titles;
    for (std::uint32_t r : doc.Shown().Order())
        titles.push_back(doc.Catalogue().Value(r, Field::MovieName));
    return titles;
}

}  // namespace reelkeep::test
