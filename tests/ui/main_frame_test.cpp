// The application shell end to end: start-up, menus and toolbar, command states, the document's
// lifetime with its caption, recent files and save-changes prompt, and the status-bar progress.
#include "main_frame.h"

#include <QAccessible>
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QScreen>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolBar>
#include <QUrl>
#include <QWindow>
#include <QtTest>
#include <algorithm>
#include <deque>

#include "app_strings.h"
#include "command_table.h"
#include "frame_test_util.h"
#include "qt_text.h"
#include "recent_files.h"
#include "reelkeep_app.h"
#include "reelkeep_view.h"
#include "settings_store.h"
#include "shell_dialogs.h"
#include "status_progress.h"

using namespace reelkeep;
using namespace reelkeep::frametest;

namespace {

// "Menu/Submenu|text|accelerator" for every visible item, "-" for separators.
void ListMenu(const QMenu& menu, const QString& path, QStringList& out) {
    for (QAction* action : menu.actions()) {
        if (!action->isVisible()) continue;
        if (action->isSeparator()) {
            out << QStringLiteral("-");
        } else if (action->menu()) {
            ListMenu(*action->menu(), path + u'/' + action->text(), out);
        } else {
            out << path + u'|' + action->text() + u'|' +
                       action->shortcut().toString(QKeySequence::PortableText);
        }
    }
}

}  // namespace

class MainFrameTest : public QObject {
    Q_OBJECT

private:
    AppHarness harness_;
    ScriptedDialogs*& dialogs_ = harness_.dialogs;

    QString Path(const QString& name) const { return harness_.Path(name); }
    CReelkeepApp& NewApp(const QByteArray& storeText = {}) { return harness_.NewApp(storeText); }
    CReelkeepApp& StartedApp(const QByteArray& storeText = {}) {
        return harness_.StartedApp(storeText);
    }

    // A saved three-movie catalogue; the app is left with it open.
    QString SavedCatalogue(CReelkeepApp& app, const QString& name) {
        FillCatalogue(app.Doc());
        dialogs_->saveNames.push_back(Path(name));
        app.Frame().ExecuteCommand(CommandId::FileSaveAs);
        return Path(name);
    }

    QString StoreText() const { return harness_.StoreText(); }

private slots:
    void initTestCase() { InstallQuietLogHandler(); }
    void cleanup() { harness_.app.reset(); }

    void firstRunWritesEveryValueAndOpensAtTheDefaultPlace() {
        CReelkeepApp& app = StartedApp();
        CMainFrame& frame = app.Frame();
        QCOMPARE(ShownTitle(frame), QStringLiteral("Untitled - Reelkeep"));
        // The stored rectangle is the whole window's, frame included.
        QCOMPARE(frame.frameGeometry(), QRect(10, 10, 490, 390));
        QVERIFY(frame.geometry() != frame.frameGeometry());
        QVERIFY(!frame.isMaximized());
        QVERIFY(dialogs_->messages.isEmpty());
        QVERIFY(!QApplication::windowIcon().isNull());

        const QString text = StoreText();
        const QStringList expected = {"DataColor=0",
                                      "HeadingColor=16711680",
                                      "HDataColor=16777215",
                                      "HBkColor=0",
                                      "LoadLast=0",
                                      "TitlesGrid=1",
                                      "TitlesPrint=0",
                                      "TitlesThe=1",
                                      "NlViewGrid=1",
                                      "NlViewPrint=3",
                                      "NlViewSynopsis=1",
                                      "NlViewThe=1",
                                      "ActorGrid=1",
                                      "ActorPrint=0",
                                      "Custom 1=0",
                                      "Custom 2=0",
                                      "Custom 3=0",
                                      "Custom 4=0",
                                      "PageNum=1",
                                      "NlViewHeading=1",
                                      "TapeText=0",
                                      "Face Name=MS Sans Serif",
                                      "Font Size=80",
                                      "Font Weight=400",
                                      "Bold=0",
                                      "Italic=0",
                                      "PFace Name=MS Sans Serif",
                                      "PFont Size=80",
                                      "PFont Weight=400",
                                      "PBold=0",
                                      "PItalic=0"};
        QVERIFY(text.startsWith(QStringLiteral("[User Data]\n")));
        for (const QString& line : expected) {
            QVERIFY2(text.contains(u'\n' + line + u'\n'), qPrintable(line));
        }
        QVERIFY(!text.contains(QStringLiteral("[Window size]")));
        QCOMPARE(app.Colors(), ScreenColors{});
        QCOMPARE(app.ScreenFont(), FontSpec{});
        QCOMPARE(app.LabelFont(), FontSpec{});

        frame.close();
        const QString closed = StoreText();
        QVERIFY(closed.contains(
            QStringLiteral("[Window size]\nIcon=0\nMaximized=0\nRect=0010 0010 0500 0400\n")));
    }

