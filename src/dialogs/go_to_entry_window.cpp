#include "go_to_entry_window.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialog_strings.h"
#include "dialog_widgets.h"
#include "help_contexts.h"
#include "messages.h"
#include "qt_text.h"
#include "sort_keys.h"

namespace reelkeep {

namespace {

// Dialog units: a quarter of the average character width across, an eighth of the line height
// down.
QSize DialogUnits(const QWidget* widget, int across, int down) {
    const QFontMetrics metrics(widget->font());
    return {across * metrics.averageCharWidth() / 4, down * metrics.height() / 8};
}

constexpr int kPlaceUnits = 100;
constexpr int kWidthUnits = 186;
constexpr int kHeightUnits = 66;

}  // namespace

std::string_view GoToPrompt(const DisplayState& shown) {
    if (shown.Mode() == DisplayMode::Labels) return msg::kGoToTapeNumber;
    const SortKeyInfo* key = FindSortKey(shown.sort);
    return key != nullptr ? key->goToPrompt : msg::kGoToMovieTitle;
}

CGoToEntryWindow::CGoToEntryWindow(QWidget* parent)
    : QDialog(parent), prompt_(MakeLabel({}, this)), text_(MakeLineEdit(this)) {
    prompt_->setBuddy(text_);
    setWindowTitle(dlg::Tr(dlg::kGoToTitle));
    AttachPageHelp(this, help::kGoToEntryWindow);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setModal(false);
    prompt_->setWordWrap(true);
    QPushButton* close = MakeButton(dlg::kClose, false, this);
    // The Enter key must not close the window while the user types.
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    connect(text_, &QLineEdit::textEdited, this, &CGoToEntryWindow::typedTextChanged);

    auto* fields = new QVBoxLayout;
    fields->addWidget(prompt_);
    fields->addWidget(text_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    StackFieldsAndButtons(this, fields, buttons);
    resize(DialogUnits(this, kWidthUnits, kHeightUnits).expandedTo(sizeHint()));
}

void CGoToEntryWindow::Open(const DisplayState& shown) {
    if (isVisible()) return;
    text_->clear();
    prompt_->setText(CoreText(GoToPrompt(shown)));
    const QSize place = DialogUnits(this, kPlaceUnits, kPlaceUnits);
    move(parentWidget()->window()->mapToGlobal(QPoint(place.width(), place.height())));
    show();
    text_->setFocus();
}

}  // namespace reelkeep
