#include <optional>

#include "find_match.h"
#include "messages.h"
#include "reelkeep_doc.h"

namespace reelkeep {

namespace {

bool RecordMatches(const CReelkeepDoc& doc, std::uint32_t record, const FindMatcher& matcher) {
    for (std::size_t f = 0; f < kFieldCount; ++f) {
        if (matcher.Matches(doc.Value(record, static_cast<Field>(f)))) return true;
    }
    return false;
}

// The "Searching" indicator, put away while Modify runs (it shows indicators of its own, and
// only one can be up at a time) and brought back at the position the walk had reached.
class SearchProgress {
  public:
    SearchProgress(IReelkeepUI& ui, std::uint32_t positions)
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
        for (std::uint32_t k = 0; k < steps_; ++k) scope_->Step();
    }

  private:
    IReelkeepUI& ui_;
    std::uint32_t max_;
    std::uint32_t steps_ = 0;
    std::optional<ProgressScope> scope_;
};

}  // namespace

void CReelkeepDoc::FindCommand() {
    FindSettings settings = find_;
    if (!ui_.RunFindDialog(settings)) return;
    find_ = std::move(settings);
    const FindMatcher matcher(find_);
    const std::uint32_t positions = ListingCount();
    SearchProgress progress(ui_, positions);
    bool found = false;
    for (std::uint32_t k = 0; k < positions; ++k) {
        // A Modify during the search may shorten the listing (a filter no longer passes).
        std::uint32_t record = 0;
        if (ListingRecordAt(k, record) && RecordMatches(*this, record, matcher)) {
            found = true;
            progress.Pause();
            ui_.SelectOnly(k, true);
            ModifyCommand();
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
