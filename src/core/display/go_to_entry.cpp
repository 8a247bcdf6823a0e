#include "go_to_entry.h"

#include <algorithm>
#include <string>
#include <vector>

#include "sort_keys.h"
#include "sorted_search.h"
#include "text_compare.h"
#include "title_sort.h"

namespace reelkeep {

namespace {

constexpr std::string_view kArticle = "the ";

bool ArticleLed(std::string_view text) { return StartsWithNoCase(text, kArticle); }

// How the rows of a listing are ordered by their keys, which tells where matches can lie.
enum class KeyOrder : std::uint8_t {
    None,                // no order to go by: every row is looked at
    Text,                // ascending ignoring case
    TextWithoutArticle,  // ascending ignoring case and a leading "The " (the title sort's)
    TextBlanksLast,      // ascending ignoring case, then the blank-led keys (the key sorts')
    Numbers,             // all-digit keys by value, then the others (the tape sort's)
};

struct Listing {
    std::uint32_t rows = 0;
    RowText key;
    KeyOrder order = KeyOrder::None;
    bool ignoreThe = false;

    RowRange All() const { return {0, rows}; }
};

// Rows ascending by their keys as written, compared with a leading article skipped: the keys that
// begin with the typed text, except those with the article, and those whose text after it does.
std::vector<RowRange> ArticleSkippingRanges(const Listing& l, RowRange within,
                                            std::string_view typed) {
    const RowRange led = PrefixRange(l.key, within, kArticle);
    // A key that is just the article keeps it, and sorts before the longer ones.
    const RowRange articled{
        PartitionPoint(led, [&](std::uint32_t t) { return !EqualsNoCase(l.key(t), kArticle); }),
        led.end};
    const RowRange plain = PrefixRange(l.key, within, typed);
    return {
        {plain.begin, std::min(plain.end, articled.begin)},
        {std::max(plain.begin, articled.end), plain.end},
        PrefixRange(l.key, articled, std::string(kArticle) + std::string(typed)),
    };
}

std::vector<RowRange> TextRanges(const Listing& l, RowRange within, std::string_view typed) {
    if (l.ignoreThe && !ArticleLed(typed)) return ArticleSkippingRanges(l, within, typed);
    return {PrefixRange(l.key, within, typed)};
}

// Rows ascending by their keys without the article: the title sort's order.
std::vector<RowRange> TitleRanges(const Listing& l, std::string_view typed) {
    const RowText titleKey = [&](std::uint32_t t) { return TitleKey(l.key(t), true); };
    if (l.ignoreThe && !ArticleLed(typed)) return {PrefixRange(titleKey, l.All(), typed)};
    // Compared as written: a title led by the article sorts under the text after it.
    if (ArticleLed(typed)) return {PrefixRange(titleKey, l.All(), typed.substr(kArticle.size()))};
    // Typed "t", "th" or "the" begins every title led by the article, wherever it sorts.
    if (StartsWithNoCase("the", typed)) return {l.All()};
    return {PrefixRange(titleKey, l.All(), typed)};
}

std::vector<RowRange> BlanksLastRanges(const Listing& l, std::string_view typed) {
    const std::uint32_t blanks =
        PartitionPoint(l.All(), [&](std::uint32_t t) { return IsBlankLed(l.key(t)); });
    std::vector<RowRange> ranges = TextRanges(l, {0, blanks}, typed);
    // The blank-led keys keep the order they had; only a text led by a space can match them.
    if (typed.front() == ' ') ranges.push_back({blanks, l.rows});
    return ranges;
}

std::vector<RowRange> NumberRanges(const Listing& l, std::string_view typed) {
    const std::uint32_t others =
        PartitionPoint(l.All(), [&](std::uint32_t t) { return !IsAllDigits(l.key(t)); });
    // The other keys keep the order they had.
    const RowRange rest{others, l.rows};
    if (!IsAllDigits(typed)) return {rest};
    const std::string_view lead = WithoutLeadingZeros(typed);
    // Zeros alone begin numbers of any value.
    if (lead.empty()) return {{0, others}, rest};
    std::vector<RowRange> ranges = LeadingDigitsRanges(l.key, {0, others}, lead);
    ranges.push_back(rest);
    return ranges;
}

// Ranges of rows that hold every match there is.
std::vector<RowRange> CandidateRanges(const Listing& l, std::string_view typed) {
    switch (l.order) {
        case KeyOrder::Text:
            return TextRanges(l, l.All(), typed);
        case KeyOrder::TextWithoutArticle:
            return TitleRanges(l, typed);
        case KeyOrder::TextBlanksLast:
            return BlanksLastRanges(l, typed);
        case KeyOrder::Numbers:
            return NumberRanges(l, typed);
        case KeyOrder::None:
            break;
    }
    return {l.All()};
}

// The candidate ranges found by the order are walked row by row, so the answer is always the
// rule's own; the order only keeps the walk short.
std::optional<std::uint32_t> FirstMatch(const Listing& l, std::string_view typed) {
    if (l.rows == 0) return std::nullopt;
    if (typed.empty()) return 0;
    std::optional<std::uint32_t> first;
    for (const RowRange& range : CandidateRanges(l, typed)) {
        const std::uint32_t end = first ? std::min(range.end, *first) : range.end;
        for (std::uint32_t t = range.begin; t < end; ++t) {
            if (GoToMatches(l.key(t), typed, l.ignoreThe)) {
                first = t;
                break;
            }
        }
    }
    return first;
}

Listing RecordListing(const CCatalogueDisplay& display) {
    const DisplayState& shown = display.State();
    const DocumentOptions& options = display.Options();
    Listing l;
    l.rows = static_cast<std::uint32_t>(display.Order().size());
    l.ignoreThe = shown.OneLine() ? options.ignoreTheOneLine : options.ignoreTheNormal;
    // Unsorted, a new catalogue lists its movies in the order they were entered.
    Field field = Field::MovieName;
    if (shown.sort == SortMark::Title) {
        l.order = display.TitleOrderIgnoresThe() ? KeyOrder::TextWithoutArticle : KeyOrder::Text;
    } else if (shown.sort == SortMark::TapeNumber) {
        field = Field::TapeNumber;
        l.order = display.TapeOrderIsText() ? KeyOrder::Text : KeyOrder::Numbers;
    } else if (const SortKeyInfo* key = FindSortKey(shown.sort); key && key->keyField) {
        field = *key->keyField;
        l.order = KeyOrder::TextBlanksLast;
    }
    l.key = [&values = display.Catalogue().Column(field), &order = display.Order()](
                std::uint32_t t) { return std::string_view(values[order[t]]); };
    return l;
}

Listing LabelListing(const CCatalogueDisplay& display) {
    Listing l;
    l.rows = static_cast<std::uint32_t>(display.Labels().size());
    l.order = display.TapeOrderIsText() ? KeyOrder::Text : KeyOrder::Numbers;
    l.key = [&labels = display.Labels()](std::uint32_t t) {
        return std::string_view(labels[t].tapeNumber);
    };
    return l;
}

// Only a group's first row shows the actor's name, and the rows come group by group: the sorted
// actors, then the pseudo-actor's group.
std::optional<std::uint32_t> ActorRow(const CCatalogueDisplay& display, std::string_view typed) {
    const std::uint32_t rows = display.ActorRowCount();
    if (rows == 0) return std::nullopt;
    const std::uint32_t pseudoGroup = display.ActorGroupCount() - 1;
    const std::uint32_t pseudoRows = PartitionPoint(
        {0, rows}, [&](std::uint32_t t) { return display.ActorRowGroup(t) >= pseudoGroup; });
    const RowText actor = [&](std::uint32_t t) { return display.ActorRowActor(t); };
    // The range starts on the first row of its first group.
    const RowRange named = PrefixRange(actor, {0, pseudoRows}, typed);
    if (!named.empty()) return named.begin;
    if (pseudoRows < rows && StartsWithNoCase(display.ActorRowGroupName(pseudoRows), typed)) {
        return pseudoRows;
    }
    return std::nullopt;
}

}  // namespace

bool GoToMatches(std::string_view key, std::string_view typed, bool ignoreThe) {
    if (ignoreThe && !ArticleLed(typed)) key = TitleKey(key, true);
    return StartsWithNoCase(key, typed);
}

std::optional<std::uint32_t> GoToRow(const CCatalogueDisplay& display, std::string_view typed) {
    const DisplayState& shown = display.State();
    if (shown.sort == SortMark::Actors) return ActorRow(display, typed);
    if (shown.NormalView() || shown.OneLine()) return FirstMatch(RecordListing(display), typed);
    if (shown.LabelFormat()) return FirstMatch(LabelListing(display), typed);
    return std::nullopt;
}

}  // namespace reelkeep
