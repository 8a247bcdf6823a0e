#include "csv_mapping.h"

#include <algorithm>
#include <array>

#include "text_compare.h"

namespace reelkeep {

namespace {

using T = ColumnTarget;

struct HeadingName {
    std::string_view name;
    ColumnTarget target;
};

// Headings other programs and people commonly give these columns.
constexpr std::array<HeadingName, 41> kCommonNames = {{
    {"Movie Title", T::To(Field::MovieName)},
    {"Movie Name", T::To(Field::MovieName)},
    {"Movie", T::To(Field::MovieName)},
    {"Name", T::To(Field::MovieName)},
    {"Film", T::To(Field::MovieName)},
    {"Actor 1", T::To(Field::Actor1)},
    {"Actor1", T::To(Field::Actor1)},
    {"Actors 1", T::To(Field::Actor1)},
    {"Actor 2", T::To(Field::Actor2)},
    {"Actor2", T::To(Field::Actor2)},
    {"Actors 2", T::To(Field::Actor2)},
    {"Actor 3", T::To(Field::Actor3)},
    {"Actor3", T::To(Field::Actor3)},
    {"Actors 3", T::To(Field::Actor3)},
    {"Actors", T::Actors()},
    {"Actor", T::Actors()},
    {"Cast", T::Actors()},
    {"Starring", T::Actors()},
    {"Movie Type", T::To(Field::MovieType)},
    {"Genre", T::To(Field::MovieType)},
    {"Category", T::To(Field::MovieType)},
    {"Media Type", T::To(Field::MediaType)},
    {"Format", T::To(Field::MediaType)},
    {"Length", T::To(Field::Time)},
    {"Running Time", T::To(Field::Time)},
    {"Runtime", T::To(Field::Time)},
    {"Duration", T::To(Field::Time)},
    {"Tape", T::To(Field::TapeNumber)},
    {"Tape#", T::To(Field::TapeNumber)},
    {"Tape No", T::To(Field::TapeNumber)},
    {"Tape No.", T::To(Field::TapeNumber)},
    {"Tape Number", T::To(Field::TapeNumber)},
    {"Tape Counter", T::To(Field::Counter)},
    {"Rated", T::To(Field::Rating)},
    {"Plot", T::To(Field::Synopsis)},
    {"Summary", T::To(Field::Synopsis)},
    {"Description", T::To(Field::Synopsis)},
    {"Custom 1", T::To(Field::Custom1)},
    {"Custom 2", T::To(Field::Custom2)},
    {"Custom 3", T::To(Field::Custom3)},
    {"Custom 4", T::To(Field::Custom4)},
}};

// The command-line names: "skip", every field by its name with "actors" after the actor
// fields, then alternative spellings that are accepted but not offered.
constexpr std::size_t kOfferedChoices = 1 + kFieldCount + 1;
using Choices = std::array<TargetChoice, kOfferedChoices + 2>;

const Choices& AllChoices() {
    static const Choices kChoices = [] {
        Choices choices{};
        std::size_t n = 0;
        choices[n++] = {T::Skip(), "skip"};
        for (const FieldInfo& info : Fields()) {
            choices[n++] = {T::To(info.field), info.name};
            if (info.field == ActorField(kActorSlotCount - 1)) {
                choices[n++] = {T::Actors(), "actors"};
            }
        }
        choices[n++] = {T::To(Field::MovieName), "title"};
        choices[n++] = {T::To(Field::TapeNumber), "tape-number"};
        return choices;
    }();
    return kChoices;
}

// The fields a target writes, one bit per field.
std::uint32_t FieldBits(const ColumnTarget& target) {
    switch (target.kind) {
        case ColumnTarget::Kind::Skip:
            return 0;
        case ColumnTarget::Kind::Field:
            return 1U << FieldIndex(target.field);
        case ColumnTarget::Kind::Actors:
            return (1U << FieldIndex(Field::Actor1)) | (1U << FieldIndex(Field::Actor2)) |
                   (1U << FieldIndex(Field::Actor3));
    }
    return 0;
}

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The first target the heading names that writes no field already taken.
ColumnTarget TargetOf(std::string_view heading, const HeadingTexts& customHeadings,
                      std::uint32_t taken) {
    const auto free = [taken](const ColumnTarget& target) {
        return (FieldBits(target) & taken) == 0;
    };
    for (const FieldInfo& info : Fields()) {
        const ColumnTarget exported = T::To(info.field);
        if (!info.csvHeading.empty() && EqualsNoCase(info.csvHeading, heading) && free(exported)) {
            return exported;
        }
    }
    for (std::size_t k = 0; k < kCustomFieldCount; ++k) {
        const ColumnTarget custom = T::To(CustomField(k));
        const std::string_view name = Trimmed(customHeadings[k]);
        if (!name.empty() && EqualsNoCase(name, heading) && free(custom)) return custom;
    }
    for (const HeadingName& known : kCommonNames) {
        if (EqualsNoCase(known.name, heading) && free(known.target)) return known.target;
    }
    for (const TargetChoice& choice : AllChoices()) {
        if (EqualsNoCase(choice.name, heading) && free(choice.target)) return choice.target;
    }
    return T::Skip();
}

}  // namespace

bool ColumnTarget::Overlaps(const ColumnTarget& other) const {
    return (FieldBits(*this) & FieldBits(other)) != 0;
}

std::span<const TargetChoice> TargetChoices() {
    return std::span<const TargetChoice>(AllChoices()).first(kOfferedChoices);
}

std::string_view TargetName(const ColumnTarget& target) {
    const Choices& choices = AllChoices();
    const auto choice = std::ranges::find(choices, target, &TargetChoice::target);
    return choice != choices.end() ? choice->name : choices.front().name;
}

std::optional<ColumnTarget> TargetNamed(std::string_view name) {
    for (const TargetChoice& choice : AllChoices()) {
        if (EqualsNoCase(choice.name, name)) return choice.target;
    }
    return std::nullopt;
}

ColumnMapping MapHeadings(const std::vector<std::string>& headings,
                          const HeadingTexts& customHeadings) {
    ColumnMapping mapping;
    mapping.reserve(headings.size());
    std::uint32_t taken = 0;
    for (const std::string& heading : headings) {
        const std::string_view name = Trimmed(heading);
        const ColumnTarget target =
            name.empty() ? T::Skip() : TargetOf(name, customHeadings, taken);
        taken |= FieldBits(target);
        mapping.push_back(target);
    }
    return mapping;
}

bool MapsAnyField(const ColumnMapping& mapping) {
    return std::any_of(mapping.begin(), mapping.end(), [](const ColumnTarget& target) {
        return target.kind != ColumnTarget::Kind::Skip;
    });
}

void AssignColumn(ColumnMapping& mapping, std::size_t column, ColumnTarget target) {
    for (ColumnTarget& other : mapping) {
        if (other.Overlaps(target)) other = T::Skip();
    }
    mapping[column] = target;
}

}  // namespace reelkeep
