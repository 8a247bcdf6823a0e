#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "display_state.h"
#include "document_options.h"
#include "filter_fields.h"

namespace reelkeep {
class CReelkeepDoc;
}

namespace reelkeep::cli {

// What the window's user would have set before looking at a catalogue: filters, options, the
// one-line mode and a sort.
struct ViewOptions {
    std::array<std::string, kFilterCount> filters;
    DocumentOptions options;
    bool oneLine = false;
    std::optional<SortMark> sort;  // none: the title sort that loading runs

    ViewOptions() { filters.fill(std::string(kFilterAll)); }
};

// The view options as a usage line, and what each one means.
inline constexpr std::string_view kViewOptionsSynopsis =
    "[--filter FIELD=TEXT]... [--sort KEY] [--one-line] [--ignore-the-normal 0|1] "
    "[--ignore-the-one-line 0|1] [--tape-text 0|1] [--synopsis 0|1] [--custom N]...";
inline constexpr std::string_view kViewOptionsHelp =
    "  FIELD: movie-name actor movie-type media-type rating custom1 custom2 custom3 custom4\n"
    "  KEY:   title actors tape time rating movie-type media-type custom1 .. custom4\n"
    "  --ignore-the-normal and --ignore-the-one-line default to 1, --tape-text to 0,\n"
    "  --synopsis to 1; --custom N (1..4) shows custom field N.";

// Reads view options from args (all of args must be view options). On failure returns false
// with a one-line reason in error.
bool ParseViewOptions(std::span<const std::string> args, ViewOptions& view, std::string& error);

// Applies them to a loaded catalogue as the window would: options, filters, one-line mode, then
// the sort, each only where the window would allow the command.
void ApplyViewOptions(CReelkeepDoc& doc, const ViewOptions& view);

}  // namespace reelkeep::cli
