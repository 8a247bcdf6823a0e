#include "view_options.h"

#include "reelkeep_doc.h"
#include "sort_keys.h"

namespace reelkeep::cli {

namespace {

std::optional<FilterField> FilterNamed(std::string_view name) {
    for (const FilterInfo& info : kFilters) {
        if (info.name == name) return info.filter;
    }
    return std::nullopt;
}

std::optional<bool> ParseFlag(std::string_view text) {
    if (text == "0") return false;
    if (text == "1") return true;
    return std::nullopt;
}

// The options that take a 0|1 value, and the flag each one sets.
bool* FlagOption(std::string_view name, ViewOptions& view) {
    if (name == "--ignore-the-normal") return &view.options.ignoreTheNormal;
    if (name == "--ignore-the-one-line") return &view.options.ignoreTheOneLine;
    if (name == "--tape-text") return &view.options.tapeText;
    if (name == "--synopsis") return &view.options.showSynopsis;
    return nullptr;
}

bool ParseFilter(std::string_view text, ViewOptions& view, std::string& error) {
    const std::size_t equals = text.find('=');
    const auto field = FilterNamed(text.substr(0, equals));
    if (equals == std::string_view::npos || !field) {
        error = "--filter wants FIELD=TEXT with a known FIELD, not '" + std::string(text) + "'";
        return false;
    }
    view.filters[static_cast<std::size_t>(*field)] = std::string(text.substr(equals + 1));
    return true;
}

bool ParseOne(std::string_view name, std::string_view value, ViewOptions& view,
              std::string& error) {
    if (name == "--filter") return ParseFilter(value, view, error);
    if (name == "--sort") {
        if (const SortKeyInfo* key = FindSortKey(value)) view.sort = key->mark;
        if (!view.sort) error = "unknown sort key '" + std::string(value) + "'";
        return view.sort.has_value();
    }
    if (name == "--custom") {
        if (value.size() != 1 || value[0] < '1' || value[0] > '4') {
            error = "--custom wants 1, 2, 3 or 4, not '" + std::string(value) + "'";
            return false;
        }
        view.options.showCustom[value[0] - '1'] = true;
        return true;
    }
    bool* flag = FlagOption(name, view);
    if (flag == nullptr) {
        error = "unknown option '" + std::string(name) + "'";
        return false;
    }
    const std::optional<bool> parsed = ParseFlag(value);
    if (!parsed) {
        error = std::string(name) + " wants 0 or 1, not '" + std::string(value) + "'";
        return false;
    }
    *flag = *parsed;
    return true;
}

// Through the same door as the window's menus, so each runs only where it would be enabled.
void RunSort(CReelkeepDoc& doc, SortMark sort) {
    if (const SortKeyInfo* key = FindSortKey(sort)) doc.Execute(key->command);
}

}  // namespace

bool ParseViewOptions(std::span<const std::string> args, ViewOptions& view, std::string& error) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& name = args[i];
        if (name == "--one-line") {
            view.oneLine = true;
            continue;
        }
        if (i + 1 == args.size()) {
            error = "unknown option or missing value: '" + name + "'";
            return false;
        }
        if (!ParseOne(name, args[++i], view, error)) return false;
    }
    return true;
}

void ApplyViewOptions(CReelkeepDoc& doc, const ViewOptions& view) {
    doc.OptionsChanged(view.options);
    // Starting again from record order makes the result the one loading with these filters and
    // options in force would have given.
    doc.ApplyFilters(view.filters);
    if (view.oneLine) doc.Execute(CommandId::OneLineSorts);
    if (view.sort) {
        RunSort(doc, *view.sort);
    } else if (doc.Catalogue().Count() > 1) {
        RunSort(doc, SortMark::Title);
    }
}

}  // namespace reelkeep::cli
