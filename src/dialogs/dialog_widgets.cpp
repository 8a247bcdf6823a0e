#include "dialog_widgets.h"

#include <QAbstractButton>
#include <QColor>
#include <QDialog>
#include <QFontMetrics>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPalette>
#include <QPushButton>
#include <QVBoxLayout>
#include <QVariant>
#include <limits>
#include <set>

#include "dialog_strings.h"
#include "dialogs.h"
#include "qt_text.h"

namespace reelkeep {

namespace {

constexpr char kHelpContextProperty[] = "reelkeepHelpContext";

int AltLetterOf(const QString& text) {
    const QKeySequence letter = QKeySequence::mnemonic(text);
    return letter.isEmpty() ? 0 : letter[0].toCombined();
}

// The Alt letters the other labels (those that lead to a field) and buttons of label's window
// use.
std::set<int> LettersInUse(const QLabel* label) {
    std::set<int> used;
    for (const QWidget* widget : label->window()->findChildren<QWidget*>()) {
        QString text;
        if (const auto* other = qobject_cast<const QLabel*>(widget)) {
            if (other != label && other->buddy() != nullptr) text = other->text();
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            text = button->text();
        }
        if (const int letter = AltLetterOf(text); letter != 0) used.insert(letter);
    }
    return used;
}

}  // namespace

QLabel* MakeLabel(std::string_view text, QWidget* parent, QWidget* buddy) {
    auto* label = new QLabel(dlg::Tr(text), parent);
    label->setTextFormat(Qt::PlainText);
    label->setBuddy(buddy);
    return label;
}

void SetUserCaption(QLabel* label, const QString& caption, int number) {
    QString escaped = caption;
    escaped.replace(QLatin1Char('&'), QStringLiteral("&&"));
    label->setTextFormat(Qt::PlainText);
    label->setText(escaped);  // a previous caption's letter is free again
    const std::set<int> used = LettersInUse(label);
    for (qsizetype at = 0; at < escaped.size(); ++at) {
        if (escaped[at] == QLatin1Char('&')) {
            ++at;  // the second of "&&"
            continue;
        }
        if (!escaped[at].isLetterOrNumber()) continue;
        QString lettered = escaped;
        lettered.insert(at, QLatin1Char('&'));
        if (!used.contains(AltLetterOf(lettered))) {
            label->setText(lettered);
            return;
        }
    }
    // The field's own number, else the first digit free.
    constexpr int kDigits = 10;
    for (int k = 0; k < kDigits; ++k) {
        const int digit = (number + k) % kDigits;
        const QString bracketed = QStringLiteral("%1 (&%2)").arg(escaped).arg(digit).trimmed();
        if (!used.contains(AltLetterOf(bracketed))) {
            label->setText(bracketed);
            return;
        }
    }
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
    // Wide enough that the title bar shows the whole caption, which in German is longer than
    // the fields. The window manager's title font is not known: it is taken as a fifth wider
    // than the dialog's in bold, and the icon and buttons beside it as a line height each.
    constexpr int kTitleBarIcons = 6;
    QFont bold = dialog->font();
    bold.setBold(true);
    const int titleWidth = QFontMetrics(bold).horizontalAdvance(dialog->windowTitle());
    dialog->setMinimumWidth(titleWidth * 6 / 5 + kTitleBarIcons * dialog->fontMetrics().height());
    auto* layout = new QVBoxLayout(dialog);
    layout->addLayout(fields);
    layout->addSpacing(dialog->fontMetrics().height() / 2);
    layout->addLayout(buttons);
    layout->addStretch();
}

}  // namespace reelkeep
