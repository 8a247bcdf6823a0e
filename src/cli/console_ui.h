#pragma once

#include "silent_ui.h"

namespace reelkeep::cli {

// The terminal as the document's user: messages go to stderr; otherwise it is silent, every
// dialog is cancelled and there is no view to take a selection from.
class ConsoleUI : public SilentUI {
public:
    MessageAnswer ShowMessage(std::string_view text, MessageButtons buttons,
                              MessageIcon icon) override;

    // Whether any message was shown: a command that warned has not fully succeeded.
    bool Warned() const { return warned_; }

private:
    bool warned_ = false;
};

}  // namespace reelkeep::cli
