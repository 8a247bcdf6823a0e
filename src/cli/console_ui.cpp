#include "console_ui.h"

#include <iostream>

namespace reelkeep::cli {

MessageAnswer ConsoleUI::ShowMessage(std::string_view text, MessageButtons buttons, MessageIcon) {
    warned_ = true;
    std::cerr << "reelkeep-cli: " << text << '\n';
    // Nobody can answer a question here: the careful answer leaves things as they are.
    switch (buttons) {
        case MessageButtons::Ok:
            return MessageAnswer::Ok;
        case MessageButtons::OkCancel:
        case MessageButtons::YesNoCancel:
            return MessageAnswer::Cancel;
    }
    return MessageAnswer::Cancel;
}

}  // namespace reelkeep::cli
