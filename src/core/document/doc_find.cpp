#include <optional>
#include <utility>
#include <vector>

#include "find_match.h"
#include "messages.h"
#include "reelkeep_doc.h"

namespace reelkeep {

namespace {

bool RecordMatches(const CReelkeepDoc& doc, std::uint32_t record, const CFindMatcher& matcher) {
    for (std::size_t f = 0; f < kFieldCount; ++f) {
        if (matcher.Matches(doc.Catalogue().Value(record, static_cast<Field>(f)))) return true;
    }
    return false;
}

// Which records match, found field array by field array in storage order: walking the listing
// in display order would fetch fifteen scattered strings per movie.
std::vector<std::uint8_t> MatchingRecords(const CReelkeepDoc& doc, const CFindMatcher& matcher) {
    std::vector<std::uint8_t> matches(doc.Catalogue().Count(), 0);
    for (std::size_t f = 0; f < kFieldCount; ++f) {
        const std::vector<std::string>& column = doc.Catalogue().Column(static_cast<Field>(f));
        for (std::uint32_t r = 0; r < doc.Catalogue().Count(); ++r) {
            if (matches[r] == 0 && matcher.Matches(column[r])) matches[r] = 1;
        }
    }
    return matches;
}

// After a Modify of the found movie: the records it changed are those its undo journal names,
// and the found one itself when the journal had no room.
void RecheckModified(const CReelkeepDoc& doc, std::uint32_t found, const CFindMatcher& matcher,
                     std::vector<std::uint8_t>& matches) {
    const auto recheck = [&](std::uint32_t record) {
        if (record < matches.size()) matches[record] = RecordMatches(doc, record, matcher) ? 1 : 0;
    };
    recheck(found);
    for (std::uint32_t record : doc.Undo().recordNumbers) recheck(record);
}

// The "Searching" indicator, put away while Modify runs (it shows indicators of its own, and
// only one can be up at a time) and brought back at the position the walk had reached.
class CSearchProgress {
public:
    CSearchProgress(IReelkeepUI& ui, std::uint32_t positions)
        : ui_(ui), max_(positions == 0 ? 0 : positions - 1) {
        Resume();
    }
    void Step() {
        scope_->Step();
        ++steps_;
    }
    void Pause() { scope_.reset(); }
    void Resume() {
        scope_.emplace(ui_, msg::kProgressSearching, max_);
        scope_->StepTo(steps_);
    }

private:
    IReelkeepUI& ui_;
    std::uint32_t max_;
    std::uint32_t steps_ = 0;
    std::optional<CProgressScope> scope_;
};

}  // namespace

void CReelkeepDoc::FindCommand() {
    FindSettings settings = find_;
    if (!ui_.RunFindDialog(settings)) return;
    find_ = std::move(settings);
    const CFindMatcher matcher(find_);
    std::vector<std::uint8_t> matches = MatchingRecords(*this, matcher);
    const std::uint32_t positions = display_.ListingCount();
    CSearchProgress progress(ui_, positions);
    bool found = false;
    for (std::uint32_t k = 0; k < positions; ++k) {
        // A Modify during the search may shorten the listing (a filter no longer passes).
        std::uint32_t record = 0;
        if (ListingRecordAt(k, record) && matches[record] != 0) {
            found = true;
            progress.Pause();
            ui_.SelectOnly(k, true);
            ModifyCommand();
            RecheckModified(*this, record, matcher, matches);
            // The question comes with the change in sight: the list shows the movie as it is now
            // and the window is marked modified. The document is consistent between steps.
            if (changeDepth_ > 0) {
                ui_.EndDocumentChange();
                if (std::exchange(viewUpdatePending_, false)) UpdateViews();
                ui_.BeginDocumentChange();
            }
            const MessageAnswer answer = ui_.ShowMessage(
                msg::kContinueFind, MessageButtons::OkCancel, MessageIcon::Question);
            if (answer != MessageAnswer::Ok) {
                ui_.SelectOnly(0, false);
                return;
            }
            progress.Resume();
        }
        progress.Step();
    }
    ui_.ShowMessage(found ? msg::kFindNoMoreMatches : msg::kFindNoMatches, MessageButtons::Ok,
                    MessageIcon::Information);
    ui_.SelectOnly(0, false);
}

}  // namespace reelkeep
