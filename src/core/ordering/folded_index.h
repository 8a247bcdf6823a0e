#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

#include "text_compare.h"

namespace reelkeep {

// A hash index from texts, equal when EqualsNoCase says so, to the ids 0, 1, 2, … under which
// they were added. The caller keeps the texts (texts[id] is the text added as id), so nothing is
// copied; an add or a lookup costs one hash and usually one slot read.
class CFoldedIndex {
public:
    static constexpr std::uint32_t kAbsent = UINT32_MAX;

    std::size_t size() const { return size_; }

    // The id of the text equal to text ignoring case, or kAbsent.
    template <typename Texts>
    std::uint32_t Find(std::string_view text, const Texts& texts) const {
        return slots_.empty() ? kAbsent : slots_[Probe(text, HashOf(text), texts)].id;
    }

    // The id of the text equal to text ignoring case, and false; or, when there is none, adds
    // text as id size() and returns that id and true. Throws std::bad_alloc with the index
    // unchanged.
    template <typename Texts>
    std::pair<std::uint32_t, bool> FindOrAdd(std::string_view text, const Texts& texts) {
        const std::uint32_t hash = HashOf(text);
        if (!slots_.empty()) {
            const std::size_t at = Probe(text, hash, texts);
            if (slots_[at].id != kAbsent) return {slots_[at].id, false};
            if (HasRoomForOneMore()) {
                slots_[at] = {hash, static_cast<std::uint32_t>(size_)};
                return {static_cast<std::uint32_t>(size_++), true};
            }
        }
        Place(hash);
        return {static_cast<std::uint32_t>(size_ - 1), true};
    }

    // Adds text as id size(), the caller knowing that no equal text is in the index. Cannot
    // throw while the index holds fewer texts than it was reserved for.
    void Add(std::string_view text) { Place(HashOf(text)); }

    // Makes room for count texts. Throws std::bad_alloc with the index unchanged.
    void Reserve(std::size_t count);

    // Forgets every text but keeps the room, so that re-adding them cannot throw.
    void Clear();

private:
    // The slot keeps the text's hash beside its id, so a probe reads a text only when the hashes
    // agree.
    struct Slot {
        std::uint32_t hash = 0;
        std::uint32_t id = kAbsent;  // kAbsent: free
    };

    static std::uint32_t HashOf(std::string_view text) {
        // The folded hash is well mixed, so its high half serves as well as all of it.
        return static_cast<std::uint32_t>(FoldedHash(text) >> 32);
    }

    bool HasRoomForOneMore() const { return (size_ + 1) * 2 <= slots_.size(); }

    // The slot where a text with this hash is, or the free slot where it would go.
    template <typename Texts>
    std::size_t Probe(std::string_view text, std::uint32_t hash, const Texts& texts) const {
        const std::size_t mask = slots_.size() - 1;
        for (std::size_t at = hash & mask;; at = (at + 1) & mask) {
            const Slot& slot = slots_[at];
            if (slot.id == kAbsent) return at;
            if (slot.hash == hash && EqualsNoCase(texts[slot.id], text)) return at;
        }
    }

    // Indexes the next id under hash, growing first when the index is half full.
    void Place(std::uint32_t hash);

    std::vector<Slot> slots_;  // size zero or a power of two, at most half full
    std::size_t size_ = 0;
};

}  // namespace reelkeep
