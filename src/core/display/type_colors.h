#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace reelkeep {

// The label data colours, one per movie type, kept in the order of the movie-type list (the
// order the catalogue file stores them in) but belonging to the types' names: when the list
// changes, each colour follows its name to its new place, a type new to the list starts black,
// and the colour of a type that leaves the list goes with it. Names match ignoring the case of
// A-Z, as the list itself does.
class CTypeColors {
public:
    // In the order of the types last followed; what is saved and what labels are drawn in. A
    // list read from a file may run past the types until they next change.
    const std::vector<std::uint32_t>& Colors() const { return colors_; }

    // Colours that belong to the movie-type list by place, such as a file's: they are given to
    // the names at the next Follow, once the list is built and sorted.
    void AdoptByPlace(std::vector<std::uint32_t> colors);
    // The user's colours for the types as listed now; by place, as above, while there are none.
    void Set(const std::vector<std::string>& types, std::vector<std::uint32_t> colors);
    // The movie-type list changed (or was sorted): the colours take the new order.
    void Follow(const std::vector<std::string>& types);
    void Clear();

private:
    void Bind(const std::vector<std::string>& types);
    void Realign(const std::vector<std::string>& types);

    std::vector<std::uint32_t> colors_;
    std::vector<std::string> types_;  // the name of each colour, once bound
    bool bound_ = true;
    // Colours of types that left the list while this catalogue is open, folded name to colour,
    // so that Undo of a Delete, or the type entered again, brings the user's colour back. They
    // are not saved.
    std::unordered_map<std::string, std::uint32_t> departed_;
};

}  // namespace reelkeep
