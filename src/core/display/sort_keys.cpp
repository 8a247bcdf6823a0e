#include "sort_keys.h"

#include <algorithm>
#include <array>

#include "messages.h"

namespace reelkeep {

namespace {

constexpr std::array<SortKeyInfo, 11> kSortKeys = {{
    {.mark = SortMark::Title,
     .command = CommandId::SortByTitle,
     .name = "title",
     .layout = LayoutKey::Title,
     .goToPrompt = msg::kGoToMovieTitle,
     .normalBreak = Field::MovieName,
     .oneLineBreak = Field::MovieName},
    {.mark = SortMark::Actors,
     .command = CommandId::SortByActors,
     .name = "actors",
     .layout = LayoutKey::ActorIndex,
     .goToPrompt = msg::kGoToActor},
    {.mark = SortMark::TapeNumber,
     .command = CommandId::SortByTapeNumber,
     .name = "tape",
     .layout = LayoutKey::TapeNumber,
     .goToPrompt = msg::kGoToTapeNumber},
    {.mark = SortMark::Time,
     .command = CommandId::SortByTime,
     .name = "time",
     .keyField = Field::Time,
     .keyCaption = msg::kProgressSortTime,
     .layout = LayoutKey::Time,
     .goToPrompt = msg::kGoToTime,
     .oneLineBreak = Field::Time},
    {.mark = SortMark::Rating,
     .command = CommandId::SortByRating,
     .name = "rating",
     .keyField = Field::Rating,
     .keyCaption = msg::kProgressSortRating,
     .layout = LayoutKey::Rating,
     .goToPrompt = msg::kGoToRating,
     .normalBreak = Field::Rating,
     .oneLineBreak = Field::Rating},
    {.mark = SortMark::MovieType,
     .command = CommandId::SortByMovieType,
     .name = "movie-type",
     .keyField = Field::MovieType,
     .keyCaption = msg::kProgressSortMovieType,
     .layout = LayoutKey::MovieType,
     .goToPrompt = msg::kGoToMovieType,
     .normalBreak = Field::MovieType,
     .oneLineBreak = Field::MovieType},
    {.mark = SortMark::MediaType,
     .command = CommandId::SortByMediaType,
     .name = "media-type",
     .keyField = Field::MediaType,
     .keyCaption = msg::kProgressSortMediaType,
     .layout = LayoutKey::MediaType,
     .goToPrompt = msg::kGoToMediaType,
     .normalBreak = Field::MediaType,
     .oneLineBreak = Field::MediaType,
     .keptOnReset = true},
    {.mark = SortMark::Custom1,
     .command = CommandId::SortByCustom1,
     .name = "custom1",
     .keyField = Field::Custom1,
     .keyCaption = msg::kProgressSortCustom,
     .layout = LayoutKey::Custom1,
     .goToPrompt = msg::kGoToCustomHeading,
     .normalBreak = Field::Custom1,
     .oneLineBreak = Field::Custom1,
     .keptOnReset = true},
    {.mark = SortMark::Custom2,
     .command = CommandId::SortByCustom2,
     .name = "custom2",
     .keyField = Field::Custom2,
     .keyCaption = msg::kProgressSortCustom,
     .layout = LayoutKey::Custom2,
     .goToPrompt = msg::kGoToCustomHeading,
     .normalBreak = Field::Custom2,
     .oneLineBreak = Field::Custom2,
     .keptOnReset = true},
    {.mark = SortMark::Custom3,
     .command = CommandId::SortByCustom3,
     .name = "custom3",
     .keyField = Field::Custom3,
     .keyCaption = msg::kProgressSortCustom,
     .layout = LayoutKey::Custom3,
     .goToPrompt = msg::kGoToCustomHeading,
     .normalBreak = Field::Custom3,
     .oneLineBreak = Field::Custom3,
     .keptOnReset = true},
    {.mark = SortMark::Custom4,
     .command = CommandId::SortByCustom4,
     .name = "custom4",
     .keyField = Field::Custom4,
     .keyCaption = msg::kProgressSortCustom,
     .layout = LayoutKey::Custom4,
     .goToPrompt = msg::kGoToCustomHeading,
     .normalBreak = Field::Custom4,
     .oneLineBreak = Field::Custom4,
     .keptOnReset = true},
}};

template <typename Match>
const SortKeyInfo* FindBy(Match match) {
    const auto it = std::find_if(kSortKeys.begin(), kSortKeys.end(), match);
    return it == kSortKeys.end() ? nullptr : &*it;
}

}  // namespace

std::span<const SortKeyInfo> SortKeys() { return kSortKeys; }

const SortKeyInfo* FindSortKey(SortMark mark) {
    return FindBy([mark](const SortKeyInfo& key) { return key.mark == mark; });
}

const SortKeyInfo* FindSortKey(CommandId command) {
    return FindBy([command](const SortKeyInfo& key) { return key.command == command; });
}

const SortKeyInfo* FindSortKey(std::string_view name) {
    return FindBy([name](const SortKeyInfo& key) { return key.name == name; });
}

}  // namespace reelkeep
