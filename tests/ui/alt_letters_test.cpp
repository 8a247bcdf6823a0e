// Every field and button of a dialog is reached with Alt and a letter, and no two in one window
// share a letter: a repeated letter only cycles the focus and never presses the button.

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

using namespace reelkeep;

namespace {

// The text whose Alt letter reaches a control: a label's that leads to a field, a button's. The
// numbered positions of the label sheet are chosen with the arrow keys and carry none.
QString LetteredText(const QWidget* widget) {
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        return label->buddy() != nullptr ? label->text() : QString();
    }
    const auto* button = qobject_cast<const QAbstractButton*>(widget);
    if (button == nullptr) return {};
    bool number = false;
    button->text().toInt(&number);
    return number ? QString() : button->text();
}

// An options page shows alone with the sheet's buttons, so its letters need only differ from
// theirs and from each other.
const QWidget* ScopeOf(const QWidget* widget, const QWidget* window) {
    for (const QWidget* w = widget; w != window; w = w->parentWidget()) {
        const QWidget* stack = w->parentWidget();
        if (qobject_cast<const QStackedWidget*>(stack) != nullptr &&
            qobject_cast<const QTabWidget*>(stack->parentWidget()) != nullptr) {
            return w;
        }
    }
    return window;
}

// "window: text" for each control without a letter or with one its window already uses.
QStringList LetterProblems(const QWidget* window) {
    std::map<const QWidget*, std::map<int, QString>> letters;  // scope -> letter -> text
    QStringList problems;
    const auto claim = [&](const QWidget* scope, int letter, const QString& text) {
        const auto [at, fresh] = letters[scope].emplace(letter, text);
        if (!fresh) problems << window->windowTitle() + ": " + text + " / " + at->second;
    };
    QList<const QWidget*> pageControls;
    for (const QWidget* widget : window->findChildren<QWidget*>()) {
        const QString text = LetteredText(widget);
        if (text.isEmpty()) continue;
        const QKeySequence letter = QKeySequence::mnemonic(text);
        if (letter.isEmpty()) {
            problems << window->windowTitle() + ": " + text + " has no Alt letter";
        } else if (ScopeOf(widget, window) == window) {
            claim(window, letter[0].toCombined(), text);
        } else {
            pageControls << widget;
        }
    }
    for (const QWidget* widget : pageControls) {
        const QString text = LetteredText(widget);
        const QWidget* page = ScopeOf(widget, window);
        if (letters[page].empty()) letters[page] = letters[window];
        claim(page, QKeySequence::mnemonic(text)[0].toCombined(), text);
    }
    return problems;
}

// The letters of one menu's entries, or of the menu bar's titles, that more than one uses.
QStringList RepeatedLetters(const QStringList& texts) {
    std::map<int, QString> letters;
    QStringList repeats;
    for (const QString& text : texts) {
        const QKeySequence letter = QKeySequence::mnemonic(text);
        if (letter.isEmpty()) continue;
        const auto [at, fresh] = letters.emplace(letter[0].toCombined(), text);
        if (!fresh) repeats << text + " / " + at->second;
    }
    return repeats;
}

QStringList MenuTexts(const MenuSpec& menu) {
    QStringList texts;
    for (const MenuItem& item : menu.items) {
        if (item.kind == MenuItem::Kind::Submenu)
            texts << Translated("Commands", item.submenu->title);
        if (item.kind != MenuItem::Kind::Command) continue;
        const auto commands = AllCommands();
        const auto info = std::ranges::find(commands, item.id, &CommandInfo::id);
        texts << Translated("Commands", info->menuText).section(u'\t', 0, 0);
    }
    return texts;
}

}  // namespace

class AltLettersTest : public QObject {
    Q_OBJECT
private slots:
    // Each check runs in English and again in German, whose letters differ.
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
        QStringList repeats;
        for (const MenuSpec& menu : MainMenus()) {
            titles << Translated("Commands", menu.title);
            repeats << RepeatedLetters(MenuTexts(menu));
            for (const MenuItem& item : menu.items) {
                if (item.submenu != nullptr) repeats << RepeatedLetters(MenuTexts(*item.submenu));
            }
        }
        repeats << RepeatedLetters(titles);
        QVERIFY2(repeats.isEmpty(), qPrintable(repeats.join(u'\n')));
    }

    void everyDialogControlHasItsOwnLetter_data() { Languages(); }
    void everyDialogControlHasItsOwnLetter() {
        frametest::ScriptedDialogs pickers;
        for (const auto& dialog : EveryDialog(pickers)) {
            const QStringList problems = LetterProblems(dialog.get());
            QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
        }
        WhenModalShown([](QWidget* addColumn) {
            const QStringList problems = LetterProblems(addColumn);
            QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
        });
        RunAddColumnDialog(nullptr);
    }

    void aLetterWithoutItsOwnFieldIsFound() {
        QWidget window;
        auto* first = new QLabel(QStringLiteral("&Name"), &window);
        first->setBuddy(new QComboBox(&window));
        auto* second = new QLabel(QStringLiteral("&Number"), &window);
        second->setBuddy(new QComboBox(&window));
        new QLabel(QStringLiteral("No field of its own"), &window);
        QCOMPARE(LetterProblems(&window), QStringList{": &Number / &Name"});
        second->setText(QStringLiteral("Number"));
        QCOMPARE(LetterProblems(&window), QStringList{": Number has no Alt letter"});
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
