#include "screen_color_dialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <array>
#include <string_view>

#include "dialog_strings.h"
#include "dialog_widgets.h"
#include "help_contexts.h"
#include "qt_text.h"

namespace reelkeep {

namespace {

// The list's entries in their order, each with the colour it stands for.
struct ColorEntry {
    std::string_view text;
    std::uint32_t ScreenColors::*color;
};
constexpr std::array<ColorEntry, 4> kEntries = {{
    {dlg::kHeadingColor, &ScreenColors::heading},
    {dlg::kDataColor, &ScreenColors::data},
    {dlg::kHighlightBackgroundColor, &ScreenColors::highlightBackground},
    {dlg::kHighlightDataColor, &ScreenColors::highlightData},
}};

}  // namespace

CScreenColorDialog::CScreenColorDialog(const ScreenColors& colors, IOptionPickers& pickers,
                                       QWidget* parent)
    : CColorListDialog(pickers, parent) {
    setWindowTitle(dlg::Tr(dlg::kScreenColorTitle));
    AttachPageHelp(this, help::kScreenColorsDialog);
    for (std::size_t k = 0; k < kEntries.size(); ++k) {
        AddLine(dlg::Tr(kEntries[k].text), colors.*kEntries[k].color, k);
    }
    auto* group = new QGroupBox(dlg::Tr(dlg::kScreenColorsGroup), this);
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(ColorList());
    groupLayout->addWidget(SelectButton(), 0, Qt::AlignLeft);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(OkButton());
    buttons->addWidget(CancelButton());
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(group, 1);
    layout->addLayout(buttons);
}

ScreenColors CScreenColorDialog::Colors() const {
    ScreenColors colors;
    for (int line = 0; line < LineCount(); ++line) {
        colors.*kEntries[LineSlot(line)].color = LineColor(line);
    }
    return colors;
}

bool RunScreenColorDialog(QWidget* parent, ScreenColors& colors, IOptionPickers& pickers) {
    CScreenColorDialog dialog(colors, pickers, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    colors = dialog.Colors();
    return true;
}

}  // namespace reelkeep
