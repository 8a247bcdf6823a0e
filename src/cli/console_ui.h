#pragma once

#include <string>
#include <string_view>

#include "silent_ui.h"

namespace reelkeep {
class CReelkeepDoc;
}

namespace reelkeep::cli {

// The terminal as the document's user: messages go to stderr; otherwise it is silent, every
// dialog is cancelled and there is no view to take a selection from.
class CConsoleUI : public CSilentUI {
public:
    MessageAnswer ShowMessage(std::string_view text, MessageButtons buttons,
                              MessageIcon icon) override;

    // Whether any message was shown: a command that warned has not fully succeeded.
    bool Warned() const { return warned_; }
    // The file the next messages are about; named before any message that does not name it.
    void SetFile(std::string path) { file_ = std::move(path); }

private:
    bool warned_ = false;
    std::string file_;
};

// Text on one output line whatever it holds: backslash, tab and line breaks as \\, \t, \n, \r.
std::string Escaped(std::string_view text);

// Opens or saves a catalogue; the messages name the file.
bool OpenCatalogue(CConsoleUI& ui, CReelkeepDoc& doc, const std::string& path);
bool SaveCatalogue(CConsoleUI& ui, CReelkeepDoc& doc, const std::string& path);

}  // namespace reelkeep::cli
