#include "reference_ordering.h"

#include <utility>

#include "messages.h"
#include "text_compare.h"

namespace reelkeep::test::ref {

namespace {

bool BlankLed(const std::string& v) { return v.empty() || v[0] == ' '; }

std::string_view TitleKey(const std::string& title, bool ignoreThe) {
    if (title.size() > 4 && ignoreThe && CompareNoCase(title.substr(0, 4), "The ") == 0) {
        return std::string_view(title).substr(4);
    }
    return title;
}

// Passes p = 0 .. n-2, pairs j = 0 .. n-2-p, exchange when compare(A, B) > 0.
template <typename Compare>
void BubbleSort(Order& order, Compare compare) {
    const std::size_t n = order.size();
    for (std::size_t p = 0; p + 1 < n; ++p) {
        for (std::size_t j = 0; j + 1 < n - p; ++j) {
            if (compare(order[j], order[j + 1]) > 0) std::swap(order[j], order[j + 1]);
        }
    }
}

long long ReadCounter(const std::string& text) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    long long value = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9')
        value = value * 10 + (text[i++] - '0');
    return negative ? -value : value;
}

bool FilterPasses(const std::string& value, const std::string& filter) {
    if (CompareNoCase(filter, "All") == 0) return true;
    const std::string head = value.size() > filter.size() ? value.substr(0, filter.size()) : value;
    return CompareNoCase(head, filter) == 0;
}

}  // namespace

const std::string& Get(const Records& records, std::uint32_t r, Field f) {
    return records[r][FieldIndex(f)];
}

std::uint32_t TitleSort(Order& order, const Records& records, bool ignoreThe) {
    const std::size_t n = order.size();
    std::size_t gap = n / 2;
    std::uint32_t gapValues = 0;
    const auto key = [&](std::size_t pos) {
        return TitleKey(Get(records, order[pos], Field::MovieName), ignoreThe);
    };
    do {
        bool exchanged;
        do {
            exchanged = false;
            for (std::size_t i = 0; i + gap < n; ++i) {
                if (CompareNoCase(key(i), key(i + gap)) > 0) {
                    std::swap(order[i], order[i + gap]);
                    exchanged = true;
                }
            }
        } while (exchanged);
        ++gapValues;
        gap /= 2;
    } while (gap != 0);
    return gapValues;
}

void KeySort(Order& order, const Records& records, Field field) {
    BubbleSort(order, [&](std::uint32_t ra, std::uint32_t rb) {
        const std::string& a = Get(records, ra, field);
        const std::string& b = Get(records, rb, field);
        int result = CompareNoCase(a, b);
        if (BlankLed(a)) result = 1;
        if (BlankLed(b)) result = 0;
        return result;
    });
}

bool TapeSort(Order& order, const Records& records, bool asText) {
    bool noted = false;
    BubbleSort(order, [&](std::uint32_t ra, std::uint32_t rb) {
        const std::string& a = Get(records, ra, Field::TapeNumber);
        const std::string& b = Get(records, rb, Field::TapeNumber);
        if (asText) return CompareNoCase(a, b);
        int result = 0;
        bool aNumber = false;
        bool bNumber = false;
        if (a.empty()) {
            result = 1;
        } else if (IsAllDigits(a)) {
            aNumber = true;
        } else {
            result = 1;
            noted = true;
        }
        if (b.empty()) {
            result = 0;
        } else if (IsAllDigits(b)) {
            bNumber = true;
        } else {
            result = 0;
            noted = true;
        }
        if (aNumber && bNumber) result = CompareDigitsByValue(a, b) > 0 ? 1 : 0;
        return result;
    });
    return noted;
}

void CounterSort(Order& order, const Records& records) {
    BubbleSort(order, [&](std::uint32_t ra, std::uint32_t rb) {
        const std::string& a = Get(records, ra, Field::Counter);
        const std::string& b = Get(records, rb, Field::Counter);
        const bool aHas = !BlankLed(a);
        const bool bHas = !BlankLed(b);
        if (aHas && bHas) return ReadCounter(b) < ReadCounter(a) ? 1 : 0;
        return aHas ? 1 : 0;
    });
}

Displayed Filter(const Records& records, const std::array<std::string, kFilterCount>& filters) {
    const auto filter = [&](FilterField f) { return filters[static_cast<std::size_t>(f)]; };
    Displayed shown;
    for (std::uint32_t i = 0; i < records.size(); ++i) {
        const auto passes = [&](FilterField ff, Field f) {
            return FilterPasses(Get(records, i, f), filter(ff));
        };
        const bool actor = passes(FilterField::Actor, Field::Actor1) ||
                           passes(FilterField::Actor, Field::Actor2) ||
                           passes(FilterField::Actor, Field::Actor3);
        if (actor && passes(FilterField::MovieType, Field::MovieType) &&
            passes(FilterField::MediaType, Field::MediaType) &&
            passes(FilterField::Rating, Field::Rating) &&
            passes(FilterField::MovieName, Field::MovieName) &&
            passes(FilterField::Custom1, Field::Custom1) &&
            passes(FilterField::Custom2, Field::Custom2) &&
            passes(FilterField::Custom3, Field::Custom3) &&
            passes(FilterField::Custom4, Field::Custom4)) {
            shown.order.push_back(i);
        }
    }
    for (std::uint32_t r : shown.order) {
        for (int k = 0; k < 3; ++k) {
            const std::string& name = Get(records, r, ActorField(k));
            if (name.empty() || !FilterPasses(name, filter(FilterField::Actor))) continue;
            bool known = false;
            for (const std::string& a : shown.actors) known = known || CompareNoCase(a, name) == 0;
            if (!known) shown.actors.push_back(name);
        }
    }
    return shown;
}