    void storedSettingsReachTheDocument() {
        CReelkeepApp& app = StartedApp(
            "[User Data]\nTapeText=1\nNlViewThe=0\nCustom 2=1\nDataColor=255\n"
            "Face Name=\nFont Size=120\nPFace Name=Arial\nPFont Size=100\nPFont Weight=700\n");
        QCOMPARE(app.Options().tapeText, 1);
        QVERIFY(app.Doc().Display().Options().tapeText);
        QVERIFY(!app.Doc().Display().Options().ignoreTheNormal);
        QVERIFY(app.Doc().Display().Options().showCustom[1]);
        QCOMPARE(app.Colors().data, 255u);
        QCOMPARE(app.ScreenFont(), FontSpec{});  // no face: the whole default font
        QCOMPARE(app.LabelFont().face, QStringLiteral("Arial"));
        QCOMPARE(app.LabelFont().weight, 700);
        QVERIFY(StoreText().contains(QStringLiteral("\nFont Size=80\n")));

        CReelkeepApp& bold =
            StartedApp("[User Data]\nFace Name=Arial\nBold=1\nPFace Name=Arial\nPBold=1\n");
        QCOMPARE(bold.Frame().View().ScreenFont().weight(), QFont::Bold);
        QCOMPARE(bold.LabelFont().weight, 700);
    }

    void maximizedWindowComesBackMaximized() {
        CReelkeepApp& app =
            StartedApp("[Window size]\nRect=0100 0050 0700 0450\nMaximized=1\nIcon=0\n");
        QTRY_VERIFY(app.Frame().isMaximized());
        // Un-maximized, the whole window, frame included, covers the stored rectangle.
        const QMargins frame = app.Frame().windowHandle()->frameMargins();
        QCOMPARE(app.Frame().normalGeometry(), QRect(100, 50, 600, 400).marginsRemoved(frame));
        app.Frame().close();
        QVERIFY(StoreText().contains(QStringLiteral("Maximized=1\nRect=0100 0050 0700 0450\n")));
    }

    void aWindowLargerThanItsScreenIsShrunkToFit() {
        CMainFrame& frame = StartedApp("[Window size]\nRect=0100 0050 9000 8000\n").Frame();
        QTRY_VERIFY(frame.screen()->availableGeometry().contains(frame.frameGeometry()));
    }

    // Regression: commands ran without a wait cursor. A dialog of the command's own shows the
    // normal one; a question the window asks through no window of its own keeps the wait.
    void commandsRunUnderTheWaitCursorButTheirDialogsDoNot() {
        CReelkeepApp& app = StartedApp();
        FillCatalogue(app.Doc());
        const auto shape = [] { return QApplication::overrideCursor()->shape(); };
        QList<Qt::CursorShape> shapes;
        harness_.dialogs->onMessage = [&] {
            QMessageBox box;
            QTimer::singleShot(0, &box, [&] { shapes << shape() << (box.reject(), shape()); });
            shapes << shape() << (box.exec(), shape());
        };
        app.Frame().ExecuteCommand(CommandId::FileNew);  // the save question, cancelled
        QCOMPARE(shapes, (QList{Qt::WaitCursor, Qt::ArrowCursor, Qt::WaitCursor, Qt::WaitCursor}));
        QCOMPARE(QApplication::overrideCursor(), nullptr);
        app.Doc().SetModified(false);
    }

