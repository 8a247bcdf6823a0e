// The help: every topic and link leads to a page and a place on it, Help Topics and F1 bring up
// one help window, dialogs answer F1 and What's This with their topics, and F6 moves the keyboard
// between the catalogue and the toolbar.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QScreen>
#include <QTextBrowser>
#include <QToolBar>
#include <QWhatsThis>
#include <QWindow>
#include <QtTest>
#include <memory>
#include <set>

#include "custom_headings_dialog.h"
#include "delete_dialog.h"
#include "dialog_test_util.h"
#include "dialogs.h"
#include "entry_dialog.h"
#include "every_dialog.h"
#include "filters_dialog.h"
#include "find_dialog.h"
#include "frame_test_util.h"
#include "go_to_entry_window.h"
#include "help_contexts.h"
#include "help_topics.h"
#include "help_window.h"
#include "label_color_dialog.h"
#include "label_print_dialogs.h"
#include "main_frame.h"
#include "options_sheet.h"
#include "reelkeep_view.h"
#include "screen_color_dialog.h"

using namespace reelkeep;
using namespace reelkeep::frametest;

namespace {

QString ReadResource(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// True when the URL names a compiled-in file and, for a place on a page, an element with that id.
bool LeadsSomewhere(const QUrl& url) {
    if (url.scheme() != QStringLiteral("qrc") || !QFile::exists(u':' + url.path())) return false;
    if (!url.hasFragment()) return true;
    const QString page = ReadResource(u':' + url.path());
    return page.contains(QStringLiteral("id=\"%1\"").arg(url.fragment()));
}

CHelpWindow* TheHelpWindow() {
    CHelpWindow* found = nullptr;
    int count = 0;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* help = qobject_cast<CHelpWindow*>(window)) {
            found = help;
            ++count;
        }
    }
    return count == 1 ? found : nullptr;
}

void SendWhatsThis(QWidget* control) {
    QHelpEvent event(QEvent::WhatsThis, QPoint(1, 1), control->mapToGlobal(QPoint(1, 1)));
    QApplication::sendEvent(control, &event);
}

}  // namespace

class HelpTest : public QObject {
    Q_OBJECT

private:
    AppHarness harness_;

private slots:
    void initTestCase() { InstallQuietLogHandler(); }
    void cleanup() { harness_.app.reset(); }

    void everyTopicAndLinkLeadsToAPlaceOnAPage() {
        for (const HelpTopic& topic : HelpTopics()) {
            QVERIFY2(LeadsSomewhere(HelpPageUrl(topic.target)), topic.target.data());
        }
        std::set<QString> listed;
        for (const std::string_view page : HelpContentsPages()) {
            listed.insert(QString::fromUtf8(page.data(), static_cast<qsizetype>(page.size())));
        }
        const QRegularExpression link(QStringLiteral("(?:href|src)=\"([^\"]*)\""));
        const QStringList pages = QDir(QStringLiteral(":/help")).entryList({"*.html"});
        QCOMPARE(std::set<QString>(pages.begin(), pages.end()), listed);
        for (const QString& page : pages) {
            const QUrl base(QStringLiteral("qrc:/help/") + page);
            const QString html = ReadResource(u':' + base.path());
            for (const auto& match : link.globalMatch(html)) {
                const QUrl target = base.resolved(QUrl(match.captured(1)));
                QVERIFY2(LeadsSomewhere(target), qPrintable(page + ": " + match.captured(1)));
            }
        }
    }

    void everyDialogControlLeadsToATopic() {
        ScriptedDialogs pickers;
        const std::vector<std::unique_ptr<QWidget>> dialogs = EveryDialog(pickers);
        const std::span<const HelpTopic> topics = HelpTopics();
        for (const auto& dialog : dialogs) {
            QList<QWidget*> controls = dialog->findChildren<QWidget*>();
            controls.append(dialog.get());
            for (const QWidget* control : controls) {
                const int context = HelpContextOf(control);
                QVERIFY2(std::ranges::find(topics, context, &HelpTopic::context) != topics.end(),
                         qPrintable(dialog->windowTitle() + QStringLiteral(": %1").arg(context)));
            }
        }
    }

