#include "delete_dialog.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialog_strings.h"
#include "dialog_widgets.h"
#include "dialogs.h"
#include "help_contexts.h"
#include "qt_text.h"

namespace reelkeep {

namespace {

struct AnswerButton {
    DeleteAnswer answer;
    std::string_view text;
    int helpContext;
    std::string_view helpText;
};
// In the order the buttons stand; YES is the Enter key's button.
constexpr std::array<AnswerButton, 4> kAnswerButtons = {{
    {DeleteAnswer::Yes, dlg::kYes, help::kDeleteYes, dlg::kHelpYes},
    {DeleteAnswer::YesToAll, dlg::kYesToAll, help::kDeleteYesToAll, dlg::kHelpYesToAll},
    {DeleteAnswer::No, dlg::kNo, help::kDeleteNo, dlg::kHelpNo},
    {DeleteAnswer::NoToAll, dlg::kNoToAll, help::kDeleteNoToAll, dlg::kHelpNoToAll},
}};

// The question wraps at this width; a movie name is free text and may be one long word.
constexpr int kQuestionWidthChars = 60;

std::size_t Slot(DeleteAnswer answer) { return static_cast<std::size_t>(answer) - 1; }

// The question with every word wider than the line shortened in the middle, so that the dialog
// keeps a sensible width whatever the movie is called.
QString WrappableQuestion(std::string_view question, const QFontMetrics& metrics, int width) {
    QStringList words = ToQt(question).split(QLatin1Char(' '));
    for (QString& word : words) {
        if (metrics.horizontalAdvance(word) > width) {
            word = metrics.elidedText(word, Qt::ElideMiddle, width);
        }
    }
    return words.join(QLatin1Char(' '));
}

}  // namespace

CDeleteDialog::CDeleteDialog(std::string_view question, QWidget* parent) : QDialog(parent) {
    setWindowTitle(dlg::Tr(dlg::kDeleteTitle));
    EnableContextHelpButton(this);
    AttachPageHelp(this, help::kDeleteDialog);

    const int width = fontMetrics().averageCharWidth() * kQuestionWidthChars;
    auto* text = MakeLabel({}, this);
    text->setText(WrappableQuestion(question, text->fontMetrics(), width));
    text->setWordWrap(true);
    text->setFixedWidth(width);
    AttachHelp(text, help::kDeleteQuestion, dlg::kHelpDeleteQuestion);

    auto* row = new QHBoxLayout;
    for (const AnswerButton& button : kAnswerButtons)
        row->addWidget(AddAnswerButton(button.answer));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addSpacing(fontMetrics().height() / 2);
    layout->addLayout(row);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    Button(DeleteAnswer::Yes)->setFocus();
}

QPushButton* CDeleteDialog::AddAnswerButton(DeleteAnswer answer) {
    const AnswerButton& kind = kAnswerButtons[Slot(answer)];
    QPushButton* button = MakeButton(kind.text, answer == DeleteAnswer::Yes, this);
    AttachHelp(button, kind.helpContext, kind.helpText);
    connect(button, &QPushButton::clicked, this, [this, answer] {
        answer_ = answer;
        accept();
    });
    buttons_[Slot(answer)] = button;
    return button;
}

QPushButton* CDeleteDialog::Button(DeleteAnswer answer) const { return buttons_[Slot(answer)]; }

std::optional<DeleteAnswer> RunDeleteDialog(QWidget* parent, std::string_view question) {
    CDeleteDialog dialog(question, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Answer();
}

}  // namespace reelkeep
