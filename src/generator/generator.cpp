#include "generator.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "name_pools.h"
#include "reelkeep_doc.h"

namespace reelkeep {

namespace {

// splitmix64: tiny, and its output is fixed by its definition, unlike the standard
// distributions whose results differ between library versions.
class CRandom {
public:
    explicit CRandom(std::uint64_t seed) : state_(seed) {}
    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // Uniform in 0..n-1 (the slight bias of the modulo does not matter here).
    std::uint32_t Below(std::uint32_t n) { return static_cast<std::uint32_t>(Next() % n); }
    bool Percent(std::uint32_t p) { return Below(100) < p; }
    std::string_view Pick(std::span<const std::string_view> pool) {
        return pool[Below(static_cast<std::uint32_t>(pool.size()))];
    }

private:
    std::uint64_t state_;
};

// Actor k of the cast pool: first and last names vary fastest, so small catalogues already look
// varied; initials and suffixes keep large pools distinct.
std::string ActorName(std::uint32_t k) {
    const auto first = pools::FirstNames();
    const auto last = pools::LastNames();
    const std::uint32_t a = k % first.size();
    const std::uint32_t b = (k / first.size()) % last.size();
    const std::uint32_t pairs = static_cast<std::uint32_t>(first.size() * last.size());
    const std::uint32_t initial = (k / pairs) % 27;
    const std::uint32_t suffix = (k / (pairs * 27)) % 4;
    std::string name(first[a]);
    if (initial != 0) {
        name += ' ';
        name += static_cast<char>('A' + initial - 1);
        name += '.';
    }
    name += ' ';
    // 65 is coprime with 96, so each first name meets every last name once per block.
    name += last[(37 * a + 65 * b) % last.size()];
    static constexpr std::array<std::string_view, 4> kSuffixes = {"", " Jr.", " Sr.", " III"};
    name += kSuffixes[suffix];
    return name;
}

// Titles of one to five words, shaped like real ones: "Paradise", "Silent River", "Kingdom of
// Ice", "The Lost Highway", "The Last Train of Summer".
std::string Title(CRandom& random) {
    const auto noun = [&] { return std::string(random.Pick(pools::TitleNouns())); };
    const auto adjective = [&] { return std::string(random.Pick(pools::TitleAdjectives())); };
    std::string title;
    switch (random.Below(6)) {
        case 0:
            title = noun();
            break;
        case 1:
            title = adjective() + " " + noun();
            break;
        case 2:
            title = "The " + adjective() + " " + noun();
            break;
        case 3:
            title = noun() + " of " + noun();
            break;
        case 4:
            title = "The " + noun() + " of the " + noun();
            break;
        default:
            title = "The " + adjective() + " " + noun() + " of " + noun();
            break;
    }
    if (random.Percent(4)) title += random.Percent(50) ? " II" : " 2";
    return title;
}

std::string Synopsis(CRandom& random) {
    if (random.Percent(10)) return {};
    std::string text(random.Pick(pools::SynopsisOpenings()));
    if (random.Percent(70)) {
        text += ' ';
        text += random.Pick(pools::SynopsisTurns());
    }
    if (random.Percent(30)) {
        text += "\r\n";
        text += random.Pick(pools::SynopsisEndings());
    }
    return text;
}

std::string_view MediaType(CRandom& random) {
    const std::uint32_t r = random.Below(100);
    if (r < 50) return "VHS";
    if (r < 70) return "DVD";
    if (r < 80) return "Beta";
    if (r < 90) return "Blu-ray";
    return "8mm";
}

std::string_view Rating(CRandom& random) {
    static constexpr std::array<std::string_view, 6> kRatings = {"G", "PG", "PG-13", "R", "NR", ""};
    const std::uint32_t r = random.Below(100);
    return kRatings[r < 10 ? 0 : r < 35 ? 1 : r < 60 ? 2 : r < 85 ? 3 : r < 95 ? 4 : 5];
}

// Label colours: a heading colour, and one data colour per movie type in order of first
// appearance (the order of the movie-type lookup list before it is sorted).
void SetLabelColors(CReelkeepDoc& doc, const std::vector<std::string>& movieTypes,
                    CRandom& random) {
    static constexpr std::array<std::uint32_t, 8> kPalette = {
        0x000080, 0x008000, 0x800000, 0x808000, 0x800080, 0x008080, 0x404040, 0x0060C0,
    };
    std::unordered_set<std::string_view> seen;
    std::vector<std::uint32_t> colors;
    for (const std::string& type : movieTypes) {
        if (!type.empty() && seen.insert(type).second) {
            colors.push_back(kPalette[random.Below(kPalette.size())]);
        }
    }
    doc.SetLabelColors(std::move(colors), {0x000000});
}

struct Columns {
    std::array<std::vector<std::string>, kFieldCount> values;
    std::vector<std::string>& operator[](Field f) { return values[FieldIndex(f)]; }
};

// A movie names each actor once: a repeat is drawn again a few times, then left empty (a tiny
// catalogue may have fewer actors than a cast).
template <typename Draw>
void DropRepeatedActors(std::array<std::string, 3>& cast, Draw& draw) {
    for (int k = 1; k < 3; ++k) {
        const auto repeats = [&] {
            return !cast[k].empty() &&
                   std::find(cast.begin(), cast.begin() + k, cast[k]) != cast.begin() + k;
        };
        for (int attempt = 0; attempt < 4 && repeats(); ++attempt) cast[k] = draw(0);
        if (repeats()) cast[k].clear();
    }
}

// Records are laid out tape by tape: each tape holds 1 to 6 movies of one media type, at
// rising counter positions.
void FillRecords(Columns& columns, std::uint32_t n, CRandom& random) {
    const std::uint32_t actorPool = std::max<std::uint32_t>(1, n / 3);
    // A few stars play in many movies, as in a real collection.
    const std::uint32_t stars = std::min(actorPool, std::max<std::uint32_t>(3, actorPool / 20));
    const auto actor = [&](std::uint32_t emptyPercent) -> std::string {
        if (random.Percent(emptyPercent)) return {};
        return ActorName(random.Percent(25) ? random.Below(stars) : random.Below(actorPool));
    };
    const auto allTypes = pools::MovieTypes();
    const auto types = allTypes.first(10 + random.Below(11));
    std::uint32_t tape = 0;
    std::uint32_t leftOnTape = 0;
    std::uint32_t counter = 0;
    std::string_view media;
    for (std::uint32_t i = 0; i < n; ++i) {
        if (leftOnTape == 0) {
            ++tape;
            leftOnTape = 1 + random.Below(6);
            counter = 0;
            media = MediaType(random);
        }
        --leftOnTape;
        columns[Field::MovieName].push_back(Title(random));
        std::array<std::string, 3> cast = {actor(2), actor(15), actor(35)};
        DropRepeatedActors(cast, actor);
        for (int k = 0; k < 3; ++k) columns[ActorField(k)].push_back(std::move(cast[k]));
        columns[Field::MovieType].push_back(std::string(random.Pick(types)));
        columns[Field::MediaType].push_back(std::string(media));
        const std::uint32_t minutes = 75 + random.Below(106);
        columns[Field::Time].push_back(random.Percent(3) ? "" : std::to_string(minutes));
        columns[Field::TapeNumber].push_back(random.Percent(2) ? "" : std::to_string(tape));
        columns[Field::Counter].push_back(random.Percent(5) ? "" : std::to_string(counter));
        counter += minutes * (20 + random.Below(5));
        columns[Field::Rating].push_back(std::string(Rating(random)));
        columns[Field::Custom1].push_back(random.Percent(20) ? "" : ActorName(random.Below(300)));
        columns[Field::Custom2].push_back(std::to_string(1940 + random.Below(70)));
        columns[Field::Custom3].push_back(std::string(random.Pick(pools::Studios())));
        columns[Field::Custom4].push_back(
            random.Percent(40) ? "" : std::string(random.Pick(pools::Conditions())));
        columns[Field::Synopsis].push_back(Synopsis(random));
    }
}

}  // namespace

void GenerateCatalogue(CReelkeepDoc& doc, std::uint32_t n, std::uint64_t seed) {
    CRandom random(seed);
    Columns columns;
    for (auto& column : columns.values) column.reserve(n);
    FillRecords(columns, n, random);

    doc.OnNewDocument();
    SetLabelColors(doc, columns[Field::MovieType], random);
    CRecordLoader records(n);
    for (std::size_t f = 0; f < kFieldCount; ++f) {
        records.Take(static_cast<Field>(f), std::move(columns.values[f]));
    }
    doc.LoadRecords(records, {"Director", "Year", "Studio", "Condition"});
    doc.SetModified(true);
}

}  // namespace reelkeep