std::vector<ActorRow> ActorIndex(const Order& order, const Records& records,
                                 std::vector<std::string>& actors) {
    std::vector<ActorRow> rows;
    if (actors.empty()) return rows;
    const std::size_t m = actors.size();
    for (std::size_t p = 0; p + 1 < m; ++p) {
        for (std::size_t j = 0; j + 1 < m - p; ++j) {
            if (CompareNoCase(actors[j], actors[j + 1]) > 0) std::swap(actors[j], actors[j + 1]);
        }
    }
    std::vector<std::string> groups = actors;
    groups.emplace_back(msg::kNoActorListed);
    for (const std::string& g : groups) {
        bool first = true;
        for (std::uint32_t r : order) {
            const std::string& a1 = Get(records, r, Field::Actor1);
            const std::string& a2 = Get(records, r, Field::Actor2);
            const std::string& a3 = Get(records, r, Field::Actor3);
            const bool belongs =
                CompareNoCase(g, a1) == 0 || CompareNoCase(g, a2) == 0 ||
                CompareNoCase(g, a3) == 0 ||
                (g == msg::kNoActorListed && a1.empty() && a2.empty() && a3.empty());
            if (!belongs) continue;
            rows.push_back({first ? g : std::string(), std::to_string(r)});
            first = false;
        }
    }
    return rows;
}

std::vector<ActorRow> ActorRowsOf(const CReelkeepDoc& doc) {
    std::vector<ActorRow> rows;
    for (std::uint32_t r = 0; r < doc.Display().ActorRowCount(); ++r) {
        rows.push_back({std::string(doc.Display().ActorRowGroupName(r)),
                        std::to_string(doc.Display().ActorRowRecord(r))});
    }
    return rows;
}

std::vector<Label> Labels(const Order& order, const Records& records, bool tapeText) {
    std::vector<Label> labels;
    const auto open = [&](std::uint32_t r) {
        Label label;
        label.titles[0] = Get(records, r, Field::MovieName);
        label.movieTypes[0] = Get(records, r, Field::MovieType);
        label.counters[0] = Get(records, r, Field::Counter);
        label.rating = Get(records, r, Field::Rating);
        label.time = Get(records, r, Field::Time);
        label.tapeNumber = Get(records, r, Field::TapeNumber);
        for (int k = 0; k < 3; ++k) label.actors[k] = Get(records, r, ActorField(k));
        labels.push_back(label);
    };
    const auto equal = [&](const std::string& a, const std::string& b) {
        if (tapeText) return CompareNoCase(a, b) == 0;
        return IsAllDigits(a) && IsAllDigits(b) && CompareDigitsByValue(a, b) == 0;
    };
    if (order.empty()) return labels;
    open(order[0]);
    std::size_t p = 0;
    std::size_t k = 0;  // index of the last filled slot
    for (std::size_t q = 1; q < order.size(); ++q) {
        if (equal(Get(records, order[p], Field::TapeNumber),
                  Get(records, order[q], Field::TapeNumber))) {
            if (k < 4) {
                ++k;
                labels.back().titles[k] = Get(records, order[q], Field::MovieName);
                labels.back().movieTypes[k] = Get(records, order[q], Field::MovieType);
                labels.back().counters[k] = Get(records, order[q], Field::Counter);
                labels.back().multiple = 1;
            }
        } else {
            open(order[q]);
            p = q;
            k = 0;
        }
    }
    return labels;
}

bool SameLabels(const std::vector<Label>& a, const std::vector<Label>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const Label& x = a[i];
        const Label& y = b[i];
        if (x.titles != y.titles || x.movieTypes != y.movieTypes || x.counters != y.counters ||
            x.rating != y.rating || x.time != y.time || x.tapeNumber != y.tapeNumber ||
            x.actors != y.actors || x.multiple != y.multiple) {
            return false;
        }
    }
    return true;
}

void MovieTypeSort(std::vector<std::string>& types) {
    const std::size_t n = types.size();
    for (std::size_t p = 0; p + 1 < n; ++p) {
        for (std::size_t j = 0; j + 1 < n - p; ++j) {
            const std::string& a = types[j];
            const std::string& b = types[j + 1];
            const bool swap = (BlankLed(a) && !BlankLed(b)) ||
                              (!BlankLed(a) && !BlankLed(b) && CompareNoCase(a, b) > 0);
            if (swap) std::swap(types[j], types[j + 1]);
        }
    }
}

std::vector<std::string> LookupEntries(const Records& records, LookupKind kind) {
    std::vector<Field> fields;
    switch (kind) {
        case LookupKind::Actors:
            fields = {Field::Actor1, Field::Actor2, Field::Actor3};
            break;
        case LookupKind::MovieTypes:
            fields = {Field::MovieType};
            break;
        case LookupKind::MediaTypes:
            fields = {Field::MediaType};
            break;
        case LookupKind::Ratings:
            fields = {Field::Rating};
            break;
        default:
            fields = {CustomField(static_cast<std::size_t>(kind) -
                                  static_cast<std::size_t>(LookupKind::Custom1))};
    }
    std::vector<std::string> entries;
    for (std::uint32_t r = 0; r < records.size(); ++r) {
        for (Field f : fields) {
            const std::string& value = Get(records, r, f);
            bool known = value.empty();
            for (const std::string& e : entries) known = known || CompareNoCase(e, value) == 0;
            if (!known) entries.push_back(value);
        }
    }
    if (kind == LookupKind::MovieTypes) MovieTypeSort(entries);
    return entries;
}

}  // namespace reelkeep::test::ref
