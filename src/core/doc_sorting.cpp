// The display state and the sort and display-mode commands of the document.
#include <optional>

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
    sortMark_ = SortMark::None;
    labelFormat_ = false;
    oneLine_ = false;
    normalView_ = true;
    actorIndex_.clear();
    labels_.clear();
}

void CReelkeepDoc::TitleSort() {
    WaitCursor wait(ui_);
    const bool oneLine = oneLine_;
    ResetDisplayState();
    sortMark_ = SortMark::Title;
    if (oneLine) {
        normalView_ = false;
        oneLine_ = true;
    }
    const bool ignoreThe = oneLine_ ? options_.ignoreTheOneLine : options_.ignoreTheNormal;
    ProgressScope progress(ui_, msg::kProgressSortTitle, TitleSortGapCount(displayOrder_.size()),
                           progressEnabled_);
    SortByTitle(displayOrder_, Column(Field::MovieName), ignoreThe, [&] { progress.Step(); });
}

void CReelkeepDoc::KeySortCommand(SortMark key) {
    const SortKeyInfo* info = FindSortKey(key);
    if (!info || !info->keyField) return;
    WaitCursor wait(ui_);
    const bool oneLine = oneLine_;
    TitleSort();
    ResetDisplayState();
    if (oneLine) {
        normalView_ = false;
        oneLine_ = true;
    }
    sortMark_ = key;
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
    const bool oneLine = oneLine_;
    const bool labelFormat = labelFormat_;
    // Display in Label Format has put the order in counter order, which the tape sort must keep.
    if (oneLine || !labelFormat) TitleSort();
    ResetDisplayState();
    sortMark_ = SortMark::TapeNumber;
    if (oneLine) {
        normalView_ = false;
        oneLine_ = true;
    } else {
        labelFormat_ = labelFormat;
    }
    if (displayOrder_.empty()) return;
    bool sawNonNumeric = false;
    {
        const std::uint32_t passes = PassCount(displayOrder_.size());
        ProgressScope progress(ui_, msg::kProgressSortTape, passes);
        sawNonNumeric =
            StableSortTapeNumbers(displayOrder_, Column(Field::TapeNumber), options_.tapeText);
        progress.StepTo(passes);
    }
    if (sawNonNumeric) Warn(ui_, msg::kTapeNotAllDigits);
    if (!labelFormat_) RequestViewUpdate();
}

void CReelkeepDoc::ReapplyCurrentSort() {
    if (sortMark_ == SortMark::Actors) {
        if (!displayedActors_.empty()) {
            SortByActorsCommand();
        } else {
            ResetDisplayState();
            sortMark_ = SortMark::Title;
            normalView_ = true;
            RequestViewUpdate();
        }
        return;
    }
    if (displayOrder_.empty()) {
        ResetDisplayState();
        sortMark_ = SortMark::Title;
        RequestViewUpdate();
        return;
    }
    switch (sortMark_) {
        case SortMark::None:
        case SortMark::Actors:
            return;
        case SortMark::Title:
            TitleSort();
            RequestViewUpdate();
            return;
        case SortMark::TapeNumber:
            // A bare tape sort would drop the labels on screen; rebuild them instead.
            if (labelFormat_) {
                DisplayLabelFormatCommand();
            } else {
                TapeNumberSort();
            }
            return;
        default:
            KeySortCommand(sortMark_);
    }
}

void CReelkeepDoc::OptionsChanged(const DocumentOptions& options) {
    ChangeScope change(*this);
    options_ = options;
    if (displayOrder_.size() > 1) {
        if (normalView_ && sortMark_ == SortMark::Title &&
            options_.ignoreTheNormal != previousIgnoreTheNormal_) {
            TitleSort();
            RequestViewUpdate();
        }
        if (oneLine_ && options_.ignoreTheOneLine != previousIgnoreTheOneLine_) {
            TitleSort();
            RequestViewUpdate();
        }
    }
    previousIgnoreTheNormal_ = options_.ignoreTheNormal;
    previousIgnoreTheOneLine_ = options_.ignoreTheOneLine;
    RequestViewUpdate();
}

void CReelkeepDoc::OneLineSortsCommand() {
    if (labelFormat_) {
        ResetDisplayState();
        oneLine_ = true;
        TitleSort();
    }
    oneLine_ = true;
    normalView_ = false;
    RequestViewUpdate();
}

void CReelkeepDoc::DisplayNormalViewCommand() {
    if (labelFormat_) {
        ResetDisplayState();
        TitleSort();
    } else {
        oneLine_ = false;
        normalView_ = true;
    }
    RequestViewUpdate();
}

void CReelkeepDoc::DisplayLabelFormatCommand() {
    WaitCursor wait(ui_);
    ResetDisplayState();
    SortByCounterNumber();
    labelFormat_ = true;
    TapeNumberSort();
    BuildLabelLayout();
    labelFormat_ = true;
    normalView_ = false;
    RequestViewUpdate();
}

}  // namespace reelkeep
