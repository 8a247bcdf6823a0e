#include "options_sheet.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "dialog_strings.h"
#include "dialog_widgets.h"
#include "dialogs.h"
#include "help_contexts.h"
#include "option_pages.h"
#include "option_pickers.h"
#include "qt_text.h"

namespace reelkeep {

COptionsSheet::COptionsSheet(const OptionsSheetValues& values, IOptionPickers& pickers,
                             QWidget* parent)
    : QDialog(parent), values_(values), pickers_(pickers), tabs_(new QTabWidget(this)) {
    setWindowTitle(dlg::Tr(dlg::kOptionsTitle));
    AttachPageHelp(this, help::kOptionsGeneral);
    pages_ = {
        new CGeneralOptions(values_, pickers_, this), new CNlViewOptions(values_.options, this),
        new CActorSortOptions(values_.options, this), new CTitlesOptions(values_.options, this)};
    const std::array<std::string_view, 4> tabTexts = {dlg::kGeneralTab, dlg::kNormalViewTab,
                                                      dlg::kActorSortTab, dlg::kOneLineTab};
    for (std::size_t k = 0; k < pages_.size(); ++k) tabs_->addTab(pages_[k], dlg::Tr(tabTexts[k]));

    QPushButton* ok = MakeButton(dlg::kOk, true, this);
    QPushButton* cancel = MakeButton(dlg::kCancel, false, this);
    QPushButton* help = MakeButton(dlg::kHelp, false, this);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, &COptionsSheet::ShowHelp);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addWidget(help);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addLayout(buttons);
}

void COptionsSheet::accept() {
    for (const COptionPage* page : pages_) page->TakeValues();
    QDialog::accept();
}

void COptionsSheet::ShowHelp() {
    const COptionPage* page = pages_[static_cast<std::size_t>(tabs_->currentIndex())];
    pickers_.ShowHelp(this, page->HelpContext());
}

bool RunOptionsSheet(QWidget* parent, OptionsSheetValues& values, IOptionPickers& pickers) {
    COptionsSheet sheet(values, pickers, parent);
    if (sheet.exec() != QDialog::Accepted) return false;
    values = sheet.Values();
    return true;
}

}  // namespace reelkeep
