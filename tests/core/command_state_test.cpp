#include <gtest/gtest.h>

#include <map>
#include <set>

#include "catalogue_builder.h"
#include "fake_ui.h"

namespace reelkeep::test {
namespace {

using Ids = std::set<CommandId>;

const Ids kKeySorts = {CommandId::SortByTitle,     CommandId::SortByTapeNumber,
                       CommandId::SortByTime,      CommandId::SortByRating,
                       CommandId::SortByMovieType, CommandId::SortByMediaType,
                       CommandId::SortByCustom1,   CommandId::SortByCustom2,
                       CommandId::SortByCustom3,   CommandId::SortByCustom4};
const Ids kModes = {CommandId::OneLineSorts, CommandId::DisplayLabelFormat,
                    CommandId::DisplayNormalView};
const Ids kOthers = {CommandId::Enter,     CommandId::Modify,       CommandId::Delete,
                     CommandId::Undo,      CommandId::Find,         CommandId::EditCustomHeading,
                     CommandId::Filters,   CommandId::SortByActors, CommandId::ExportCsv,
                     CommandId::ExportText};

Ids DocumentCommands() {
    Ids all = kKeySorts;
    all.insert(kModes.begin(), kModes.end());
    all.insert(kOthers.begin(), kOthers.end());
    return all;
}

Ids Union(std::initializer_list<Ids> sets) {
    Ids all;
    for (const Ids& s : sets) all.insert(s.begin(), s.end());
    return all;
}

struct Catalogue : TestCatalogue {
    explicit Catalogue(const std::vector<Movie>& movies) : TestCatalogue(movies) {}

