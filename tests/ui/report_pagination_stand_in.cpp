// Only what the page drawing test asks of the report pagination, until the core has its own:
// page ranges from the page tables, the title as the break field and letter headings.
#include "report_pagination.h"

namespace reelkeep {

PageRange ReportPagination::Range(std::uint32_t page) const {
    if (page == 0 || page > pageFirst.size()) return {};
    return {pageFirst[page - 1], pageLast[page - 1], false};
}

std::optional<Field> BreakField(ReportKind, SortMark sort) {
    if (sort == SortMark::Title) return Field::MovieName;
    return std::nullopt;
}

std::string HeadingValue(std::string_view text, PageBreaks, bool) {
    return std::string(text.substr(0, 1));
}

}  // namespace reelkeep