    void helpTopicsOpensTheContentsInOneWindow() {
        CMainFrame& frame = harness_.StartedApp().Frame();
        QVERIFY(frame.Action(CommandId::HelpTopics)->isEnabled());
        frame.ExecuteCommand(CommandId::HelpTopics);
        CHelpWindow* help = TheHelpWindow();
        QVERIFY(help != nullptr && help->isVisible());
        QTRY_VERIFY(help->screen()->availableGeometry().contains(help->frameGeometry()));
        QCOMPARE(help->Browser()->source(), HelpTopicUrl(help::kContents));
        QCOMPARE(help->ContentsList()->count(), static_cast<int>(HelpContentsPages().size()));
        QCOMPARE(help->ContentsList()->currentRow(), 0);

        help->Browser()->setSource(HelpPageUrl("labels.html#copies"));
        QCOMPARE(help->ContentsList()->currentItem()->text(), QStringLiteral("Tape labels"));
        frame.ExecuteCommand(CommandId::Help);
        QCOMPARE(TheHelpWindow(), help);
        QCOMPARE(help->Browser()->source(), HelpTopicUrl(help::kContents));
        help->Browser()->backward();
        QCOMPARE(help->Browser()->source(), HelpPageUrl("labels.html#copies"));

        help->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(help));
        help->ContentsList()->setFocus();
        QTest::keyClick(help->ContentsList(), Qt::Key_Escape);
        QVERIFY(!help->isVisible());
    }

    // The help window opened from a modal dialog takes clicks while the dialog runs, and stays
    // open, back with the main window, when the dialog closes.
    void dialogsAnswerF1AndWhatsThisWithTheirTopics() {
        CMainFrame& frame = harness_.StartedApp().Frame();
        CHelpWindow* help = nullptr;
        WhenModalShown([&](QWidget* dialog) {
            auto* text = dialog->findChild<QLineEdit*>();
            QTest::keyClick(text, Qt::Key_F1);
            help = TheHelpWindow();
            QVERIFY(help != nullptr && help->isVisible());
            QCOMPARE(help->Browser()->source(), HelpTopicUrl(help::kFindText));

            SendWhatsThis(dialog->findChildren<QCheckBox*>().front());
            QCOMPARE(help->Browser()->source(), HelpTopicUrl(help::kFindWholeWord));
            SendWhatsThis(dialog);
            QCOMPARE(help->Browser()->source(), HelpTopicUrl(help::kFindDialog));

            QWidget* contents =
                help->findChild<QToolBar*>()->widgetForAction(help->ContentsAction());
            QTest::mouseClick(help->windowHandle(), Qt::LeftButton, {},
                              contents->mapTo(help, contents->rect().center()));
            QCOMPARE(help->Browser()->source(), HelpTopicUrl(help::kContents));

            QTest::keyClick(text, Qt::Key_F1, Qt::ShiftModifier);
            QVERIFY(QWhatsThis::inWhatsThisMode());
            QWhatsThis::leaveWhatsThisMode();
        });
        FindSettings settings;
        RunFindDialog(&frame, settings);
        QVERIFY(help != nullptr);
        QCOMPARE(TheHelpWindow(), help);
        QCOMPARE(help->parentWidget(), &frame);
        QVERIFY(help->isVisible());
    }

    void f6MovesTheKeyboardBetweenTheCatalogueAndTheToolbar() {
        CMainFrame& frame = harness_.StartedApp().Frame();
        frame.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        frame.View().setFocus();
        QTest::keyClick(&frame.View(), Qt::Key_F6);
        QVERIFY(frame.ToolBar()->isAncestorOf(QApplication::focusWidget()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6, Qt::ShiftModifier);
        QVERIFY(frame.View().hasFocus());

        frame.ExecuteCommand(CommandId::ViewToolbar);
        frame.ExecuteCommand(CommandId::NextPane);
        QVERIFY(frame.View().hasFocus());
    }
};

QTEST_MAIN(HelpTest)
#include "help_test.moc"
