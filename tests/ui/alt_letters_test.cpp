// Every field and button of a dialog, and every menu entry, is reached with Alt and a letter, and
// no two in one window or menu share one: a repeated letter only cycles the focus and never
// presses the button. In English and in German, whose letters differ.

#include <QAbstractButton>
#include <QComboBox>
#include <QKeySequence>
#include <QLabel>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTranslator>
#include <QtTest>
#include <algorithm>
#include <map>
#include <memory>

#include "command_table.h"
#include "dialog_test_util.h"
#include "dialogs.h"
#include "every_dialog.h"
#include "frame_test_util.h"
#include "qt_text.h"
#include "shell_dialogs.h"

using namespace reelkeep;

namespace {

// "b / a" for each text whose Alt letter an earlier text has, "t has no Alt letter" for each
// without one.
QStringList Clashes(const QStringList& texts) {
    std::map<int, QString> seen;
    QStringList clashes;
    for (const QString& text : texts) {
        const QKeySequence letter = QKeySequence::mnemonic(text);
        if (letter.isEmpty()) {
            clashes << text + " has no Alt letter";
        } else if (const auto [at, fresh] = seen.emplace(letter[0].toCombined(), text); !fresh) {
            clashes << text + " / " + at->second;
        }
    }
    return clashes;
}

// The text whose letter reaches a control: a label's that leads to a field, a button's. The
// numbered positions of the label sheet are chosen with the arrow keys and carry none.
QString LetteredText(const QWidget* widget) {
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        return label->buddy() != nullptr ? label->text() : QString();
    }
    const auto* button = qobject_cast<const QAbstractButton*>(widget);
    bool number = false;
    if (button != nullptr) button->text().toInt(&number);
    return button != nullptr && !number ? button->text() : QString();
}

// An options page shows alone beside the sheet's buttons: its letters need only differ from
// theirs and from each other.
const QWidget* ScopeOf(const QWidget* widget, const QWidget* window) {
    for (const QWidget* w = widget; w != window; w = w->parentWidget()) {
        if (qobject_cast<const QStackedWidget*>(w->parentWidget()) != nullptr &&
            qobject_cast<const QTabWidget*>(w->parentWidget()->parentWidget()) != nullptr) {
            return w;
        }
    }
    return window;
}

QStringList DialogClashes(const QWidget* window) {
    std::map<const QWidget*, QStringList> texts;
    for (const QWidget* widget : window->findChildren<QWidget*>()) {
        const QString text = LetteredText(widget);
        if (!text.isEmpty()) texts[ScopeOf(widget, window)] << text;
    }
    const QStringList own = texts[window];
    QStringList clashes = Clashes(own);
    for (const auto& [scope, page] : texts) {
        if (scope != window) clashes << Clashes(own + page);
    }
    return clashes;
}

QStringList MenuTexts(const MenuSpec& menu) {
    QStringList texts;
    for (const MenuItem& item : menu.items) {
        if (item.kind == MenuItem::Kind::Submenu)
            texts << Translated("Commands", item.submenu->title);
        if (item.kind != MenuItem::Kind::Command) continue;
        const auto info = std::ranges::find(AllCommands(), item.id, &CommandInfo::id);
        texts << Translated("Commands", info->menuText).section(u'\t', 0, 0);
    }
    return texts;
}

}  // namespace

class AltLettersTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        if (QString(QTest::currentDataTag()) != "German") return;
        german_ = std::make_unique<QTranslator>();
        QVERIFY(german_->load(QStringLiteral(":/i18n/reelkeep_de.qm")));
        QCoreApplication::installTranslator(german_.get());
    }
    void cleanup() { german_.reset(); }

    void everyMenuHasItsOwnLetters_data() { Languages(); }
    void everyMenuHasItsOwnLetters() {
        QStringList titles;
        QStringList clashes;
        for (const MenuSpec& menu : MainMenus()) {
            titles << Translated("Commands", menu.title);
            clashes << Clashes(MenuTexts(menu));
            for (const MenuItem& item : menu.items) {
                if (item.submenu != nullptr) clashes << Clashes(MenuTexts(*item.submenu));
            }
        }
        clashes << Clashes(titles);
        QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(u'\n')));
    }

    void everyDialogControlHasItsOwnLetter_data() { Languages(); }
    void everyDialogControlHasItsOwnLetter() {
        const auto check = [](const QWidget* dialog) {
            const QStringList clashes = DialogClashes(dialog);
            QVERIFY2(clashes.isEmpty(),
                     qPrintable(dialog->windowTitle() + ": " + clashes.join(", ")));
        };
        frametest::ScriptedDialogs pickers;
        for (const auto& dialog : EveryDialog(pickers)) check(dialog.get());
        WhenModalShown(check);
        RunAddColumnDialog(nullptr);
        WhenModalShown(check);
        CQtShellDialogs().AskRecover(nullptr, QStringLiteral("Recover the changes?"));
    }

    void aLetterWithoutItsOwnFieldIsFound() {
        QWidget window;
        auto* name = new QLabel(QStringLiteral("&Name"), &window);
        name->setBuddy(new QComboBox(&window));
        auto* number = new QLabel(QStringLiteral("&Number"), &window);
        number->setBuddy(new QComboBox(&window));
        new QLabel(QStringLiteral("No field of its own"), &window);
        QCOMPARE(DialogClashes(&window), QStringList{"&Number / &Name"});
        number->setText(QStringLiteral("Number"));
        QCOMPARE(DialogClashes(&window), QStringList{"Number has no Alt letter"});
    }

private:
    static void Languages() {
        QTest::addColumn<bool>("unused");
        QTest::newRow("English") << true;
        QTest::newRow("German") << true;
    }

    std::unique_ptr<QTranslator> german_;
};

QTEST_MAIN(AltLettersTest)
#include "alt_letters_test.moc"
