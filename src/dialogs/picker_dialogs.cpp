// The platform's font and colour pickers, set up as the program uses them.
#include <QCheckBox>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QGroupBox>
#include <QPushButton>

#include "dialogs.h"

namespace reelkeep {

namespace {

// Underline and strike-out are no part of a stored font; offering them would drop the choice.
void HideEffects(QFontDialog& dialog) {
    for (QCheckBox* effect : dialog.findChildren<QCheckBox*>()) {
        if (auto* group = qobject_cast<QGroupBox*>(effect->parentWidget())) group->hide();
    }
}

// OK takes only a size within the limits; the dialog itself accepts any.
void LimitSizes(QFontDialog& dialog, FontSizeLimit sizes) {
    auto* buttons = dialog.findChild<QDialogButtonBox*>();
    QPushButton* ok = buttons ? buttons->button(QDialogButtonBox::Ok) : nullptr;
    if (ok == nullptr) return;
    const auto allowOk = [ok, sizes](const QFont& font) {
        const int points = font.pointSize();
        ok->setEnabled(points >= sizes.minPoints && points <= sizes.maxPoints);
    };
    QObject::connect(&dialog, &QFontDialog::currentFontChanged, ok, allowOk);
    allowOk(dialog.currentFont());
}

}  // namespace

std::optional<QFont> RunFontPicker(QWidget* parent, const QFont& initial, FontSizeLimit sizes) {
    QFontDialog dialog(initial, parent);
    // Qt's own dialog, whose parts can be reached; a native one could not be limited.
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    HideEffects(dialog);
    LimitSizes(dialog, sizes);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.selectedFont();
}

std::optional<QColor> RunColorPicker(QWidget* parent, const QColor& initial) {
    // Without the alpha channel every colour picked is solid.
    const QColor color = QColorDialog::getColor(initial, parent);
    if (!color.isValid()) return std::nullopt;
    return color;
}

}  // namespace reelkeep
