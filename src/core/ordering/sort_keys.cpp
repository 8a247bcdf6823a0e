#include "sort_keys.h"

#include <algorithm>
#include <array>

#include "messages.h"

namespace reelkeep {

namespace {

constexpr std::array<SortKeyInfo, 11> kSortKeys = {{
    {SortMark::Title, CommandId::SortByTitle, "title", std::nullopt, {}, LayoutKey::Title},
    {SortMark::Actors, CommandId::SortByActors, "actors", std::nullopt, {}, LayoutKey::ActorIndex},
    {SortMark::TapeNumber,
     CommandId::SortByTapeNumber,
     "tape",
     std::nullopt,
     {},
     LayoutKey::TapeNumber},
    {SortMark::Time, CommandId::SortByTime, "time", Field::Time, msg::kProgressSortTime,
     LayoutKey::Time},
    {SortMark::Rating, CommandId::SortByRating, "rating", Field::Rating, msg::kProgressSortRating,
     LayoutKey::Rating},
    {SortMark::MovieType, CommandId::SortByMovieType, "movie-type", Field::MovieType,
     msg::kProgressSortMovieType, LayoutKey::MovieType},
    {SortMark::MediaType, CommandId::SortByMediaType, "media-type", Field::MediaType,
     msg::kProgressSortMediaType, LayoutKey::MediaType},
    {SortMark::Custom1, CommandId::SortByCustom1, "custom1", Field::Custom1,
     msg::kProgressSortCustom, LayoutKey::Custom1},
    {SortMark::Custom2, CommandId::SortByCustom2, "custom2", Field::Custom2,
     msg::kProgressSortCustom, LayoutKey::Custom2},
    {SortMark::Custom3, CommandId::SortByCustom3, "custom3", Field::Custom3,
     msg::kProgressSortCustom, LayoutKey::Custom3},
    {SortMark::Custom4, CommandId::SortByCustom4, "custom4", Field::Custom4,
     msg::kProgressSortCustom, LayoutKey::Custom4},
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