    void menusHoldEveryItemWithItsAccelerator() {
        CReelkeepApp& app = StartedApp();
        QStringList items;
        for (QAction* top : app.Frame().menuBar()->actions()) {
            ListMenu(*top->menu(), top->text(), items);
        }
        const QStringList expected = {"&File|&New|Ctrl+N",
                                      "&File|&Open...|Ctrl+O",
                                      "&File|&Save|Ctrl+S",
                                      "&File|Save &As...|",
                                      "-",
                                      "&File|&Print...|Ctrl+P",
                                      "&File|Print Pre&view|",
                                      "&File|P&rint Setup...|",
                                      "-",
                                      "&File|Recent File|",
                                      "-",
                                      "&File/&Import|&Comma Separated Values...|",
                                      "&File/&Export|&Comma Separated Volume (csv)|",
                                      "&File/&Export|&Doc File (doc)|",
                                      "-",
                                      "&File|E&xit|Ctrl+Q",
                                      "&Edit|&Enter...|Ctrl+E",
                                      "&Edit|&Delete|Ctrl+D",
                                      "&Edit|&Modify...|Ctrl+M",
                                      "-",
                                      "&Edit|Select/&Unselect All|Ctrl+U",
                                      "-",
                                      "&Edit|U&ndo|Ctrl+Z",
                                      "-",
                                      "&Edit|&Find ...|Ctrl+F",
                                      "-",
                                      "&Edit|Edit &Custom Heading|",
                                      "&View|&Toolbar|",
                                      "&View|&Status Bar|",
                                      "-",
                                      "&View|Sort by &Actors|",
                                      "&View|Sort by Tit&le|",
                                      "&View|Sort by Custom&1|",
                                      "&View|Sort by Custom &2|",
                                      "&View|Sort by Custom &3|",
                                      "&View|Sort by Custom &4|",
                                      "&View|Sort by Tap&e #|",
                                      "&View|Sort by Ti&me|",
                                      "&View|Sort by &Rating|",
                                      "&View|Sort by Me&dia Type|",
                                      "&View|Sort by Mo&vie Type|",
                                      "-",
                                      "&View|&One Line Sorts|",
                                      "&View|Display in Label &Format|",
                                      "&View|Display &Normal View|",
                                      "&View|O&ptions|",
                                      "&View|&Go to Entry|",
                                      "&View|F&ilters|",
                                      "&Labels|Label &Font ...|",
                                      "&Labels/Label &Size|&Large Labels|",
                                      "&Labels/Label &Size|&Small Labels|",
                                      "&Labels|Label &Data Colors ...|",
                                      "&Labels|Label &Heading Color ...|",
                                      "&Help|&Help Topics|",
                                      "-",
                                      "&Help|&About Reelkeep...|"};
        QCOMPARE(items, expected);
        // No key reaches two commands.
        QSet<QKeySequence> keys;
        for (const QAction* action : app.Frame().findChildren<QAction*>()) {
            for (const QKeySequence& key : action->shortcuts()) {
                QVERIFY2(!keys.contains(key), qPrintable(key.toString()));
                keys.insert(key);
            }
        }

        // The help keys work without a menu item.
        QCOMPARE(app.Frame().Action(CommandId::Help)->shortcut(), QKeySequence(Qt::Key_F1));
        QCOMPARE(app.Frame().Action(CommandId::ContextHelp)->shortcut(),
                 QKeySequence(Qt::SHIFT | Qt::Key_F1));
        QCOMPARE(app.Frame().Action(CommandId::Enter)->statusTip(),
                 QStringLiteral("Enter a new movie"));
        QCOMPARE(app.Frame().Action(CommandId::ExportCsv)->toolTip(),
                 QStringLiteral("Export the file to a different format"));
    }

    void toolbarButtonsInOrder() {
        CReelkeepApp& app = StartedApp();
        QStringList buttons;
        for (QAction* action : app.Frame().ToolBar()->actions()) {
            buttons << (action->isSeparator() ? QStringLiteral("|") : action->toolTip());
            QVERIFY(action->isSeparator() || !action->icon().isNull());
        }
        QCOMPARE(buttons.join(u','),
                 QStringLiteral("New,Open,Save,Print,|,Enter,Delete,Modify,|,Display Normal View,"
                                "Display in Label Format,One Line Sorts,|,Sort by Title,"
                                "Sort by Actors,Sort by Tape #,Sort by Time,Sort by Rating,"
                                "Sort by Movie Type,Sort by Media Type,Sort by Custom1,"
                                "Sort by Custom 2,Sort by Custom 3,Sort by Custom 4,|,"
                                "Go to Entry,Filters,|,About Reelkeep,Context Help"));
    }