    Ids Enabled() const {
        Ids enabled;
        for (CommandId id : DocumentCommands()) {
            if (doc.IsEnabled(id)) enabled.insert(id);
        }
        return enabled;
    }
};

const std::vector<Movie> kTwo = {{.title = "B", .actor1 = "Ann"}, {.title = "A"}};

// Execute runs every command Handles claims, and leaves the others alone: a command claimed but
// not run would fall to the key sorts' branch and dereference no key.
TEST(CommandHandling, ExecuteRunsWhatItHandlesAndIgnoresTheRest) {
    for (std::uint32_t value = 32768; value < 60000; ++value) {
        const auto id = static_cast<CommandId>(value);
        if (CommandName(id) == "unknown command") continue;
        Catalogue c(kTwo);
        c.ui.entryAnswers.push_back(ToRecord({.title = "C"}));
        c.doc.Execute(CommandId::Enter);  // so that Undo is enabled
        c.ui.rowsSelected = true;
        const int changes = c.ui.documentChanges;
        c.doc.Execute(id);
        EXPECT_EQ(c.ui.documentChanges > changes, CReelkeepDoc::Handles(id)) << id;
        EXPECT_TRUE(CReelkeepDoc::Handles(id) || !c.doc.IsEnabled(id)) << id;
    }
}

TEST(CommandState, BeforeAnyCatalogueOnlyTheHeadingsCanBeEdited) {
    FakeUI ui;
    CReelkeepDoc doc(ui);
    for (CommandId id : DocumentCommands()) {
        EXPECT_EQ(doc.IsEnabled(id), id == CommandId::EditCustomHeading) << id;
    }
}

TEST(CommandState, FollowsTheCatalogueContents) {
    Catalogue empty({});
    EXPECT_EQ(empty.Enabled(), (Ids{CommandId::Enter, CommandId::EditCustomHeading}));

    Catalogue one({{.title = "Solo"}});
    EXPECT_EQ(one.Enabled(), Union({kKeySorts,
                                    kModes,
                                    {CommandId::Enter, CommandId::Find, CommandId::ExportCsv,
                                     CommandId::ExportText, CommandId::EditCustomHeading}}));

    Catalogue two(kTwo);
    EXPECT_EQ(two.Enabled(), Union({kKeySorts,
                                    kModes,
                                    {CommandId::Enter, CommandId::Find, CommandId::ExportCsv,
                                     CommandId::ExportText, CommandId::EditCustomHeading,
                                     CommandId::Filters, CommandId::SortByActors}}));
    two.ui.rowsSelected = true;
    EXPECT_TRUE(two.doc.IsEnabled(CommandId::Modify));
    EXPECT_TRUE(two.doc.IsEnabled(CommandId::Delete));
}

TEST(CommandState, LabelFormatAllowsOnlyModesExportsFiltersAndHeadings) {
    Catalogue c(kTwo);
    c.ui.entryAnswers.push_back(ToRecord({.title = "C"}));
    c.doc.Execute(CommandId::Enter);
    c.ui.rowsSelected = true;
    c.doc.Execute(CommandId::DisplayLabelFormat);
    ASSERT_TRUE(c.doc.Display().State().LabelFormat());
    EXPECT_EQ(c.Enabled(), Union({kModes,
                                  {CommandId::ExportCsv, CommandId::ExportText,
                                   CommandId::EditCustomHeading, CommandId::Filters}}));
}

TEST(CommandState, FiltersThatHideEverythingDisableWhatNeedsDisplayedMovies) {
    Catalogue c(kTwo);
    c.ui.rowsSelected = true;
    c.ui.filterAnswers.push_back(std::array<std::string, kFilterCount>{
        "zzz", "All", "All", "All", "All", "All", "All", "All", "All"});
    c.doc.Execute(CommandId::Filters);
    ASSERT_TRUE(c.doc.Display().Order().empty());
    EXPECT_EQ(c.Enabled(), (Ids{CommandId::Enter, CommandId::Modify, CommandId::EditCustomHeading,
                                CommandId::Filters}));
}

TEST(CommandState, LabelColorsNeedAColourPrinterAndACatalogue) {
    FakeUI ui;
    CReelkeepDoc doc(ui);
    doc.SetPrinterColorCount(256);
    EXPECT_FALSE(doc.IsEnabled(CommandId::LabelDataColors));
    doc.OnNewDocument();
    EXPECT_TRUE(doc.IsEnabled(CommandId::LabelDataColors));
    EXPECT_TRUE(doc.IsEnabled(CommandId::LabelHeadingColor));
    doc.SetPrinterColorCount(2);
    EXPECT_FALSE(doc.IsEnabled(CommandId::LabelHeadingColor));
}

TEST(CommandChecks, FollowTheSortMarkAndTheModeFlags) {
    const std::map<CommandId, SortMark> marks = {
        {CommandId::SortByTitle, SortMark::Title},
        {CommandId::SortByTapeNumber, SortMark::TapeNumber},
        {CommandId::SortByRating, SortMark::Rating},
        {CommandId::SortByCustom3, SortMark::Custom3},
        {CommandId::SortByActors, SortMark::Actors},
    };
    for (const auto& [command, mark] : marks) {
        Catalogue c(kTwo);
        c.doc.Execute(command);
        EXPECT_EQ(c.doc.Display().State().sort, mark);
        for (CommandId id : Union({kKeySorts, {CommandId::SortByActors}})) {
            EXPECT_EQ(c.doc.IsChecked(id), id == command) << id;
        }
    }
    Catalogue c(kTwo);
    c.doc.Execute(CommandId::OneLineSorts);
    EXPECT_TRUE(c.doc.IsChecked(CommandId::OneLineSorts));
    EXPECT_FALSE(c.doc.IsChecked(CommandId::DisplayNormalView));
    EXPECT_FALSE(c.doc.IsChecked(CommandId::Enter));
}

TEST(CommandExecution, RunsTheCommandOnlyWhileEnabled) {
    Catalogue c({{.title = "Solo"}});
    c.ui.filterAnswers.push_back(std::array<std::string, kFilterCount>{});
    c.doc.Execute(CommandId::Filters);  // one record: disabled
    EXPECT_EQ(c.ui.filterAnswers.size(), 1u);

    // Each dialog is asked once and cancelled.
    c.ui.exportNames.push_back(std::nullopt);
    c.ui.findAnswers.push_back(std::nullopt);
    c.ui.headingAnswers.push_back(std::nullopt);
    c.doc.Execute(CommandId::ExportText);
    c.doc.Execute(CommandId::Find);
    c.doc.Execute(CommandId::EditCustomHeading);
    c.doc.Execute(CommandId::Enter);
    EXPECT_TRUE(c.ui.exportNames.empty());
    EXPECT_TRUE(c.ui.findAnswers.empty());
    EXPECT_TRUE(c.ui.headingAnswers.empty());
    EXPECT_EQ(c.ui.entryDialogsShown.size(), 1u);
    const int updates = c.ui.updates;
    c.doc.Execute(CommandId::SortByTitle);
    EXPECT_EQ(c.ui.updates, updates + 1);
}

}  // namespace
}  // namespace reelkeep::test
