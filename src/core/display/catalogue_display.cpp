#include "catalogue_display.h"

#include <new>
#include <utility>

#include "column_positions.h"
#include "label_builder.h"
#include "messages.h"
#include "sort_keys.h"
#include "ui_interface.h"

namespace reelkeep {

namespace {

constexpr std::array<std::string_view, 4> kDefaultHeadings = {
    "Custom 1 Heading", "Custom 2 Heading", "Custom 3 Heading", "Custom 4 Heading"};

}  // namespace

std::string_view DefaultCustomHeading(std::size_t k) { return kDefaultHeadings[k]; }

CCatalogueDisplay::CCatalogueDisplay(const CCatalogue& catalogue, IReelkeepUI& ui)
    : catalogue_(catalogue), ui_(ui), layouts_(DefaultColumnLayouts()) {
    for (std::size_t k = 0; k < kCustomFieldCount; ++k) headings_[k] = kDefaultHeadings[k];
    filters_.fill(std::string(kFilterAll));
}

void CCatalogueDisplay::ShowSortedBy(SortMark key) {
    actorIndex_.clear();
    labels_.clear();
    state_.SortBy(key);
}

void CCatalogueDisplay::ResetState() {
    state_ = DisplayState{};
    actorIndex_.clear();
    labels_.clear();
}

void CCatalogueDisplay::BuildLabelLayout() {
    labels_.clear();
    const std::uint32_t count = catalogue_.Count();
    CProgressScope progress(ui_, msg::kProgressBuildLabels, count == 0 ? 0 : count - 1);
    try {
        BuildLabels(catalogue_, order_, options_.tapeText, labels_, [&] { progress.Step(); });
    } catch (const std::bad_alloc&) {
        progress.End();
        Warn(ui_, msg::kNoMemoryLabels);
    }
}

void CCatalogueDisplay::AdoptDataColors(std::vector<std::uint32_t> colors) {
    dataColors_.AdoptByPlace(std::move(colors));
}

void CCatalogueDisplay::SetDataColors(std::vector<std::uint32_t> colors) {
    dataColors_.Set(catalogue_.Lookup(LookupKind::MovieTypes).Entries(), std::move(colors));
}

void CCatalogueDisplay::FitLabelColors() {
    const std::vector<std::string>& types = catalogue_.Lookup(LookupKind::MovieTypes).Entries();
    dataColors_.Follow(types);
    if (types.empty()) {
        headingColors_.clear();
    } else if (headingColors_.empty()) {
        headingColors_.push_back(0);
    }
}

void CCatalogueDisplay::UseScreenResolution(int dpiY) {
    screenDpiY_ = dpiY;
    InitDefaultColumnPositions(layouts_, dpiY);
}

ColumnLayout* CCatalogueDisplay::ShownList() {
    const std::optional<LayoutKey> key = ShownListLayout(state_);
    return key ? &layouts_[static_cast<std::size_t>(*key)] : nullptr;
}

void CCatalogueDisplay::LayOutShownList() {
    const std::optional<LayoutKey> key = ShownListLayout(state_);
    if (!screenDpiY_ || !key) return;
    ColumnLayout& list = layouts_[static_cast<std::size_t>(*key)];
    // Columns piled up at the left edge would hide each other.
    if (LacksColumnPositions(list)) InitDefaultColumnPositions(list, *key, *screenDpiY_);
    if (state_.OneLine() && state_.sort != SortMark::Actors) ZeroEmptySlotPositions(list);
}

void CCatalogueDisplay::ForgetRecords() {
    order_.clear();
    actorIndex_.clear();
    labels_.clear();
    selection_ = RowSelection{};
}

void CCatalogueDisplay::Reset() {
    filters_.fill(std::string(kFilterAll));
    displayedActors_.Clear();
    order_.clear();
    order_.shrink_to_fit();
    actorIndex_.clear();
    headingColors_.clear();
    dataColors_.Clear();
    state_.style = ViewStyle::Normal;
    const SortKeyInfo* key = FindSortKey(state_.sort);
    if (key == nullptr || !key->keptOnReset) state_.sort = SortMark::None;
    labels_.clear();
}

}  // namespace reelkeep
