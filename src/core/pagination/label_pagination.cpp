// Label sheets: which labels a job prints, from which sheet position, and how they fall on pages.
#include "label_pagination.h"

#include <algorithm>
#include <cstdint>
#include <new>

#include "messages.h"
#include "ui_interface.h"

namespace reelkeep {

namespace {

std::uint32_t RowsPerSheet(const LabelJob& job) {
    return job.large ? kLargeRowsPerSheet : kSmallRowsPerSheet;
}

// A job starts from the first sheet position with one copy. The start column is reset too:
// carried over from the previous job it would shift this job's labels by one.
LabelJob NewJob(bool large, bool selectionJob) {
    LabelJob job;
    job.large = large;
    job.selectionJob = selectionJob;
    return job;
}

}  // namespace

bool LabelFontFits(const SheetGeometry& sheet, int lineHeight, int charWidth, int dpiX, int dpiY) {
    const auto across = [dpiX](int hundredths) {
        return static_cast<std::int64_t>(dpiX) * hundredths / 100;
    };
    const std::int64_t pitch = static_cast<std::int64_t>(dpiY) * sheet.rowPitch / 1000;
    return std::int64_t{sheet.lines} * lineHeight <= pitch &&
           std::int64_t{kLabelPartChars} * charWidth <= across(sheet.rightX) - across(sheet.leftX);
}

LabelJob BeginLabelSelection(const std::vector<Label>& labels,
                             const std::vector<std::uint32_t>& selection, bool large,
                             IReelkeepUI& ui) {
    LabelJob job = NewJob(large, true);
    try {
        for (const std::uint32_t number : selection) {
            if (number < labels.size()) job.printLabels.push_back(labels[number]);
        }
    } catch (const std::bad_alloc&) {
        // push_back leaves the labels copied before it in place: the job prints those.
        Warn(ui, msg::kNoMemorySelectRecords);
    }
    PaginateLabels(job);
    return job;
}

void RepeatLabel(LabelJob& job, int copies, IReelkeepUI& ui) {
    if (job.printLabels.size() != 1 || copies < 1) return;
    job.copies = std::min(copies, kMaxLabelCopies);
    try {
        const Label label = job.printLabels.front();
        while (job.printLabels.size() < static_cast<std::size_t>(job.copies)) {
            job.printLabels.push_back(label);
        }
    } catch (const std::bad_alloc&) {
        Warn(ui, msg::kNoMemorySelectRecords);
    }
    PaginateLabels(job);
}

std::string_view StartPositionText(const LabelJob& job, int position) {
    if (position < 1 || static_cast<std::size_t>(position) > job.printLabels.size()) {
        return msg::kEmptyLabelPosition;
    }
    return job.printLabels[static_cast<std::size_t>(position - 1)].titles[0];
}

void StartAtPosition(LabelJob& job, int position) {
    const int positions = job.large ? kLargePositions : kSmallPositions;
    const int index = std::clamp(position, 1, positions) - 1;
    if (job.large) {
        const int column = index % 2;
        // The empty label in front puts the first real one in the right column; the insert
        // either succeeds or leaves the job as it was, with a bad_alloc for the caller.
        if (column == 1) job.printLabels.insert(job.printLabels.begin(), Label{});
        job.startRow = index / 2;
        job.startColumn = column;
    } else {
        job.startRow = index;
        job.startColumn = 0;
    }
    PaginateLabels(job);
}

LabelJob AllLabelsJob(std::uint32_t labelCount, bool large) {
    LabelJob job = NewJob(large, false);
    job.labelCount = labelCount;
    PaginateLabels(job);
    return job;
}

void PaginateLabels(LabelJob& job) {
    if (job.selectionJob) job.labelCount = static_cast<std::uint32_t>(job.printLabels.size());
    const std::uint64_t labels = job.labelCount;
    job.printCount = static_cast<std::uint32_t>(job.large ? (labels + 1) / 2 : labels);
    const std::uint64_t rows =
        std::uint64_t{job.printCount} +
        (job.selectionJob ? static_cast<std::uint64_t>(std::max(job.startRow, 0)) : 0);
    const std::uint64_t perSheet = RowsPerSheet(job);
    job.totalPages =
        static_cast<std::uint32_t>(std::max<std::uint64_t>((rows + perSheet - 1) / perSheet, 1));
}

LabelRows LabelRowsOnPage(const LabelJob& job, std::uint32_t page) {
    LabelRows rows;
    if (page == 0 || job.printCount == 0) return rows;
    const std::int64_t perSheet = RowsPerSheet(job);
    const std::int64_t startRow = job.selectionJob ? std::max(job.startRow, 0) : 0;
    // Page 1 starts at the chosen sheet row and so holds fewer rows; later pages are full.
    const std::int64_t sheetRow = page == 1 ? startRow : 0;
    const std::int64_t first = perSheet * (page - 1) - (page > 1 ? startRow : 0);
    if (first >= job.printCount) return rows;
    const std::int64_t last =
        std::min<std::int64_t>(job.printCount - 1, first - sheetRow + perSheet - 1);
    rows.first = static_cast<std::uint32_t>(first);
    rows.last = static_cast<std::uint32_t>(last);
    rows.firstSheetRow = static_cast<int>(sheetRow);
    rows.empty = false;
    return rows;
}

}  // namespace reelkeep
