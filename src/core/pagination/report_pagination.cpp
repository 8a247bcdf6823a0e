// The pagination pass of the Normal View, One Line Sorts and Sort by Actors reports.
#include "report_pagination.h"

#include <algorithm>

#include "catalogue_display.h"
#include "first_letter.h"
#include "sort_keys.h"
#include "text_compare.h"
#include "title_sort.h"

namespace reelkeep {

namespace {

// Lines the page number line takes, and those the list header line takes.
constexpr int kNormalPageNumberLines = 2;
constexpr int kNormalHeadingLines = 2;
constexpr int kListLinesWithPageNumber = 3;
constexpr int kListLinesWithoutPageNumber = 1;

// The part of a field's text whose lower-case form is the break key: the first character under
// letter breaks (after a leading "the " when the article is ignored), the whole text otherwise.
// Keys stay views into the stored text, so a million positions cost no allocation.
std::string_view KeyText(std::string_view text, PageBreaks breaks, bool ignoreThe) {
    if (breaks != PageBreaks::Letter) return text;
    return FirstCharacter(TitleKey(text, ignoreThe));
}

// A letter folds whatever its script; a whole name folds only A-Z, as every sort compares.
bool SameKey(std::string_view a, std::string_view b, PageBreaks breaks) {
    return breaks == PageBreaks::Letter ? SameFirstLetter(a, b) : EqualsNoCase(a, b);
}

// Sort by Actors: a key below "A" (empty, or led by a byte below 0x41 such as a digit or a blank)
// continues the group before it. Folding never moves a byte across 0x41, so the stored text tells.
bool JoinsCurrentGroup(std::string_view key) {
    return key.empty() || static_cast<unsigned char>(key.front()) < 0x41;
}

std::uint32_t PagesFor(std::uint64_t count, std::uint64_t perPage) {
    const std::uint64_t pages = (count + perPage - 1) / perPage;
    return static_cast<std::uint32_t>(std::max<std::uint64_t>(pages, 1));
}

std::uint32_t Capacity(int positions) { return static_cast<std::uint32_t>(std::max(positions, 1)); }

bool IgnoresBreaks(ReportKind kind, SortMark sort) { return !BreakField(kind, sort).has_value(); }

// Group paging: walking the print positions, a page closes when it is full or when the next
// position starts a new group, so a page never holds two groups. keyAt(p) gives position p's key
// text, compared ignoring case under the job's breaks; joinsBelowA applies the actor list's rule.
template <typename KeyAt>
void PageGroups(ReportPagination& job, KeyAt keyAt, bool joinsBelowA) {
    job.pageFirst.clear();
    job.pageLast.clear();
    const std::uint32_t count = job.printCount;
    if (count == 0) {
        job.totalPages = 1;
        return;
    }
    const std::uint32_t capacity = job.perPage;
    std::string_view groupKey = keyAt(0);
    std::uint32_t onPage = 0;
    job.pageFirst.push_back(0);
    for (std::uint32_t p = 0; p < count; ++p) {
        bool newPage = onPage == capacity;
        if (p > 0) {
            const std::string_view key = keyAt(p);
            if (!SameKey(key, groupKey, job.breaks) && !(joinsBelowA && JoinsCurrentGroup(key))) {
                groupKey = key;
                newPage = true;
            }
        }
        if (newPage) {
            job.pageLast.push_back(p - 1);
            job.pageFirst.push_back(p);
            onPage = 0;
        }
        ++onPage;
    }
    job.pageLast.push_back(count - 1);
    job.totalPages = static_cast<std::uint32_t>(job.pageFirst.size());
}

// The positions of a selection that name an entry of a listing of size entries; a stale position
// past the end would name nothing.
std::vector<std::uint32_t> PositionsWithin(std::vector<std::uint32_t> positions,
                                           std::uint32_t size) {
    std::erase_if(positions, [size](std::uint32_t p) { return p >= size; });
    return positions;
}

void StartJob(ReportPagination& job, ReportJobInput& input, std::uint32_t listingSize) {
    job.kind = input.kind;
    job.printsSelection = !input.selection.empty();
    if (job.printsSelection) {
        job.selection = PositionsWithin(std::move(input.selection), listingSize);
        job.printCount = static_cast<std::uint32_t>(job.selection.size());
    } else {
        job.printCount = listingSize;
    }
}

// Pages without breaks: perPage positions to a page.
void PageEvenly(ReportPagination& job) {
    job.breaks = PageBreaks::None;
    job.totalPages = PagesFor(job.printCount, job.perPage);
}

// Normal View and One Line Sorts: group paging on the current sort's field of each record.
void PageRecordGroups(const CCatalogueDisplay& display, ReportPagination& job, PageBreaks breaks,
                      bool ignoreThe) {
    job.breaks = breaks;
    const std::vector<std::string>& values =
        display.Catalogue().Column(*BreakField(job.kind, display.State().sort));
    const std::vector<std::uint32_t>& order = display.Order();
    PageGroups(
        job,
        [&](std::uint32_t p) {
            return KeyText(values[order[job.DisplayPosition(p)]], breaks, ignoreThe);
        },
        false);
}

PageBreaks NormalBreaks(NormalPrint mode) {
    switch (mode) {
        case NormalPrint::LetterBreak:
            return PageBreaks::Letter;
        case NormalPrint::NameChangeBreak:
            return PageBreaks::NameChange;
        case NormalPrint::OneRecordPerPage:
        case NormalPrint::MultipleRecords:
            break;
    }
    return PageBreaks::None;
}

void PaginateNormal(const CCatalogueDisplay& display, const ReportJobInput& input,
                    ReportPagination& job) {
    const ReportPrintOptions& options = input.options;
    const PageBreaks breaks = NormalBreaks(options.normal);
    const bool breaksApply =
        breaks != PageBreaks::None && !IgnoresBreaks(ReportKind::Normal, display.State().sort);
    job.linesPerPage = input.linesPerPage;
    if (options.pageNumbers) job.linesPerPage -= kNormalPageNumberLines;
    job.showsHeading = breaksApply && options.heading;
    if (job.showsHeading) job.linesPerPage -= kNormalHeadingLines;
    job.onePerPage = options.normal == NormalPrint::OneRecordPerPage;
    // A tiny page or a huge font still prints one record a page rather than none.
    job.perPage = job.onePerPage ? 1 : Capacity(job.linesPerPage / std::max(input.linesPerRow, 1));
    if (breaksApply) {
        PageRecordGroups(display, job, breaks, options.ignoreTheNormal);
    } else {
        PageEvenly(job);
    }
}

// One Line Sorts and Sort by Actors: the header line, and two more for the page number.
void ReserveListLines(const ReportJobInput& input, ReportPagination& job) {
    job.linesPerPage =
        input.linesPerPage -
        (input.options.pageNumbers ? kListLinesWithPageNumber : kListLinesWithoutPageNumber);
    job.perPage = Capacity(job.linesPerPage);
}

void PaginateOneLine(const CCatalogueDisplay& display, const ReportJobInput& input,
                     ReportPagination& job) {
    ReserveListLines(input, job);
    const PageBreaks breaks = input.options.oneLine;
    if (breaks != PageBreaks::None && !IgnoresBreaks(ReportKind::OneLine, display.State().sort)) {
        PageRecordGroups(display, job, breaks, input.options.ignoreTheOneLine);
    } else {
        PageEvenly(job);
    }
}

void PaginateActors(const CCatalogueDisplay& display, const ReportJobInput& input,
                    ReportPagination& job) {
    ReserveListLines(input, job);
    const PageBreaks breaks = input.options.actors;
    if (breaks == PageBreaks::None) {
        PageEvenly(job);
        return;
    }
    job.breaks = breaks;
    PageGroups(
        job,
        [&](std::uint32_t p) {
            return KeyText(display.ActorRowActor(job.DisplayPosition(p)), breaks, false);
        },
        true);
}

}  // namespace

PageRange ReportPagination::Range(std::uint32_t page) const {
    PageRange range;
    if (page == 0 || printCount == 0) return range;
    if (breaks != PageBreaks::None) {
        if (page > pageFirst.size()) return range;
        range.first = pageFirst[page - 1];
        range.last = pageLast[page - 1];
    } else {
        const std::uint64_t first = std::uint64_t{perPage} * (page - 1);
        if (first >= printCount) return range;
        range.first = static_cast<std::uint32_t>(first);
        range.last = static_cast<std::uint32_t>(
            std::min<std::uint64_t>(printCount - 1, first + perPage - 1));
    }
    range.empty = false;
    return range;
}

ReportKind ReportKindOf(DisplayMode mode) {
    if (mode == DisplayMode::Actors) return ReportKind::Actors;
    return mode == DisplayMode::OneLine ? ReportKind::OneLine : ReportKind::Normal;
}

std::optional<Field> BreakField(ReportKind kind, SortMark sort) {
    const SortKeyInfo* key = FindSortKey(sort);
    if (key == nullptr) return Field::MovieName;  // a new catalogue, not yet sorted: its titles
    return kind == ReportKind::OneLine ? key->oneLineBreak : key->normalBreak;
}

std::string BreakKey(std::string_view text, PageBreaks breaks, bool ignoreThe) {
    const std::string_view key = KeyText(text, breaks, ignoreThe);
    return breaks == PageBreaks::Letter ? FoldedFirstCharacter(key) : FoldCase(key);
}

std::string HeadingValue(std::string_view text, PageBreaks breaks, bool ignoreThe) {
    const std::string_view value = TitleKey(text, ignoreThe);
    return std::string(breaks == PageBreaks::Letter ? FirstCharacter(value) : value);
}

ReportPagination PaginateReport(const CCatalogueDisplay& display, ReportJobInput input) {
    ReportPagination job;
    const bool actors = input.kind == ReportKind::Actors;
    StartJob(job, input,
             actors ? display.ActorRowCount() : static_cast<std::uint32_t>(display.Order().size()));
    switch (input.kind) {
        case ReportKind::Normal:
            PaginateNormal(display, input, job);
            break;
        case ReportKind::OneLine:
            PaginateOneLine(display, input, job);
            break;
        case ReportKind::Actors:
            PaginateActors(display, input, job);
            break;
    }
    return job;
}

}  // namespace reelkeep
