#include "console_ui.h"

#include <iostream>

#include "reelkeep_doc.h"

namespace reelkeep::cli {

MessageAnswer CConsoleUI::ShowMessage(std::string_view text, MessageButtons buttons, MessageIcon) {
    warned_ = true;
    std::cerr << "reelkeep-cli: ";
    if (!file_.empty() && text.find(file_) == std::string_view::npos) std::cerr << file_ << ": ";
    std::cerr << text << '\n';
    // Nobody can answer a question here: the careful answer leaves things as they are.
    switch (buttons) {
        case MessageButtons::Ok:
            return MessageAnswer::Ok;
        case MessageButtons::OkCancel:
        case MessageButtons::YesNoCancel:
            return MessageAnswer::Cancel;
        case MessageButtons::YesNo:
            return MessageAnswer::No;
    }
    return MessageAnswer::Cancel;
}

// Keeps one row on one line whatever the text holds.
std::string Escaped(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            default:
                out += c;
        }
    }
    return out;
}

bool OpenCatalogue(CConsoleUI& ui, CReelkeepDoc& doc, const std::string& path) {
    ui.SetFile(path);
    doc.OnNewDocument();
    return doc.OpenDocument(path);
}

bool SaveCatalogue(CConsoleUI& ui, CReelkeepDoc& doc, const std::string& path) {
    ui.SetFile(path);
    return doc.SaveDocument(path);
}

}  // namespace reelkeep::cli
