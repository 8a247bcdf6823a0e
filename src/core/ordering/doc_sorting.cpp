// The display state and the sort and display-mode commands of the document.

#include "key_sorts.h"
#include "messages.h"
#include "reelkeep_doc.h"
#include "sort_keys.h"
#include "title_sort.h"

namespace reelkeep {

namespace {

// Progress of a key sort: one step per entry after the first, as many as a bubble sort's passes.
std::uint32_t PassCount(std::size_t n) { return n == 0 ? 0 : static_cast<std::uint32_t>(n - 1); }

}  // namespace

void CReelkeepDoc::ResetDisplayState() {
    display_ = DisplayState{};
    actorIndex_.clear();
    labels_.clear();
}

void CReelkeepDoc::ShowSortedBy(SortMark key) {
    actorIndex_.clear();
    labels_.clear();
    display_.SortBy(key);
}

void CReelkeepDoc::TitleSort() {
    WaitCursor wait(ui_);
    ShowSortedBy(SortMark::Title);
    const bool ignoreThe =
        display_.OneLine() ? options_.ignoreTheOneLine : options_.ignoreTheNormal;
    titleOrderIgnoresThe_ = ignoreThe;
    ProgressScope progress(ui_, msg::kProgressSortTitle, TitleSortGapCount(displayOrder_.size()),
                           progressEnabled_);
    SortByTitle(displayOrder_, Column(Field::MovieName), ignoreThe, [&] { progress.Step(); });
}

void CReelkeepDoc::KeySortCommand(SortMark key) {
    const SortKeyInfo* info = FindSortKey(key);
    if (!info || !info->keyField) return;
    WaitCursor wait(ui_);
    TitleSort();
    ShowSortedBy(key);
    {
        const std::uint32_t passes = PassCount(displayOrder_.size());
        ProgressScope progress(ui_, info->keyCaption, passes);
        StableSortBlanksLast(displayOrder_, Column(*info->keyField));
        progress.StepTo(passes);
    }
    RequestViewUpdate();
}

void CReelkeepDoc::TapeNumberSort() {
    WaitCursor wait(ui_);
    const bool labelFormat = display_.LabelFormat();
    // Display in Label Format has put the order in counter order, which the tape sort must keep.
    if (!labelFormat) TitleSort();
    ShowSortedBy(SortMark::TapeNumber);
    if (labelFormat) display_.style = ViewStyle::Labels;
    if (displayOrder_.empty()) return;
    bool sawNonNumeric = false;
    {
        const std::uint32_t passes = PassCount(displayOrder_.size());
        ProgressScope progress(ui_, msg::kProgressSortTape, passes);
        tapeOrderIsText_ = options_.tapeText;
        sawNonNumeric =
            StableSortTapeNumbers(displayOrder_, Column(Field::TapeNumber), tapeOrderIsText_);
        progress.StepTo(passes);
    }
    if (sawNonNumeric) Warn(ui_, msg::kTapeNotAllDigits);
    if (!display_.LabelFormat()) RequestViewUpdate();
}

void CReelkeepDoc::ReapplyCurrentSort() {
    if (display_.sort == SortMark::Actors) {
        if (!displayedActors_.empty()) {
            SortByActorsCommand();
        } else {
            ResetDisplayState();
            display_.sort = SortMark::Title;
            RequestViewUpdate();
        }
        return;
    }
    if (displayOrder_.empty()) {
        ResetDisplayState();
        display_.sort = SortMark::Title;
        RequestViewUpdate();
        return;
    }
    switch (display_.sort) {
        case SortMark::None:
        case SortMark::Actors:
            return;
        case SortMark::Title:
            TitleSort();
            RequestViewUpdate();
            return;
        case SortMark::TapeNumber:
            // A bare tape sort would drop the labels on screen; rebuild them instead.
            if (display_.LabelFormat()) {
                DisplayLabelFormatCommand();
            } else {
                TapeNumberSort();
            }
            return;
        default:
            KeySortCommand(display_.sort);
    }
}

void CReelkeepDoc::OptionsChanged(const DocumentOptions& options) {
    ChangeScope change(*this);
    options_ = options;
    if (displayOrder_.size() > 1) {
        if (display_.NormalView() && display_.sort == SortMark::Title &&
            options_.ignoreTheNormal != previousIgnoreTheNormal_) {
            TitleSort();
            RequestViewUpdate();
        }
        if (display_.OneLine() && options_.ignoreTheOneLine != previousIgnoreTheOneLine_) {
            TitleSort();
            RequestViewUpdate();
        }
    }
    previousIgnoreTheNormal_ = options_.ignoreTheNormal;
    previousIgnoreTheOneLine_ = options_.ignoreTheOneLine;
    RequestViewUpdate();
}

void CReelkeepDoc::OneLineSortsCommand() {
    if (display_.LabelFormat()) {
        // The labels' counter order is no list order: the list starts sorted by title.
        ResetDisplayState();
        display_.style = ViewStyle::OneLine;
        TitleSort();
    }
    display_.style = ViewStyle::OneLine;
    RequestViewUpdate();
}

void CReelkeepDoc::DisplayNormalViewCommand() {
    if (display_.LabelFormat()) {
        ResetDisplayState();
        TitleSort();
    } else {
        display_.style = ViewStyle::Normal;
    }
    RequestViewUpdate();
}

void CReelkeepDoc::DisplayLabelFormatCommand() {
    WaitCursor wait(ui_);
    ResetDisplayState();
    SortByCounterNumber();
    display_.style = ViewStyle::Labels;
    TapeNumberSort();
    BuildLabelLayout();
    display_.style = ViewStyle::Labels;
    RequestViewUpdate();
}

}  // namespace reelkeep
