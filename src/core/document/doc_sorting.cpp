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

void CReelkeepDoc::SortByActorsCommand() {
    CWaitCursorScope wait(ui_);
    display_.ShowSortedBy(SortMark::Actors);
    BuildActorIndex();
    RequestViewUpdate();
}

void CReelkeepDoc::TitleSort() {
    CWaitCursorScope wait(ui_);
    display_.ShowSortedBy(SortMark::Title);
    const bool ignoreThe = display_.State().OneLine() ? display_.Options().ignoreTheOneLine
                                                      : display_.Options().ignoreTheNormal;
    display_.NoteTitleOrder(ignoreThe);
    CProgressScope progress(ui_, msg::kProgressSortTitle,
                            TitleSortGapCount(display_.Order().size()), progressEnabled_);
    SortByTitle(display_.Order(), catalogue_.Column(Field::MovieName), ignoreThe,
                [&] { progress.Step(); });
}

void CReelkeepDoc::KeySortCommand(SortMark key) {
    const SortKeyInfo* info = FindSortKey(key);
    if (!info || !info->keyField) return;
    CWaitCursorScope wait(ui_);
    TitleSort();
    display_.ShowSortedBy(key);
    {
        const std::uint32_t passes = PassCount(display_.Order().size());
        CProgressScope progress(ui_, info->keyCaption, passes);
        StableSortBlanksLast(display_.Order(), catalogue_.Column(*info->keyField));
        progress.StepTo(passes);
    }
    RequestViewUpdate();
}

void CReelkeepDoc::TapeNumberSort() {
    CWaitCursorScope wait(ui_);
    const bool labelFormat = display_.State().LabelFormat();
    // Display in Label Format has put the order in counter order, which the tape sort must keep.
    if (!labelFormat) TitleSort();
    display_.ShowSortedBy(SortMark::TapeNumber);
    if (labelFormat) display_.State().style = ViewStyle::Labels;
    if (display_.Order().empty()) return;
    bool sawNonNumeric = false;
    {
        const std::uint32_t passes = PassCount(display_.Order().size());
        CProgressScope progress(ui_, msg::kProgressSortTape, passes);
        const bool tapeText = display_.Options().tapeText;
        display_.NoteTapeOrder(tapeText);
        sawNonNumeric =
            StableSortTapeNumbers(display_.Order(), catalogue_.Column(Field::TapeNumber), tapeText);
        progress.StepTo(passes);
    }
    if (sawNonNumeric) Warn(ui_, msg::kTapeNotAllDigits);
    if (!display_.State().LabelFormat()) RequestViewUpdate();
}

void CReelkeepDoc::ReapplyCurrentSort() {
    if (display_.State().sort == SortMark::Actors) {
        if (!display_.DisplayedActors().empty()) {
            SortByActorsCommand();
        } else {
            display_.ResetState();
            display_.State().sort = SortMark::Title;
            RequestViewUpdate();
        }
        return;
    }
    if (display_.Order().empty()) {
        display_.ResetState();
        display_.State().sort = SortMark::Title;
        RequestViewUpdate();
        return;
    }
    switch (display_.State().sort) {
        case SortMark::None:
        case SortMark::Actors:
            return;
        case SortMark::Title:
            TitleSort();
            RequestViewUpdate();
            return;
        case SortMark::TapeNumber:
            // A bare tape sort would drop the labels on screen; rebuild them instead.
            if (display_.State().LabelFormat()) {
                DisplayLabelFormatCommand();
            } else {
                TapeNumberSort();
            }
            return;
        default:
            KeySortCommand(display_.State().sort);
    }
}

void CReelkeepDoc::OptionsChanged(const DocumentOptions& options) {
    CChangeScope change(*this);
    display_.SetOptions(options);
    if (display_.Order().size() > 1) {
        if (display_.State().NormalView() && display_.State().sort == SortMark::Title &&
            display_.Options().ignoreTheNormal != previousIgnoreTheNormal_) {
            TitleSort();
            RequestViewUpdate();
        }
        if (display_.State().OneLine() &&
            display_.Options().ignoreTheOneLine != previousIgnoreTheOneLine_) {
            TitleSort();
            RequestViewUpdate();
        }
    }
    previousIgnoreTheNormal_ = display_.Options().ignoreTheNormal;
    previousIgnoreTheOneLine_ = display_.Options().ignoreTheOneLine;
    RequestViewUpdate();
}

void CReelkeepDoc::OneLineSortsCommand() {
    if (display_.State().LabelFormat()) {
        // The labels' counter order is no list order: the list starts sorted by title.
        display_.ResetState();
        display_.State().style = ViewStyle::OneLine;
        TitleSort();
    }
    display_.State().style = ViewStyle::OneLine;
    RequestViewUpdate();
}

void CReelkeepDoc::DisplayNormalViewCommand() {
    if (display_.State().LabelFormat()) {
        display_.ResetState();
        TitleSort();
    } else {
        display_.State().style = ViewStyle::Normal;
    }
    RequestViewUpdate();
}

void CReelkeepDoc::DisplayLabelFormatCommand() {
    CWaitCursorScope wait(ui_);
    display_.ResetState();
    SortByCounterNumber();
    display_.State().style = ViewStyle::Labels;
    TapeNumberSort();
    display_.BuildLabelLayout();
    display_.State().style = ViewStyle::Labels;
    RequestViewUpdate();
}

void CReelkeepDoc::SortByCounterNumber() {
    if (catalogue_.Count() < 2) return;
    const std::uint32_t passes =
        display_.Order().empty() ? 0 : static_cast<std::uint32_t>(display_.Order().size() - 1);
    CProgressScope progress(ui_, msg::kProgressSortCounter, passes);
    StableSortCounters(display_.Order(), catalogue_.Column(Field::Counter));
    progress.StepTo(passes);
}

}  // namespace reelkeep