    void commandStatesFollowTheDocument() {
        CReelkeepApp& app = StartedApp();
        CMainFrame& frame = app.Frame();
        const auto enabled = [&](CommandId id) { return frame.Action(id)->isEnabled(); };
        // An empty catalogue: entering works, sorting has nothing to sort.
        QVERIFY(enabled(CommandId::Enter));
        QVERIFY(!enabled(CommandId::SortByTitle));
        QVERIFY(enabled(CommandId::Options));
        QVERIFY(enabled(CommandId::FilePrint));  // an empty catalogue prints empty pages
        QVERIFY(enabled(CommandId::FileSave));

        FillCatalogue(app.Doc());
        // States refresh when a menu opens.
        QMenu* viewMenu = frame.menuBar()->actions()[2]->menu();
        emit viewMenu->aboutToShow();
        QVERIFY(enabled(CommandId::SortByTitle));
        QVERIFY(frame.Action(CommandId::SortByTitle)->isChecked());

        frame.ExecuteCommand(CommandId::DisplayLabelFormat);
        QVERIFY(!enabled(CommandId::Enter));
        QVERIFY(!enabled(CommandId::SortByTime));
        QVERIFY(frame.Action(CommandId::DisplayLabelFormat)->isChecked());
        QVERIFY(!frame.Action(CommandId::DisplayNormalView)->isChecked());

        // A disabled command does not run even when asked for directly.
        frame.ExecuteCommand(CommandId::SortByTime);
        QVERIFY(app.Doc().Display().State().LabelFormat());
        QVERIFY(app.Doc().Display().State().sort != SortMark::Time);

        frame.ExecuteCommand(CommandId::DisplayNormalView);
        QVERIFY(enabled(CommandId::Enter));

        QVERIFY(frame.Action(CommandId::ViewToolbar)->isChecked());
        frame.ExecuteCommand(CommandId::ViewToolbar);
        QVERIFY(frame.ToolBar()->isHidden());
        QVERIFY(!frame.Action(CommandId::ViewToolbar)->isChecked());
        frame.ExecuteCommand(CommandId::ViewStatusBar);
        QVERIFY(frame.statusBar()->isHidden());
        QVERIFY(!frame.Action(CommandId::ViewStatusBar)->isChecked());

        frame.ExecuteCommand(CommandId::About);
        QCOMPARE(dialogs_->aboutBoxes, 1);
    }

    // The document asks the view which rows to act on; another catalogue selects none, and
    // leaves the focus row's movie to act on.
    void deleteAndModifyFollowTheViewsSelection() {
        CReelkeepApp& app = StartedApp();
        CMainFrame& frame = app.Frame();
        const auto enabled = [&](CommandId id) { return frame.Action(id)->isEnabled(); };
        FillCatalogue(app.Doc());
        frame.View().SelectRows({1});
        QVERIFY(enabled(CommandId::Delete));
        QVERIFY(enabled(CommandId::Modify));
        QVERIFY(frame.Lifetime().LoadFile(QStringLiteral(REELKEEP_SAMPLE)));
        QVERIFY(!frame.View().Selection().Present());
        QVERIFY(enabled(CommandId::Delete));  // the focus row's movie
        QVERIFY(enabled(CommandId::Modify));
    }

