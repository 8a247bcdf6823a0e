#pragma once

#include <QDialog>
#include <QString>
#include <string_view>

#include "display_state.h"

class QLabel;
class QLineEdit;

namespace reelkeep {

// What the Go To Entry window asks for: the key of the sort shown, a tape number in Label
// Format, an actor in Actor Sort (the movie title when nothing is sorted yet).
std::string_view GoToPrompt(const DisplayState& shown);

// The Go To Entry window: modeless, beside the catalogue, passing on every edit of its text so
// that the view can follow it. Closing it only hides it; the view owns it for next time.
class CGoToEntryWindow : public QDialog {
    Q_OBJECT
public:
    explicit CGoToEntryWindow(QWidget* parent);

    // Shows the window with an empty text and the prompt for what is shown, where it first
    // appears; a window already open stays as it is.
    void Open(const DisplayState& shown);

    QLineEdit* TextEdit() const { return text_; }
    QLabel* PromptLabel() const { return prompt_; }

signals:
    void typedTextChanged(const QString& typed);

private:
    QLabel* prompt_;
    QLineEdit* text_;
};

}  // namespace reelkeep
