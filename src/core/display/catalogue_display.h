#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "actor_index.h"
#include "catalogue.h"
#include "column_layout.h"
#include "display_state.h"
#include "document_options.h"
#include "filter_fields.h"
#include "label_layout.h"
#include "lookup_list.h"
#include "row_selection.h"
#include "type_colors.h"

namespace reelkeep {

class IReelkeepUI;

// The heading custom field k (0..3) has when the user gives it none.
std::string_view DefaultCustomHeading(std::size_t k);

// Everything derived from the catalogue for showing it: the display state, the filters and the
// display order they leave, the displayed actors and their index, the labels, the list columns,
// the custom headings and label colours, and the rows the user selected. Readers (the window,
// printing, the tool) get it const; the document's commands change it.
class CCatalogueDisplay {
public:
    CCatalogueDisplay(const CCatalogue& catalogue, IReelkeepUI& ui);

    const CCatalogue& Catalogue() const { return catalogue_; }

    // ---- what is shown and how it was sorted --------------------------------------------
    const DisplayState& State() const { return state_; }
    DisplayState& State() { return state_; }
    DisplayMode Mode() const { return state_.Mode(); }
    const DocumentOptions& Options() const { return options_; }
    void SetOptions(const DocumentOptions& options) { options_ = options; }
    // How the display order was last sorted where an option decides it: the title sort with or
    // without a leading "The ", the tape sort by text or by number. Switching between the
    // Normal View and One Line Sorts keeps the order, so it need not follow the options shown.
    bool TitleOrderIgnoresThe() const { return titleOrderIgnoresThe_; }
    bool TapeOrderIsText() const { return tapeOrderIsText_; }
    void NoteTitleOrder(bool ignoresThe) { titleOrderIgnoresThe_ = ignoresThe; }
    void NoteTapeOrder(bool isText) { tapeOrderIsText_ = isText; }
    // A sort by key: the actor index and labels go, and the layout follows DisplayState::SortBy.
    void ShowSortedBy(SortMark key);
    // No sort shown: the state as new, without actor index or labels.
    void ResetState();

    // ---- filters and display order ------------------------------------------------------
    const std::array<std::string, kFilterCount>& Filters() const { return filters_; }
    void SetFilters(const std::array<std::string, kFilterCount>& filters) { filters_ = filters; }
    // Whether any filter holds something other than "All", so some movies may be hidden.
    bool FiltersOn() const;
    const std::vector<std::uint32_t>& Order() const { return order_; }
    std::vector<std::uint32_t>& Order() { return order_; }
    const CLookupList& DisplayedActors() const { return displayedActors_; }
    // The records changed: the display order is refilled from the filters in record order, with
    // the displayed-actor list.
    void RebuildOrder();
    // The same where the order may name records that are gone: without memory for the rebuild,
    // nothing is shown.
    void RebuildOrderOrClear();

    // ---- the actor index ----------------------------------------------------------------
    std::uint32_t ActorRowCount() const {
        return static_cast<std::uint32_t>(actorIndex_.rows.size());
    }
    // Group name of row r: the actor on a group's first row, empty on the others.
    std::string_view ActorRowGroupName(std::uint32_t row) const;
    // The actor whose group row r belongs to, on every row of the group: what a printed actor
    // list breaks its pages on.
    std::string_view ActorRowActor(std::uint32_t row) const {
        return actorIndex_.groupNames[actorIndex_.rows[row].group];
    }
    std::uint32_t ActorRowRecord(std::uint32_t row) const { return actorIndex_.rows[row].record; }
    // Rows come group by group: the sorted actors, then the pseudo-actor's group, the last.
    std::uint32_t ActorRowGroup(std::uint32_t row) const { return actorIndex_.rows[row].group; }
    std::uint32_t ActorGroupCount() const {
        return static_cast<std::uint32_t>(actorIndex_.groupNames.size());
    }
    // Sorts the displayed-actor list; the sorted list is also what the actor filter offers.
    void SortDisplayedActors(bool showProgress);
    // Sorts the displayed-actor list and builds the index, without touching the sort marks.
    void BuildActorIndex(bool showProgress);

    // ---- labels and their colours -------------------------------------------------------
    const std::vector<Label>& Labels() const { return labels_; }
    void BuildLabelLayout();
    std::vector<std::uint32_t>& HeadingColors() { return headingColors_; }
    const std::vector<std::uint32_t>& HeadingColors() const { return headingColors_; }
    // One colour per entry of the movie-type list, in its order.
    const std::vector<std::uint32_t>& DataColors() const { return dataColors_.Colors(); }
    // Colours read from a file, given to the movie types by place once their list is sorted.
    void AdoptDataColors(std::vector<std::uint32_t> colors);
    // The user's colours for the movie types as the list holds them now.
    void SetDataColors(std::vector<std::uint32_t> colors);
    // After a change of the movie-type list: each colour follows its type, and there is a
    // heading colour once there are types.
    void FitLabelColors();

    // ---- rows of what is shown ----------------------------------------------------------
    // Rows of the current listing: actor rows while the actors mark is set, else displayed records.
    std::uint32_t ListingCount() const;
    std::uint32_t ListingRecord(std::uint32_t row) const;
    // Rows of what is shown: actor rows, displayed records or labels.
    std::uint32_t ShownRowCount() const;
    RowSelection& Selection() { return selection_; }
    const RowSelection& Selection() const { return selection_; }

    // ---- headings and list columns ------------------------------------------------------
    const HeadingTexts& CustomHeadings() const { return headings_; }
    void SetCustomHeadings(const HeadingTexts& headings) { headings_ = headings; }
    ColumnLayouts& Layouts() { return layouts_; }
    const ColumnLayouts& Layouts() const { return layouts_; }
    // The screen's resolution: every list gets its start-up column positions in it, and a list
    // shown later without positions (written by a tool) gets them when it is shown.
    void UseScreenResolution(int dpiY);
    // The layout of the list shown; nullptr in the Normal View and Label Format.
    ColumnLayout* ShownList();
    // Gives the list about to be shown the positions it lacks.
    void LayOutShownList();

    // ---- a catalogue going ----------------------------------------------------------------
    // Before a file's records are read: nothing that names a record of the previous catalogue.
    void ForgetRecords();
    // A new catalogue: all of the above as new, but the custom headings, the column layouts and
    // the sort marks that outlive a catalogue.
    void Reset();

private:
    const CCatalogue& catalogue_;
    IReelkeepUI& ui_;

    DisplayState state_;
    DocumentOptions options_;
    bool titleOrderIgnoresThe_ = true;
    bool tapeOrderIsText_ = false;
    std::array<std::string, kFilterCount> filters_;
    std::vector<std::uint32_t> order_;
    CLookupList displayedActors_;
    ActorIndex actorIndex_;
    std::vector<Label> labels_;
    std::vector<std::uint32_t> headingColors_;
    CTypeColors dataColors_;
    RowSelection selection_;
    HeadingTexts headings_;
    ColumnLayouts layouts_;
    std::optional<int> screenDpiY_;
};

}  // namespace reelkeep
