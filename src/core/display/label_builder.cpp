#include "label_builder.h"

#include "text_compare.h"

namespace reelkeep {

namespace {

Label OpenLabel(const CCatalogue& catalogue, std::uint32_t r) {
    Label label;
    label.titles[0] = catalogue.Value(r, Field::MovieName);
    label.movieTypes[0] = catalogue.Value(r, Field::MovieType);
    label.counters[0] = catalogue.Value(r, Field::Counter);
    label.rating = catalogue.Value(r, Field::Rating);
    label.time = catalogue.Value(r, Field::Time);
    label.tapeNumber = catalogue.Value(r, Field::TapeNumber);
    for (std::size_t k = 0; k < kActorSlotCount; ++k)
        label.actors[k] = catalogue.Value(r, ActorField(k));
    label.records[0] = r;
    label.movieCount = 1;
    return label;
}

// Adds record r as movie slot of the label. The copies are made first so that running out of
// memory leaves the label as it was.
void AddToLabel(const CCatalogue& catalogue, std::uint32_t r, std::size_t slot, Label& label) {
    std::string title = catalogue.Value(r, Field::MovieName);
    std::string type = catalogue.Value(r, Field::MovieType);
    std::string counter = catalogue.Value(r, Field::Counter);
    label.titles[slot] = std::move(title);
    label.movieTypes[slot] = std::move(type);
    label.counters[slot] = std::move(counter);
    label.records[slot] = r;
    label.movieCount = static_cast<std::uint32_t>(slot + 1);
    label.multiple = 1;
}

}  // namespace

bool SameTape(std::string_view a, std::string_view b, bool tapeText) {
    if (tapeText) return EqualsNoCase(a, b);
    return IsAllDigits(a) && IsAllDigits(b) && CompareDigitsByValue(a, b) == 0;
}

void BuildLabels(const CCatalogue& catalogue, std::span<const std::uint32_t> order, bool tapeText,
                 std::vector<Label>& labels, const std::function<void()>& examined) {
    if (order.empty()) return;
    labels.push_back(OpenLabel(catalogue, order[0]));
    std::size_t movies = 1;
    for (std::size_t q = 1; q < order.size(); ++q) {
        const std::uint32_t r = order[q];
        Label& current = labels.back();
        if (SameTape(current.tapeNumber, catalogue.Value(r, Field::TapeNumber), tapeText)) {
            if (movies < kMoviesPerLabel) AddToLabel(catalogue, r, movies++, current);
        } else {
            labels.push_back(OpenLabel(catalogue, r));
            movies = 1;
        }
        examined();
    }
}

}  // namespace reelkeep
