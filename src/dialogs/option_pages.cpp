#include "option_pages.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "dialog_strings.h"
#include "dialog_widgets.h"
#include "help_contexts.h"
#include "option_pickers.h"
#include "qt_text.h"
#include "screen_color_dialog.h"

namespace reelkeep {

namespace {

// A titled group box added to layout; its controls go into the layout returned.
QVBoxLayout* AddGroup(QWidget* page, QBoxLayout* layout, std::string_view title) {
    auto* group = new QGroupBox(dlg::Tr(title), page);
    layout->addWidget(group);
    return new QVBoxLayout(group);
}

// Tab stops once in a group of radio buttons, on its chosen button (the first while none is),
// as the arrow keys choose within it: the others take focus by click or arrow key only.
void TabToChosenButton(const QButtonGroup* group) {
    const QAbstractButton* chosen = group->checkedButton();
    if (chosen == nullptr && !group->buttons().isEmpty()) chosen = group->buttons().first();
    for (QAbstractButton* button : group->buttons()) {
        button->setFocusPolicy(button == chosen ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

}  // namespace

COptionPage::COptionPage(int helpContext, QWidget* parent)
    : QWidget(parent), helpContext_(helpContext) {
    AttachPageHelp(this, helpContext);
}

void COptionPage::TakeValues() const {
    for (const auto& take : takers_) take();
}

void COptionPage::AddCheckBox(QBoxLayout* layout, std::string_view text, int& value) {
    auto* box = new QCheckBox(dlg::Tr(text), this);
    box->setChecked(value != 0);
    layout->addWidget(box);
    takers_.push_back([box, &value] { value = box->isChecked() ? 1 : 0; });
}

template <typename Value>
void COptionPage::AddRadios(QBoxLayout* layout, std::span<const std::string_view> texts,
                            Value& value) {
    auto* group = new QButtonGroup(this);
    for (std::size_t k = 0; k < texts.size(); ++k) {
        auto* radio = new QRadioButton(dlg::Tr(texts[k]), this);
        group->addButton(radio, static_cast<int>(k));
        layout->addWidget(radio);
    }
    if (QAbstractButton* chosen = group->button(static_cast<int>(value))) chosen->setChecked(true);
    TabToChosenButton(group);
    connect(group, &QButtonGroup::buttonToggled, this, [group] { TabToChosenButton(group); });
    // A stored value that no button stands for stays until the user picks a button.
    takers_.push_back([group, &value] {
        if (group->checkedId() >= 0) value = static_cast<Value>(group->checkedId());
    });
}

CGeneralOptions::CGeneralOptions(OptionsSheetValues& values, IOptionPickers& pickers,
                                 QWidget* parent)
    : COptionPage(help::kOptionsGeneral, parent) {
    QPushButton* font = MakeButton(dlg::kChangeScreenFont, false, this);
    QPushButton* colors = MakeButton(dlg::kChangeScreenColors, false, this);
    // What the two buttons pick goes into the working copy, which the sheet's Cancel discards.
    connect(font, &QPushButton::clicked, this, [this, &values, &pickers] {
        if (auto chosen = ChooseFont(pickers, this, values.screenFont, kScreenFontSizes)) {
            values.screenFont = *chosen;
        }
    });
    connect(colors, &QPushButton::clicked, this,
            [this, &values, &pickers] { RunScreenColorDialog(this, values.colors, pickers); });

    auto* layout = new QVBoxLayout(this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(font);
    buttons->addWidget(colors);
    buttons->addStretch();
    layout->addLayout(buttons);
    AddRadios(AddGroup(this, layout, dlg::kPrinterColorGroup), dlg::kPrinterColors,
              values.printerColor);
    AddCheckBox(layout, dlg::kDisplayPageNumber, values.options.pageNum);
    AddCheckBox(layout, dlg::kTapeAsText, values.options.tapeText);
    AddCheckBox(layout, dlg::kLoadLast, values.options.loadLast);
    layout->addStretch();
}

CNlViewOptions::CNlViewOptions(OptionValues& values, QWidget* parent)
    : COptionPage(help::kOptionsNormalView, parent) {
    auto* layout = new QVBoxLayout(this);
    AddRadios(layout, dlg::kNormalGraphics, values.nlViewGrid);
    AddCheckBox(layout, dlg::kIgnoreThe, values.nlViewThe);
    for (std::size_t k = 0; k < kCustomFieldCount; ++k) {
        AddCheckBox(layout, dlg::kDisplayCustom[k], values.custom[k]);
    }
    AddRadios(AddGroup(this, layout, dlg::kPrintingOptions), dlg::kNormalPrinting,
              values.nlViewPrint);
    AddCheckBox(layout, dlg::kSynopsis, values.nlViewSynopsis);
    AddCheckBox(layout, dlg::kDisplayHeading, values.nlViewHeading);
    layout->addStretch();
}

CActorSortOptions::CActorSortOptions(OptionValues& values, QWidget* parent)
    : COptionPage(help::kOptionsActorSort, parent) {
    auto* layout = new QVBoxLayout(this);
    AddCheckBox(layout, dlg::kGridOn, values.actorGrid);
    AddRadios(layout, dlg::kActorPrinting, values.actorPrint);
    layout->addStretch();
}

CTitlesOptions::CTitlesOptions(OptionValues& values, QWidget* parent)
    : COptionPage(help::kOptionsOneLineSorts, parent) {
    auto* layout = new QVBoxLayout(this);
    AddCheckBox(layout, dlg::kGridOn, values.titlesGrid);
    AddCheckBox(layout, dlg::kIgnoreThe, values.titlesThe);
    AddRadios(layout, dlg::kOneLinePrinting, values.titlesPrint);
    layout->addStretch();
}

}  // namespace reelkeep
