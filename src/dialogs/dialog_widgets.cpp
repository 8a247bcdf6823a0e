#include "dialog_widgets.h"

#include <QColor>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPalette>
#include <QPushButton>
#include <QVBoxLayout>
#include <QVariant>
#include <limits>

#include "dialog_strings.h"
#include "dialogs.h"
#include "qt_text.h"

namespace reelkeep {

namespace {
constexpr char kHelpContextProperty[] = "reelkeepHelpContext";
}

QLabel* MakeLabel(std::string_view text, QWidget* parent, QWidget* buddy) {
    auto* label = new QLabel(dlg::Tr(text), parent);
    label->setTextFormat(Qt::PlainText);
    label->setBuddy(buddy);
    return label;
}

QLineEdit* MakeLineEdit(QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setMaxLength(std::numeric_limits<int>::max());
    return edit;
}

std::string EditedText(const QLineEdit* edit, const std::string& original) {
    const QString text = edit->text();
    return text == ToQt(original) ? original : FromQt(text);
}

QPushButton* MakeButton(std::string_view text, bool isDefault, QWidget* parent) {
    auto* button = new QPushButton(dlg::Tr(text), parent);
    button->setDefault(isDefault);
    return button;
}

void AttachHelp(QWidget* control, int context, std::string_view whatsThis) {
    AttachPageHelp(control, context);
    control->setWhatsThis(dlg::Tr(whatsThis));
}

void AttachPageHelp(QWidget* window, int context) {
    window->setProperty(kHelpContextProperty, context);
}

void EnableContextHelpButton(QDialog* dialog) {
    dialog->setWindowFlag(Qt::WindowContextHelpButtonHint, true);
}

void ShowWarning(QWidget* parent, std::string_view text) {
    QMessageBox::warning(parent, ToQt(dlg::kMessageTitle), dlg::Tr(text));
}

int HelpContextOf(const QWidget* control) {
    for (const QWidget* w = control; w != nullptr; w = w->parentWidget()) {
        const QVariant context = w->property(kHelpContextProperty);
        if (context.isValid()) return context.toInt();
    }
    return 0;
}

void ShowColorBehind(QWidget* widget, const QColor& color) {
    if (!color.isValid()) {
        widget->setPalette(QPalette());  // nothing of its own: inherits again
        widget->setAutoFillBackground(false);
        return;
    }
    constexpr int kDarkBelow = 128;
    const QColor text = qGray(color.rgb()) < kDarkBelow ? Qt::white : Qt::black;
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    palette.setColor(QPalette::Base, color);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Text, text);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void StackFieldsAndButtons(QDialog* dialog, QLayout* fields, QLayout* buttons) {
    auto* layout = new QVBoxLayout(dialog);
    layout->addLayout(fields);
    layout->addSpacing(dialog->fontMetrics().height() / 2);
    layout->addLayout(buttons);
    layout->addStretch();
}

}  // namespace reelkeep
