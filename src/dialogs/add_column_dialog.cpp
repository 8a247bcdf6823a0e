// Add Column: which column the "Fields" menu adds.
#include <QComboBox>
#include <QDialog>
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

std::optional<std::uint32_t> RunAddColumnDialog(QWidget* parent) {
    QDialog dialog(parent);
    dialog.setWindowTitle(dlg::Tr(dlg::kAddColumnTitle));
    AttachPageHelp(&dialog, help::kAddColumnDialog);
    auto* choices = new QComboBox(&dialog);
    for (const std::string_view choice : dlg::kAddColumnChoices) choices->addItem(dlg::Tr(choice));
    choices->setCurrentIndex(0);
    QPushButton* ok = MakeButton(dlg::kOk, true, &dialog);
    QPushButton* cancel = MakeButton(dlg::kCancel, false, &dialog);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);

    auto* fields = new QVBoxLayout;
    fields->addWidget(MakeLabel(dlg::kAddColumnPrompt, &dialog, choices));
    fields->addWidget(choices);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    StackFieldsAndButtons(&dialog, fields, buttons);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    // Choice i stands for column identifier i + 1.
    return static_cast<std::uint32_t>(choices->currentIndex()) + 1;
}

}  // namespace reelkeep
