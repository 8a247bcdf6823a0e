// The label rows of a page, for the page drawing test until the core has its own.
#include <algorithm>

#include "label_pagination.h"

namespace reelkeep {

LabelRows LabelRowsOnPage(const LabelJob& job, std::uint32_t page) {
    const std::uint32_t perSheet = job.large ? kLargeRowsPerSheet : kSmallRowsPerSheet;
    const auto start = static_cast<std::uint32_t>(job.selectionJob ? job.startRow : 0);
    const std::uint32_t first = perSheet * (page - 1) - (page > 1 ? start : 0);
    const std::uint32_t onSheet = page == 1 ? perSheet - start : perSheet;
    if (page == 0 || first >= job.printCount) return {};
    return {first, std::min(job.printCount - 1, first + onSheet - 1),
            page == 1 ? static_cast<int>(start) : 0, false};
}

}  // namespace reelkeep
