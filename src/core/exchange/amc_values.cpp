#include "amc_values.h"

#include <algorithm>
#include <utility>

#include "messages.h"

namespace reelkeep::amc {

namespace {

std::string_view Trimmed(std::string_view text) {
    constexpr std::string_view kSpace = " \t\r\n";
    const std::size_t first = text.find_first_not_of(kSpace);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kSpace) - first + 1);
}

std::size_t FindRoleAs(std::string_view name) {
    for (std::size_t at = 0; at + 4 <= name.size(); ++at) {
        if (EqualsIgnoringCase(name.substr(at, 4), " as ")) return at;
    }
    return std::string_view::npos;
}

void AddName(std::vector<std::string>& names, std::string_view name) {
    name = Trimmed(name.substr(0, FindRoleAs(name)));
    if (!name.empty()) names.emplace_back(name);
}

}  // namespace

void Note(ForeignMovie& movie, std::string_view what, bool held) {
    if (held) ++movie.leftOut[std::string(what)];
}

namespace {
char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
}  // namespace

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) { return Lower(x) == Lower(y); });
}

std::string FoldedTag(std::string_view tag) {
    std::string folded(tag);
    std::ranges::transform(folded, folded.begin(), Lower);
    return folded;
}

// A comma inside parentheses belongs to the role; a line break ends a name even when its
// parenthesis was never closed.
std::vector<std::string> SplitCast(std::string_view text) {
    std::vector<std::string> names;
    std::string name;
    int depth = 0;
    for (const char c : text) {
        if (c == '\n' || c == '\r' || (c == ',' && depth == 0)) {
            AddName(names, name);
            name.clear();
            depth = 0;
        } else if (c == '(') {
            ++depth;
        } else if (c == ')') {
            depth = std::max(depth - 1, 0);
        } else if (depth == 0) {
            name += c;
        }
    }
    AddName(names, name);
    return names;
}

std::vector<std::string> SplitGenres(std::string_view text) {
    std::vector<std::string> genres;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find(','), text.find('/'));
        const std::string_view genre = Trimmed(text.substr(0, end));
        if (!genre.empty()) genres.emplace_back(genre);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    }
    return genres;
}

void TakeNamedFields(ForeignMovie& movie, std::string originalTitle, std::string translatedTitle,
                     std::string_view category, std::string_view actors) {
    Note(movie, msg::kLeftOutOriginalTitles,
         !translatedTitle.empty() && !originalTitle.empty() && originalTitle != translatedTitle);
    movie.title = translatedTitle.empty() ? std::move(originalTitle) : std::move(translatedTitle);
    movie.genres = SplitGenres(category);
    movie.cast = SplitCast(actors);
}

}  // namespace reelkeep::amc
