#include "column_layout.h"

namespace reelkeep {

ColumnLayouts DefaultColumnLayouts() {
    using Ids = std::array<std::uint32_t, 10>;
    static constexpr std::array<Ids, kLayoutCount> kIds = {{
        {4, 1, 9, 10, 0, 0, 0, 0, 0, 0},  // custom 1
        {5, 1, 9, 10, 0, 0, 0, 0, 0, 0},  // custom 2
        {6, 1, 9, 10, 0, 0, 0, 0, 0, 0},  // custom 3
        {7, 1, 9, 10, 0, 0, 0, 0, 0, 0},  // custom 4
        {1, 9, 8, 2, 3, 10, 0, 0, 0, 0},  // title
        {2, 1, 9, 8, 3, 10, 0, 0, 0, 0},  // rating
        {3, 1, 9, 8, 2, 10, 0, 0, 0, 0},  // time
        {8, 1, 9, 2, 3, 10, 0, 0, 0, 0},  // media type
        {9, 1, 8, 2, 3, 10, 0, 0, 0, 0},  // movie type
        {10, 1, 9, 8, 2, 3, 0, 0, 0, 0},  // tape #
        {1, 1, 10, 0, 0, 0, 0, 0, 0, 0},  // actor index
    }};
    ColumnLayouts layouts{};
    for (std::size_t i = 0; i < kLayoutCount; ++i) layouts[i].ids = kIds[i];
    return layouts;
}

}  // namespace reelkeep
