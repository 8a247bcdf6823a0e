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

void CReelkeepDoc::RestoreResortedOrder() {
    if (!shown_.TiesMayDiffer()) return;
    const OrderKey key = *shown_.SortedBy();
    shown_.RebuildOrder();
    std::vector<std::uint32_t>& order = shown_.Order();
    SortByTitle(order, catalogue_.Column(Field::MovieName), key.ignoreThe, [] {});
    if (key.sort == SortMark::TapeNumber) {
        StableSortTapeNumbers(order, catalogue_.Column(Field::TapeNumber), key.tapeText);
    } else if (const SortKeyInfo* info = FindSortKey(key.sort); info && info->keyField) {
        StableSortBlanksLast(order, catalogue_.Column(*info->keyField));
    }
    shown_.NoteOrderKey(key);
}

void CReelkeepDoc::SortByActorsCommand() {
    WaitCursor wait(ui_);
    RestoreResortedOrder();
    shown_.ShowSortedBy(SortMark::Actors);
    BuildActorIndex();
    RequestViewUpdate();
}

void CReelkeepDoc::TitleSort() {
    WaitCursor wait(ui_);
    RestoreResortedOrder();
    shown_.ShowSortedBy(SortMark::Title);
    const bool ignoreThe = shown_.State().OneLine() ? shown_.Options().ignoreTheOneLine
                                                    : shown_.Options().ignoreTheNormal;
    shown_.NoteTitleOrder(ignoreThe);
    ProgressScope progress(ui_, msg::kProgressSortTitle, TitleSortGapCount(shown_.Order().size()),
                           progressEnabled_);
    SortByTitle(shown_.Order(), catalogue_.Column(Field::MovieName), ignoreThe,
                [&] { progress.Step(); });
    shown_.NoteOrderKey(OrderKey{.sort = SortMark::Title, .ignoreThe = ignoreThe});
}

void CReelkeepDoc::KeySortCommand(SortMark key) {
    const SortKeyInfo* info = FindSortKey(key);
    if (!info || !info->keyField) return;
    WaitCursor wait(ui_);
    TitleSort();
    shown_.ShowSortedBy(key);
    {
        const std::uint32_t passes = PassCount(shown_.Order().size());
        ProgressScope progress(ui_, info->keyCaption, passes);
        StableSortBlanksLast(shown_.Order(), catalogue_.Column(*info->keyField));
        shown_.NoteOrderKey(OrderKey{.sort = key, .ignoreThe = shown_.TitleOrderIgnoresThe()});
        progress.StepTo(passes);
    }
    RequestViewUpdate();
}

void CReelkeepDoc::TapeNumberSort() {
    WaitCursor wait(ui_);
    const bool labelFormat = shown_.State().LabelFormat();
    // Display in Label Format has put the order in counter order, which the tape sort must keep.
    if (!labelFormat) TitleSort();
    shown_.ShowSortedBy(SortMark::TapeNumber);
    if (labelFormat) shown_.State().style = ViewStyle::Labels;
    if (shown_.Order().empty()) return;
    bool sawNonNumeric = false;
    {
        const std::uint32_t passes = PassCount(shown_.Order().size());
        ProgressScope progress(ui_, msg::kProgressSortTape, passes);
        const bool tapeText = shown_.Options().tapeText;
        shown_.NoteTapeOrder(tapeText);
        sawNonNumeric =
            StableSortTapeNumbers(shown_.Order(), catalogue_.Column(Field::TapeNumber), tapeText);
        // The labels' order started from the counters, which no single change can follow.
        shown_.NoteOrderKey(labelFormat
                                ? std::nullopt
                                : std::optional(OrderKey{.sort = SortMark::TapeNumber,
                                                         .ignoreThe = shown_.TitleOrderIgnoresThe(),
                                                         .tapeText = tapeText}));
        progress.StepTo(passes);
    }
    if (sawNonNumeric) Warn(ui_, msg::kTapeNotAllDigits);
    if (!shown_.State().LabelFormat()) RequestViewUpdate();
}

void CReelkeepDoc::ReapplyCurrentSort() {
    if (shown_.State().sort == SortMark::Actors) {
        if (!shown_.DisplayedActors().empty()) {
            SortByActorsCommand();
        } else {
            shown_.ResetState();
            shown_.State().sort = SortMark::Title;
            RequestViewUpdate();
        }
        return;
    }
    if (shown_.Order().empty()) {
        shown_.ResetState();
        shown_.State().sort = SortMark::Title;
        RequestViewUpdate();
        return;
    }
    switch (shown_.State().sort) {
        case SortMark::None:
        case SortMark::Actors:
            return;
        case SortMark::Title:
            TitleSort();
            RequestViewUpdate();
            return;
        case SortMark::TapeNumber:
            // A bare tape sort would drop the labels on screen; rebuild them instead.
            if (shown_.State().LabelFormat()) {
                DisplayLabelFormatCommand();
            } else {
                TapeNumberSort();
            }
            return;
        default:
            KeySortCommand(shown_.State().sort);
    }
}

void CReelkeepDoc::OptionsChanged(const DocumentOptions& options) {
    ChangeScope change(*this);
    shown_.SetOptions(options);
    if (shown_.Order().size() > 1) {
        if (shown_.State().NormalView() && shown_.State().sort == SortMark::Title &&
            shown_.Options().ignoreTheNormal != previousIgnoreTheNormal_) {
            TitleSort();
            RequestViewUpdate();
        }
        if (shown_.State().OneLine() &&
            shown_.Options().ignoreTheOneLine != previousIgnoreTheOneLine_) {
            TitleSort();
            RequestViewUpdate();
        }
    }
    previousIgnoreTheNormal_ = shown_.Options().ignoreTheNormal;
    previousIgnoreTheOneLine_ = shown_.Options().ignoreTheOneLine;
    RequestViewUpdate();
}

void CReelkeepDoc::OneLineSortsCommand() {
    if (shown_.State().LabelFormat()) {
        // The labels' counter order is no list order: the list starts sorted by title.
        shown_.ResetState();
        shown_.State().style = ViewStyle::OneLine;
        TitleSort();
    }
    shown_.State().style = ViewStyle::OneLine;
    RequestViewUpdate();
}

void CReelkeepDoc::DisplayNormalViewCommand() {
    if (shown_.State().LabelFormat()) {
        shown_.ResetState();
        TitleSort();
    } else {
        shown_.State().style = ViewStyle::Normal;
    }
    RequestViewUpdate();
}

void CReelkeepDoc::DisplayLabelFormatCommand() {
    WaitCursor wait(ui_);
    shown_.ResetState();
    SortByCounterNumber();
    shown_.State().style = ViewStyle::Labels;
    TapeNumberSort();
    shown_.BuildLabelLayout();
    shown_.State().style = ViewStyle::Labels;
    RequestViewUpdate();
}

void CReelkeepDoc::SortByCounterNumber() {
    RestoreResortedOrder();
    if (catalogue_.Count() < 2) return;
    const std::uint32_t passes =
        shown_.Order().empty() ? 0 : static_cast<std::uint32_t>(shown_.Order().size() - 1);
    ProgressScope progress(ui_, msg::kProgressSortCounter, passes);
    StableSortCounters(shown_.Order(), catalogue_.Column(Field::Counter));
    shown_.NoteOrderKey(std::nullopt);
    progress.StepTo(passes);
}

}  // namespace reelkeep
