#pragma once

#include <cstdint>

namespace reelkeep {

// The current sort key; at most one is set.
enum class SortMark : std::uint8_t {
    None,
    Title,
    Actors,
    TapeNumber,
    Time,
    Rating,
    MovieType,
    MediaType,
    Custom1,
    Custom2,
    Custom3,
    Custom4,
};

// How the displayed movies are laid out. Sorted by actors, the actor index is shown over it:
// None there, or One Line Sorts when that is where the actors were sorted from, which a later
// sort returns to.
enum class ViewStyle : std::uint8_t { None, Normal, OneLine, Labels };

// What the window, the printed pages and the tool show: the actor index over any layout, else
// the layout.
enum class DisplayMode : std::uint8_t { None, Normal, OneLine, Actors, Labels };

// What the catalogue is shown as: the sort key and the layout. The display-mode flags the menus
// read are functions of it.
struct DisplayState {
    SortMark sort = SortMark::None;
    ViewStyle style = ViewStyle::Normal;

    bool NormalView() const { return style == ViewStyle::Normal; }
    bool OneLine() const { return style == ViewStyle::OneLine; }
    bool LabelFormat() const { return style == ViewStyle::Labels; }
    DisplayMode Mode() const {
        if (sort == SortMark::Actors) return DisplayMode::Actors;
        switch (style) {
            case ViewStyle::Normal:
                return DisplayMode::Normal;
            case ViewStyle::OneLine:
                return DisplayMode::OneLine;
            case ViewStyle::Labels:
                return DisplayMode::Labels;
            case ViewStyle::None:
                break;
        }
        return DisplayMode::None;
    }
    // A sort keeps One Line Sorts; any other layout gives way to the Normal View, or to the actor
    // index for the actors.
    void SortBy(SortMark key) {
        sort = key;
        if (style == ViewStyle::OneLine) return;
        style = key == SortMark::Actors ? ViewStyle::None : ViewStyle::Normal;
    }
};

}  // namespace reelkeep
