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

// What the display order is sorted by, where a change of a few records can follow it: record
// order (None), or a sort by title or key after the title sort, with the options they ran with.
struct OrderKey {
    SortMark sort = SortMark::None;
    bool ignoreThe = false;
    bool tapeText = false;
    bool operator==(const OrderKey&) const = default;
};

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
    // Without filters, the actor lookup list itself until the index sorts a copy.
    const CLookupList& DisplayedActors() const {
        return actorsFromLookup_ ? catalogue_.Lookup(LookupKind::Actors) : displayedActors_;
    }
    // The records changed: the display order is refilled from the filters in record order, with
    // the displayed-actor list.
    void RebuildOrder();
    // The same where the order may name records that are gone: without memory for the rebuild,
    // nothing is shown.
    void RebuildOrderOrClear();

    // ---- the display order following a few records --------------------------------------
    // What the order is sorted by now; none where no change can follow it (the labels' order).
    void NoteOrderKey(std::optional<OrderKey> key);
    // Whether the order, with the displayed actors, can follow a change of the records in place
    // and come out as the re-sort to key would leave it.
    bool CanFollowRecords(const OrderKey& key) const;
    // The records (ascending) leave the order, before they change or go.
    void RemoveFromOrder(const std::vector<std::uint32_t>& records);
    // A record that came or changed joins the order at its place, after its equals.
    void InsertInOrder(std::uint32_t record);
    // After the records (ascending, numbered as before) were purged.
    void RenumberOrder(const std::vector<std::uint32_t>& purged);
    // After a change followed in place, without filters: the displayed actors are the actor
    // lookup list, as a rebuild leaves them; the actor index keeps its sorted copy.
    void ShareActorLookup() {
        if (state_.sort == SortMark::Actors) return;
        displayedActors_.Clear();
        actorsFromLookup_ = true;
    }
    // The actor index following the records: a record's rows leave (before it changes or goes)
    // and come back (after it changed); names the actor lookup list gained or lost become or
    // stop being groups. Where it cannot follow (a name spelled like the pseudo-actor's) the
    // index is rebuilt at the end of the change.
    void RemoveFromActorIndex(std::uint32_t record);
    void AddToActorIndex(std::uint32_t record);
    void RenumberActorIndex(const std::vector<std::uint32_t>& purged);
    // Ends the change of the actor index; returns whether it must be rebuilt.
    bool EndActorIndexChange();
    // Whether a change followed in place may have left ties of the title sort elsewhere than a
    // re-sort would; and the key the order was sorted by then.
    bool TiesMayDiffer() const { return tiesMayDiffer_; }
    const std::optional<OrderKey>& SortedBy() const { return orderKey_; }
    // Displayed records whose tape number a numeric tape sort cannot read.
    std::size_t UnreadableTapes() const { return unreadableTapes_; }

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
    // The same in two steps, so that the sort can run on another thread beside other work: the
    // sorted copy, changing nothing, then that copy taken as the displayed actors.
    CLookupList SortedDisplayedActors() const;
    void TakeSortedActors(CLookupList sorted);
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

    // ---- a display built on another thread ----------------------------------------------------
    // Everything but the catalogue shown and the UI: a display built elsewhere starts as a copy
    // of this one, and this one takes it over once it is built.
    void CopyFrom(const CCatalogueDisplay& other);
    void TakeFrom(CCatalogueDisplay&& other);

private:
    template <typename Display>
    static void Assign(CCatalogueDisplay& to, Display&& from);

    const CCatalogue& catalogue_;
    IReelkeepUI& ui_;

    DisplayState state_;
    DocumentOptions options_;
    bool titleOrderIgnoresThe_ = true;
    bool tapeOrderIsText_ = false;
    std::array<std::string, kFilterCount> filters_;
    std::vector<std::uint32_t> order_;
    CLookupList displayedActors_;
    bool actorsFromLookup_ = false;
    std::vector<std::string> namesToSync_;  // actor names a change may have added or removed
    bool actorIndexStale_ = false;
    std::vector<std::uint32_t> ActorGroupsOf(std::uint32_t record) const;
    void SyncActorGroups();
    std::optional<OrderKey> orderKey_ = OrderKey{};
    bool tiesMayDiffer_ = false;
    std::size_t unreadableTapes_ = 0;
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
