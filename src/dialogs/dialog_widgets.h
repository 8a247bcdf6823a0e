#pragma once

#include <string>
#include <string_view>

class QColor;
class QDialog;
class QLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QString;
class QWidget;

// Small builders every dialog uses, so the dialogs treat text, buttons and help alike.
namespace reelkeep {

// A label with one of dialog_strings.h's texts in the user's language, shown literally: captions
// set later come from catalogue data and must never be taken for markup. A buddy is the field
// the label's Alt letter moves to.
QLabel* MakeLabel(std::string_view text, QWidget* parent = nullptr, QWidget* buddy = nullptr);

// Shows a caption the user wrote (a custom heading) on a label as typed, "&" included, with an
// Alt letter no other label or button of its window has: the caption's first free letter or
// digit, else number in brackets after it ("Notes (1)"), as is done for scripts without Latin
// letters.
void SetUserCaption(QLabel* label, const QString& caption, int number);

// A single-line edit without the widget's default length limit, which would cut long values.
QLineEdit* MakeLineEdit(QWidget* parent = nullptr);

// The edit's text; original itself while the edit still shows it, so that stored bytes the
// widget cannot represent (text that is not UTF-8) survive an OK without an edit.
std::string EditedText(const QLineEdit* edit, const std::string& original);

// A push button with one of dialog_strings.h's texts in the user's language, that closes nothing
// by itself; isDefault makes it the Enter key's button.
QPushButton* MakeButton(std::string_view text, bool isDefault, QWidget* parent = nullptr);

// Gives a control its help-file topic and its What's This text (one of dialog_strings.h's).
void AttachHelp(QWidget* control, int context, std::string_view whatsThis);

// Gives a window (a dialog, an options page) the help page that F1 opens in it, and that What's
// This opens on any of its controls without a topic of their own.
void AttachPageHelp(QWidget* window, int context);

// Lets the title bar offer the What's This button, as the dialogs with help topics do.
void EnableContextHelpButton(QDialog* dialog);

// The warning box of the dialogs (OK button, warning icon); text is one of dialog_strings.h's
// or already in the user's language.
void ShowWarning(QWidget* parent, std::string_view text);

// Shows color behind the widget's text, the text kept readable on it; an invalid color gives
// the widget its usual look back.
void ShowColorBehind(QWidget* widget, const QColor& color);

// Lays a dialog out as its fields above a row of buttons, with a half-line gap between, and
// wide enough for its title (set before).
void StackFieldsAndButtons(QDialog* dialog, QLayout* fields, QLayout* buttons);

}  // namespace reelkeep
