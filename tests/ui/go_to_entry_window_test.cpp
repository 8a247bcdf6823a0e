// Go to Entry through the window: the view follows each keystroke and stops at the last full
// page; a sort closes the window.
#include "go_to_entry_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "frame_test_util.h"
#include "main_frame.h"
#include "view_test_util.h"

using namespace reelkeep;

namespace {

// 60 movies, "Movie 000" to "Movie 059", in One Line Sorts by title, Go To Entry open.
struct GoToFixture : viewtest::ViewFixture {
    GoToFixture() {
        Fill(60);
        doc.Execute(CommandId::OneLineSorts);
        view.Execute(CommandId::GoToEntry);
    }
    CGoToEntryWindow& Window() const { return *goToWindow; }
    void Type(const QString& text) { QTest::keyClicks(Window().TextEdit(), text); }
    int ScrollY() const { return view.Scroll().scrollY; }
};

}  // namespace

class GoToEntryWindowTest : public QObject {
    Q_OBJECT
private slots:
    void theViewFollowsEachKeystrokeUpToTheLastFullPage() {
        GoToFixture f;
        QCOMPARE(f.Window().PromptLabel()->text(),
                 QStringLiteral("&Enter the Movie Title to go to."));
        f.Type(QStringLiteral("movie 01"));
        QCOMPARE(f.ScrollY(), 10 * f.L());
        // A letter no title goes on with leaves the view where it was.
        f.Type(QStringLiteral("x"));
        QCOMPARE(f.ScrollY(), 10 * f.L());
        f.Window().TextEdit()->clear();
        f.Type(QStringLiteral("Movie 058"));
        const ScrollModel& scroll = f.view.Scroll();
        QVERIFY(58 * f.L() > scroll.contentHeight - scroll.pageHeight);
        QCOMPARE(f.ScrollY(), scroll.contentHeight - scroll.pageHeight);
    }

    // The toolbar button, the frame's routing, and a column change reaching the catalogue.
    void theMainWindowRoutesTheViewsCommands() {
        frametest::InstallQuietLogHandler();
        frametest::AppHarness harness;
        CReelkeepApp& app = harness.StartedApp();
        CMainFrame& frame = app.Frame();
        frametest::FillCatalogue(app.Doc());
        frame.ExecuteCommand(CommandId::OneLineSorts);
        frame.Action(CommandId::GoToEntry)->trigger();
        QVERIFY(frame.GoToWindow().isVisible());
        const ColumnLayout& titles =
            app.Doc().Display().Layouts()[static_cast<std::size_t>(LayoutKey::Title)];
        const std::uint32_t second = titles.ids[2];
        frame.View().FieldsMenuItemsAt({titles.positions[1] + 5, 2});
        frame.ExecuteCommand(CommandId::RemoveField);
        QCOMPARE(titles.ids[1], second);
        frame.ExecuteCommand(CommandId::SortByTime);
        QVERIFY(!frame.GoToWindow().isVisible());
    }
};

QTEST_MAIN(GoToEntryWindowTest)
#include "go_to_entry_window_test.moc"
