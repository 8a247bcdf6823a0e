#include "color_list_dialog.h"

#include <QListWidget>
#include <QPushButton>

#include "dialog_strings.h"
#include "dialog_widgets.h"
#include "option_pickers.h"
#include "view_colors.h"

namespace reelkeep {

namespace {
constexpr int kColorRole = Qt::UserRole;
constexpr int kSlotRole = Qt::UserRole + 1;
}  // namespace

CColorListDialog::CColorListDialog(IOptionPickers& pickers, QWidget* parent)
    : QDialog(parent),
      pickers_(pickers),
      list_(new QListWidget(this)),
      select_(MakeButton(dlg::kSelectColor, false, this)),
      ok_(MakeButton(dlg::kOk, true, this)),
      cancel_(MakeButton(dlg::kCancel, false, this)),
      swatch_(list_) {
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    connect(select_, &QPushButton::clicked, this, &CColorListDialog::PickColor);
    connect(list_, &QListWidget::itemDoubleClicked, this, &CColorListDialog::PickColor);
    connect(list_, &QListWidget::itemSelectionChanged, this, &CColorListDialog::ShowSelectedColor);
}

void CColorListDialog::AddLine(const QString& text, std::uint32_t color, std::size_t slot) {
    auto* line = new QListWidgetItem(text);
    line->setData(kColorRole, color);
    line->setData(kSlotRole, QVariant::fromValue(slot));
    list_->addItem(line);
}

int CColorListDialog::LineCount() const { return list_->count(); }

std::uint32_t CColorListDialog::LineColor(int line) const {
    return list_->item(line)->data(kColorRole).toUInt();
}

std::size_t CColorListDialog::LineSlot(int line) const {
    return list_->item(line)->data(kSlotRole).value<std::size_t>();
}

void CColorListDialog::SetSwatch(QWidget* swatch) { swatch_ = swatch; }

QListWidgetItem* CColorListDialog::SelectedLine() const {
    const QList<QListWidgetItem*> selected = list_->selectedItems();
    return selected.isEmpty() ? nullptr : selected.front();
}

void CColorListDialog::PickColor() {
    QListWidgetItem* line = SelectedLine();
    if (line == nullptr) return;
    const std::optional<std::uint32_t> color =
        ChooseColor(pickers_, this, line->data(kColorRole).toUInt());
    if (!color) return;
    line->setData(kColorRole, *color);
    ShowSelectedColor();
}

void CColorListDialog::ShowSelectedColor() {
    const QListWidgetItem* line = SelectedLine();
    ShowColorBehind(swatch_, line ? ToQColor(line->data(kColorRole).toUInt()) : QColor());
}

}  // namespace reelkeep
