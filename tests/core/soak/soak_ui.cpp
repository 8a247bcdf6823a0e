#include "soak_ui.h"

#include <array>

#include "catalogue_builder.h"
#include "messages.h"
#include "random_catalogue.h"

namespace reelkeep::test {

namespace {

// Texts that match some of RandomRecords' values: whole values, words, prefixes, cases.
const std::array<std::string, 12> kFindTexts = {"",   "a",     "abyss", "ABYSS",  "the", "Smith",
                                                "PG", "drama", "1",     "DELETE", "x",   "L"};
const std::array<std::string, 5> kHeadings = {"", "Director", "Year", std::string(255, 'H'),
                                              "\xC3\x89tiquette"};

}  // namespace

void SoakUI::StartStep() {
    messages.clear();
    progress.clear();
    deleteQuestions.clear();
    entryDialogsShown.clear();
    editStart.reset();
    changedFrom.reset();
    filtersTaken = false;
    answers.clear();
}

MessageAnswer SoakUI::ShowMessage(std::string_view text, MessageButtons buttons, MessageIcon icon) {
    FakeUI::ShowMessage(text, buttons, icon);
    if (text != msg::kContinueFind) return MessageAnswer::Ok;
    const bool goOn = !OneIn(4);
    answers += goOn ? " continue" : " stop";
    return goOn ? MessageAnswer::Ok : MessageAnswer::Cancel;
}

bool SoakUI::RunEntryDialog(EntryDialogValues& values) {
    switch (rng_() % 6) {
        case 0:
            answers += " entry:cancel";
            return false;
        case 1:
            answers += " entry:as-shown";
            break;
        case 2:
        case 3:
            answers += " entry:new";
            values.fields = RandomRecords(rng_, 1).front();
            break;
        default: {
            const std::size_t f = rng_() % kFieldCount;
            answers += " entry:field" + std::to_string(f);
            values.fields[f] = RandomRecords(rng_, 1).front()[f];
        }
    }
    if (editStart) changedFrom = editStart->display;
    return true;
}

std::optional<DeleteAnswer> SoakUI::RunDeleteDialog(std::string_view) {
    const unsigned pick = rng_() % 5;
    answers += " delete:" + std::to_string(pick);
    if (pick == 0) return std::nullopt;  // closed without a button
    return static_cast<DeleteAnswer>(pick);
}

bool SoakUI::RunFindDialog(FindSettings& settings) {
    if (OneIn(6)) {
        answers += " find:cancel";
        return false;
    }
    settings.text = kFindTexts[rng_() % kFindTexts.size()];
    settings.matchCase = OneIn(3);
    settings.wholeWord = OneIn(3);
    answers += " find:'" + settings.text + "'" + (settings.matchCase ? " case" : "") +
               (settings.wholeWord ? " word" : "");
    return true;
}

bool SoakUI::RunCustomHeadingsDialog(HeadingTexts& headings) {
    if (OneIn(4)) return false;
    for (std::string& heading : headings) {
        if (OneIn(2)) heading = kHeadings[rng_() % kHeadings.size()];
    }
    answers += " headings";
    return true;
}

bool SoakUI::RunFiltersDialog(FilterTexts& filters) {
    const unsigned pick = rng_() % 7;
    if (pick == 0) {
        answers += " filters:cancel";
        return false;
    }
    filters.fill(std::string(kFilterAll));
    if (pick == 3) filters = RandomFilters(rng_);
    if (pick >= 4) {
        const auto filter = static_cast<FilterField>(rng_() % kFilterCount);
        filters[static_cast<std::size_t>(filter)] = PrefixOfAValue(filter);
    }
    answers += " filters:";
    for (const std::string& f : filters) answers += "[" + f + "]";
    filtersTaken = true;
    return true;
}

std::string SoakUI::PrefixOfAValue(FilterField filter) {
    if (doc->Catalogue().Count() == 0) return "";
    static constexpr std::array<Field, kFilterCount> kTested = {
        Field::MovieName, Field::Actor1,  Field::MovieType, Field::MediaType, Field::Rating,
        Field::Custom1,   Field::Custom2, Field::Custom3,   Field::Custom4};
    Field field = kTested[static_cast<std::size_t>(filter)];
    if (filter == FilterField::Actor) field = ActorField(rng_() % kActorSlotCount);
    const std::string& value = doc->Catalogue().Value(rng_() % doc->Catalogue().Count(), field);
    return value.substr(0, rng_() % 4);
}

std::vector<std::uint32_t> SoakUI::SelectedRowFlags() const {
    editStart = EditStart{doc->Display().State(), RecordsOf(*doc)};
    return FakeUI::SelectedRowFlags();
}

}  // namespace reelkeep::test
