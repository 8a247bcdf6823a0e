#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "fields.h"

namespace reelkeep {

// Where the values of one imported column go: nowhere, one field, or the three actor fields
// (a list such as "A; B; C").
struct ColumnTarget {
    enum class Kind : std::uint8_t { Skip, Field, Actors };
    Kind kind = Kind::Skip;
    Field field = Field::MovieName;  // for Kind::Field

    static constexpr ColumnTarget Skip() { return {}; }
    static constexpr ColumnTarget To(Field f) { return {Kind::Field, f}; }
    static constexpr ColumnTarget Actors() { return {Kind::Actors, Field::Actor1}; }

    // Whether both would write a field in common.
    bool Overlaps(const ColumnTarget& other) const;
    bool operator==(const ColumnTarget&) const = default;
};

// One target per column of the file (ui_interface.h names it too, for the import dialog).
using ColumnMapping = std::vector<ColumnTarget>;

// A choice offered for a column: the target and its name on the command line.
struct TargetChoice {
    ColumnTarget target;
    std::string_view name;
};

// Every target in the order they are offered, "skip" first.
std::span<const TargetChoice> TargetChoices();
// The command-line name of a target ("skip" for none).
std::string_view TargetName(const ColumnTarget& target);
// The target of a command-line name ("title", "actor1", "movie-type", "actors", "skip"…).
std::optional<ColumnTarget> TargetNamed(std::string_view name);

// Maps the headings by name, ignoring case and surrounding spaces: first the names Reelkeep's
// export writes, then the catalogue's custom headings, then the other common names. A field
// goes to the first column that names it; columns left over are skipped.
ColumnMapping MapHeadings(const std::vector<std::string>& headings,
                          const HeadingTexts& customHeadings);

// Whether any column goes to a field: without one, every movie would come in empty.
bool MapsAnyField(const ColumnMapping& mapping);

// Sends a column to target; any other column writing one of the same fields is skipped, so
// that no field takes values from two columns.
void AssignColumn(ColumnMapping& mapping, std::size_t column, ColumnTarget target);

}  // namespace reelkeep