    void captionAndRecentFilesFollowOpenAndSaveAs() {
        CReelkeepApp& app = StartedApp();
        CMainFrame& frame = app.Frame();
        const QString first = SavedCatalogue(app, QStringLiteral("first.smf"));
        QCOMPARE(ShownTitle(frame), QStringLiteral("first.smf - Reelkeep"));
        QVERIFY(!app.Doc().IsModified());
        QVERIFY(QFile::exists(first));

        dialogs_->saveNames.push_back(Path(QStringLiteral("second.smf")));
        frame.ExecuteCommand(CommandId::FileSaveAs);
        QCOMPARE(ShownTitle(frame), QStringLiteral("second.smf - Reelkeep"));
        const auto& entries = frame.RecentFileActions();
        QVERIFY(entries[0]->isVisible() && entries[1]->isVisible() && !entries[2]->isVisible());
        QCOMPARE(entries[0]->text(), QStringLiteral("&1 second.smf"));
        QCOMPARE(entries[1]->text(), QStringLiteral("&2 first.smf"));

        frame.ExecuteCommand(CommandId::FileNew);
        QCOMPARE(ShownTitle(frame), QStringLiteral("Untitled - Reelkeep"));
        QCOMPARE(app.Doc().Catalogue().Count(), 0u);

        entries[1]->trigger();
        QCOMPARE(ShownTitle(frame), QStringLiteral("first.smf - Reelkeep"));
        QCOMPARE(app.Doc().Catalogue().Count(), 3u);
        QCOMPARE(entries[0]->text(), QStringLiteral("&1 first.smf"));
        QVERIFY(StoreText().contains(QStringLiteral("File1=") + first + u'\n'));

        // A recent file that has gone away is reported and leaves the list.
        QFile::remove(Path(QStringLiteral("second.smf")));
        entries[1]->trigger();
        QCOMPARE(dialogs_->messages.size(), 1);
        QVERIFY(dialogs_->messages.front().contains(QStringLiteral("Cannot find this file")));
        QCOMPARE(ShownTitle(frame), QStringLiteral("first.smf - Reelkeep"));
        QCOMPARE(app.Doc().Catalogue().Count(), 3u);
        QVERIFY(!entries[1]->isVisible());

        // Opening through the dialog, and a dropped file.
        frame.ExecuteCommand(CommandId::FileNew);
        dialogs_->openNames.push_back(first);
        frame.ExecuteCommand(CommandId::FileOpen);
        QCOMPARE(app.Doc().Catalogue().Count(), 3u);
        frame.ExecuteCommand(CommandId::FileNew);
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(first)});
        QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &mime, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(&frame, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&frame, &drop);
        QCOMPARE(ShownTitle(frame), QStringLiteral("first.smf - Reelkeep"));
        QCOMPARE(app.Doc().Catalogue().Count(), 3u);
    }

    void emptyFileOpensAsANewCatalogue() {
        // An unsaved "Test One", File > Open, No to saving it, then a file made with touch.
        CReelkeepApp& app = StartedApp();
        RecordValues movie;
        movie[FieldIndex(Field::MovieName)] = "Test One";
        test::LoadCatalogue(app.Doc(), std::vector{movie});
        app.Doc().SetModified(true);
        QFile empty(Path(QStringLiteral("empty.smf")));
        QVERIFY(empty.open(QIODevice::WriteOnly));
        empty.close();
        dialogs_->answers = {MessageAnswer::No};
        dialogs_->openNames = {empty.fileName()};
        app.Frame().ExecuteCommand(CommandId::FileOpen);
        QCOMPARE(ShownTitle(app.Frame()), QStringLiteral("empty.smf - Reelkeep"));
        QCOMPARE(app.Doc().Catalogue().Count(), 0u);
        QVERIFY(app.Doc().Catalogue().Lookup(LookupKind::Actors).empty());
        QVERIFY(!app.Doc().IsModified());
        // Saving now writes an empty catalogue, not the discarded movie.
        app.Frame().ExecuteCommand(CommandId::FileSave);
        CReelkeepDoc reread(app.Doc().UI());
        QVERIFY(reread.OpenDocument(FromQt(empty.fileName())));
        QCOMPARE(reread.Catalogue().Count(), 0u);
    }

    void aNewCatalogueAndTheActorIndexStartAtTheTop() {
        CReelkeepApp& app = StartedApp();
        CReelkeepView& view = app.Frame().View();
        FillCatalogue(app.Doc(), 20);
        const QString saved = SavedCatalogue(app, QStringLiteral("long.smf"));
        QTest::keyClick(&view, Qt::Key_End);
        app.Frame().ExecuteCommand(CommandId::SortByActors);
        QCOMPARE(view.Scroll().scrollY, 0);
        app.Frame().ExecuteCommand(CommandId::SortByTitle);
        QTest::keyClick(&view, Qt::Key_End);
        QVERIFY(view.Scroll().scrollY > 0 && app.Frame().Lifetime().OpenFile(saved));
        QCOMPARE(view.Scroll().scrollY, 0);
    }

    void checkMarksWaitForTheCommand() {
        // A toolbar button checks itself when clicked; while the command still runs (here at
        // its tape-number warning) the buttons must show one display mode, not two.
        CReelkeepApp& app = StartedApp();
        CMainFrame& frame = app.Frame();
        RecordValues odd;
        odd[FieldIndex(Field::MovieName)] = "Odd";
        odd[FieldIndex(Field::TapeNumber)] = "12a";
        FillCatalogue(app.Doc(), 1, {odd});
        frame.RefreshCommandStates();
        QStringList checkedAtMessage;
        dialogs_->onMessage = [&] {
            for (const CommandId id :
                 {CommandId::DisplayNormalView, CommandId::DisplayLabelFormat,
                  CommandId::OneLineSorts, CommandId::SortByTitle, CommandId::SortByTapeNumber}) {
                if (frame.Action(id)->isChecked()) checkedAtMessage << frame.Action(id)->text();
            }
        };
        frame.Action(CommandId::DisplayLabelFormat)->trigger();
        QCOMPARE(dialogs_->messages.size(), 1);
        QCOMPARE(checkedAtMessage, (QStringList{QStringLiteral("Display &Normal View"),
                                                QStringLiteral("Sort by Tit&le")}));
        QVERIFY(frame.Action(CommandId::DisplayLabelFormat)->isChecked());
        QVERIFY(!frame.Action(CommandId::DisplayNormalView)->isChecked());
    }

    void damagedFileDoesNotKeepTheOldName() {
        CReelkeepApp& app = StartedApp();
        const QString good = SavedCatalogue(app, QStringLiteral("good.smf"));
        QFile bad(Path(QStringLiteral("bad.smf")));
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write(QByteArray::fromHex("FDFFFFFF00000000"));  // ends before the layouts
        bad.close();
        QVERIFY(!app.Frame().Lifetime().OpenFile(bad.fileName()));
        QCOMPARE(dialogs_->messages, QStringList{QStringLiteral("Unexpected file format.")});
        QCOMPARE(app.Doc().Catalogue().Count(), 0u);
        // Saving now must not write the empty catalogue over good.smf.
        QCOMPARE(ShownTitle(app.Frame()), QStringLiteral("Untitled - Reelkeep"));
        app.Frame().ExecuteCommand(CommandId::FileSave);  // asks for a name; cancelled
        QCOMPARE(QFileInfo(good).size() > 100, true);
    }

    void saveChangesPrompt() {
        CReelkeepApp& app = StartedApp();
        CMainFrame& frame = app.Frame();
        FillCatalogue(app.Doc());

        dialogs_->answers = {MessageAnswer::Cancel};
        frame.ExecuteCommand(CommandId::FileNew);
        QCOMPARE(dialogs_->messages, QStringList{QStringLiteral("Save changes to Untitled?")});
        QCOMPARE(app.Doc().Catalogue().Count(), 3u);
        QVERIFY(app.Doc().IsModified());

        // Yes on an unnamed catalogue asks for a name; cancelling that abandons the command.
        dialogs_->answers = {MessageAnswer::Yes};
        frame.ExecuteCommand(CommandId::FileNew);
        QCOMPARE(app.Doc().Catalogue().Count(), 3u);

        dialogs_->answers = {MessageAnswer::Yes};
        dialogs_->saveNames = {Path(QStringLiteral("kept"))};
        frame.ExecuteCommand(CommandId::FileNew);
        QVERIFY(QFile::exists(Path(QStringLiteral("kept"))));
        QCOMPARE(app.Doc().Catalogue().Count(), 0u);
        QCOMPARE(ShownTitle(frame), QStringLiteral("Untitled - Reelkeep"));

        // A modified catalogue is marked in the title, and a filter says what it hides.
        FillCatalogue(app.Doc());
        std::array<std::string, kFilterCount> filters;
        filters.fill("All");
        filters[static_cast<std::size_t>(FilterField::MovieName)] = "V";
        app.Doc().ApplyFilters(filters);
        frame.RefreshCommandStates();
        QCOMPARE(ShownTitle(frame), QStringLiteral("Untitled* - Reelkeep"));
        QCOMPARE(frame.StatusPanes().FilterText(), QStringLiteral("Filter on: 1 of 3 movies"));
        dialogs_->answers = {MessageAnswer::No};
        frame.ExecuteCommand(CommandId::FileNew);
        QCOMPARE(ShownTitle(frame), QStringLiteral("Untitled - Reelkeep"));
        QVERIFY(frame.StatusPanes().FilterText().isEmpty());
        QCOMPARE(app.Doc().Catalogue().Count(), 0u);
        QVERIFY(!app.Doc().IsModified());

        // Closing asks too; Cancel keeps the window open and writes no placement.
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        FillCatalogue(app.Doc());
        dialogs_->messages.clear();
        dialogs_->answers = {MessageAnswer::Cancel};
        frame.ExecuteCommand(CommandId::AppExit);
        QCOMPARE(dialogs_->messages.size(), 1);
        QVERIFY(frame.isVisible());
        QVERIFY(!StoreText().contains(QStringLiteral("[Window size]")));
        dialogs_->answers = {MessageAnswer::No};
        QVERIFY(frame.close());
        QVERIFY(StoreText().contains(QStringLiteral("[Window size]")));
    }

    void startUpOpensTheRightFile() {
        // Save a catalogue to open at start-up.
        QString saved;
        {
            CReelkeepApp& app = StartedApp();
            saved = SavedCatalogue(app, QStringLiteral("last.smf"));
        }
        const QByteArray loadLast =
            "[User Data]\nLoadLast=1\n[Recent File List]\nFile1=" + saved.toUtf8() + "\n";

        CReelkeepApp& app = NewApp(loadLast);
        QVERIFY(app.Start({QStringLiteral("reelkeep")}));
        QCOMPARE(app.Doc().Catalogue().Count(), 3u);
        QCOMPARE(ShownTitle(app.Frame()), QStringLiteral("last.smf - Reelkeep"));

        // The command line wins over LoadLast.
        QFile empty(Path(QStringLiteral("named.smf")));
        QVERIFY(empty.open(QIODevice::WriteOnly));
        empty.close();
        CReelkeepApp& named = NewApp(loadLast);
        QVERIFY(named.Start({QStringLiteral("reelkeep"), empty.fileName()}));
        QCOMPARE(ShownTitle(named.Frame()), QStringLiteral("named.smf - Reelkeep"));

        // A missing last file is skipped without a word.
        CReelkeepApp& missing = NewApp("[User Data]\nLoadLast=1\n[Recent File List]\nFile1=" +
                                       Path(QStringLiteral("gone.smf")).toUtf8() + "\n");
        QVERIFY(missing.Start({QStringLiteral("reelkeep")}));
        QVERIFY(dialogs_->messages.isEmpty());
        QCOMPARE(ShownTitle(missing.Frame()), QStringLiteral("Untitled - Reelkeep"));
    }

    void startUpFailures() {
        // A command-line file that cannot be read ends the start-up after its message.
        CReelkeepApp& app = NewApp();
        QVERIFY(!app.Start({QStringLiteral("reelkeep"), Path(QStringLiteral("nowhere.smf"))}));
        QCOMPARE(dialogs_->messages.size(), 1);
        QVERIFY(dialogs_->messages.front().contains(QStringLiteral("Cannot find this file")));

        // A damaged last file is reported, but the program still starts.
        QFile bad(Path(QStringLiteral("damaged.smf")));
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write(QByteArray::fromHex("FDFFFFFF05000000"));
        bad.close();
        CReelkeepApp& damaged = NewApp(
            "[User Data]\nLoadLast=1\n[Recent File List]\nFile1=" + bad.fileName().toUtf8() + "\n");
        QVERIFY(damaged.Start({QStringLiteral("reelkeep")}));
        QCOMPARE(dialogs_->messages, QStringList{QStringLiteral("Unexpected file format.")});
        QCOMPARE(ShownTitle(damaged.Frame()), QStringLiteral("Untitled - Reelkeep"));
        QVERIFY(damaged.Doc().IsReady());

        // A file the print switch cannot read ends the run at once, printer or not.
        CReelkeepApp& print = NewApp();
        QVERIFY(!print.Start(
            {QStringLiteral("reelkeep"), QStringLiteral("-p"), QStringLiteral("x.smf")}));
        QCOMPARE(dialogs_->messages.size(), 1);
        QVERIFY(dialogs_->messages.front().contains(QStringLiteral("Cannot find this file")));
        QVERIFY(!print.ExitStatus());
    }

    void progressLayoutAndBack() {
        CReelkeepApp& app = StartedApp();
        CMainFrame& frame = app.Frame();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        CStatusPanes& panes = frame.StatusPanes();
        QCOMPARE(panes.VisiblePaneCount(), 4);
        QVERIFY(!panes.InProgressLayout());

        // No pane is ever hidden: a screen reader that saw it hidden would leave it out.
        const auto labels = frame.statusBar()->findChildren<QLabel*>();
        const auto noPaneHidden = [&] { return std::ranges::all_of(labels, &QWidget::isVisible); };
        IReelkeepUI& ui = app.Doc().UI();
        ui.BeginProgress("Sorting by title", 0);
        QVERIFY(panes.InProgressLayout());
        QCOMPARE(panes.VisiblePaneCount(), 2);
        QVERIFY(noPaneHidden());
        QCOMPARE(panes.MessageText(), QStringLiteral("Sorting by title"));
        QVERIFY(panes.Bar());
        QCOMPARE(panes.Bar()->value(), 0);  // an empty bar, not a busy one
        QVERIFY(panes.Bar()->maximum() > 0);
        ui.SetProgress(1);
        ui.EndProgress();
        QVERIFY(!panes.Bar());
        QCOMPARE(panes.VisiblePaneCount(), 4);
        QCOMPARE(panes.MessageText(), QStringLiteral("Ready"));

        ui.BeginProgress("Loading file", 3);
        for (std::uint32_t i = 1; i <= 5; ++i) ui.SetProgress(i);  // too many stay at the end
        QCOMPARE(panes.Bar()->value(), 3);
        ui.EndProgress();

        // A million steps reach the widget only as often as the bar can visibly move.
        ui.BeginProgress("Sorting by title", 1'000'000);
        QSignalSpy moves(panes.Bar(), &QProgressBar::valueChanged);
        for (std::uint32_t i = 1; i <= 1'000'000; ++i) ui.SetProgress(i);
        QCOMPARE(panes.Bar()->value(), 1'000'000);
        QVERIFY(moves.count() <= panes.Bar()->width() + 2);
        QVERIFY(moves.count() >= panes.Bar()->width() / 2);  // and still fills step by step
        ui.EndProgress();

        FillCatalogue(app.Doc());
        frame.ExecuteCommand(CommandId::SortByTime);
        QCOMPARE(app.Doc().Display().State().sort, SortMark::Time);
        QVERIFY(!panes.InProgressLayout());
        QCOMPARE(panes.VisiblePaneCount(), 4);
        const auto& indicators = panes.Indicators();
        QCOMPARE(indicators[0]->text() + indicators[1]->text() + indicators[2]->text(),
                 QStringLiteral("CAPNUMSCRL"));
        QCOMPARE(QAccessible::queryAccessibleInterface(indicators[0])->text(QAccessible::Name),
                 QStringLiteral("CAP off"));

        // A filter's count shows in its pane, which stays through the sort that follows.
        std::array<std::string, kFilterCount> filters;
        filters.fill("No such movie");
        app.Doc().ApplyFilters(filters);
        frame.ExecuteCommand(CommandId::SortByTitle);
        QCOMPARE(panes.FilterText(), QStringLiteral("Filter on: 0 of 3 movies"));
        QVERIFY(panes.VisiblePaneCount() == 5 && noPaneHidden());
    }
};

QTEST_MAIN(MainFrameTest)
#include "main_frame_test.moc"
