#include "type_colors.h"

#include <algorithm>
#include <new>
#include <utility>

#include "folded_index.h"
#include "text_compare.h"

namespace reelkeep {

void CTypeColors::AdoptByPlace(std::vector<std::uint32_t> colors) {
    colors_ = std::move(colors);
    types_.clear();
    departed_.clear();
    bound_ = false;
}

void CTypeColors::Set(const std::vector<std::string>& types, std::vector<std::uint32_t> colors) {
    colors_ = std::move(colors);
    // Colours given before there are any types (as a generated catalogue's are) wait for them
    // and go to them by place.
    if (types.empty()) {
        types_.clear();
        bound_ = false;
        return;
    }
    Bind(types);
}

void CTypeColors::Follow(const std::vector<std::string>& types) {
    try {
        if (!bound_) {
            Bind(types);
        } else if (types != types_) {
            Realign(types);
        }
    } catch (const std::bad_alloc&) {
        // The colours stay as they were; the next change of the list tries again.
    }
}

void CTypeColors::Clear() {
    colors_.clear();
    types_.clear();
    departed_.clear();
    bound_ = true;
}

// A list shorter than the types (written by another program) leaves the rest black; a longer
// one keeps its tail, so that an unchanged catalogue saves the bytes it was read from. Without
// types there are no colours.
void CTypeColors::Bind(const std::vector<std::string>& types) {
    std::vector<std::string> names(types);
    colors_.resize(types.empty() ? 0 : std::max(colors_.size(), types.size()), 0);
    types_ = std::move(names);
    bound_ = true;
}

void CTypeColors::Realign(const std::vector<std::string>& types) {
    CFoldedIndex before;
    before.Reserve(types_.size());
    for (const std::string& name : types_) before.Add(name);
    std::vector<std::string> names(types);
    std::vector<std::uint32_t> colors(types.size(), 0);
    std::vector<bool> stays(types_.size(), false);
    for (std::size_t k = 0; k < types.size(); ++k) {
        const std::uint32_t was = before.Find(types[k], types_);
        if (was != CFoldedIndex::kAbsent) {
            colors[k] = colors_[was];
            stays[was] = true;
        } else if (const auto back = departed_.find(FoldCase(types[k])); back != departed_.end()) {
            colors[k] = back->second;
            departed_.erase(back);
        }
    }
    for (std::size_t was = 0; was < types_.size(); ++was) {
        if (!stays[was]) departed_[FoldCase(types_[was])] = colors_[was];
    }
    colors_ = std::move(colors);
    types_ = std::move(names);
}

}  // namespace reelkeep
