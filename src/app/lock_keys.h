#pragma once

#include <optional>

namespace reelkeep {

struct LockKeyStates {
    bool caps = false;
    bool num = false;
    bool scroll = false;
};

// The keyboard's lock-key lights, where the windowing system tells them (X11); nullopt
// elsewhere.
std::optional<LockKeyStates> QueryLockKeys();

}  // namespace reelkeep
