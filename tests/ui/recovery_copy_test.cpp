// The recovery copy of unsaved changes: when it is written and removed, the start-up offer after
// a crash (a real SIGKILL of a child run), and the end of the desktop session.
#include "recovery_copy.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>
#include <cstdio>

#include "app_strings.h"
#include "byte_io.h"
#include "command_ids.h"
#include "frame_test_util.h"
#include "main_frame.h"
#include "qt_text.h"
#include "reelkeep_app.h"
#include "reelkeep_doc.h"
#include "silent_ui.h"

using namespace reelkeep;
using namespace reelkeep::frametest;

namespace {

constexpr char kChildVariable[] = "REELKEEP_RECOVERY_TEST_CHILD";

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

unsigned Mode(const QString& path) {
    struct stat st {};
    return ::stat(FromQt(path).c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

void Touch(const QString& path) { QFile(path).open(QIODevice::WriteOnly); }

QString ExpectedOffer(const QString& name, const QString& copyPath) {
    const QString when =
        QLocale().toString(QFileInfo(copyPath).lastModified(), QLocale::ShortFormat);
    return QString::fromUtf8(appstr::kRecoverPrompt).arg(name, when);
}

// The child of the crash test: a catalogue with unsaved changes, fifty commands so the copy is
// written the way a user's run writes it, then a wait to be killed.
int RunChildUntilKilled() {
    AppHarness harness;
    CReelkeepApp& app = harness.StartedApp();
    FillCatalogue(app.Doc());
    for (int i = 0; i < CRecoveryCopy::kCommandsPerCopy; ++i) {
        app.Frame().ExecuteCommand(CommandId::ViewToolbar);
    }
    app.Frame().Recovery().Finish();
    std::puts("written");
    std::fflush(stdout);
    return QApplication::exec();
}

}  // namespace

class RecoveryCopyTest : public QObject {
    Q_OBJECT

private:
    AppHarness harness_;

    static QString Folder() { return CRecoveryCopy::DefaultFolder(); }

    // Ends the run the way a crash does: no close, so nothing is cleaned up.
    void Crash(CReelkeepApp& app) {
        app.Frame().Recovery().WriteIfModified(true);
        harness_.app.reset();
    }

private slots:
    void initTestCase() { InstallQuietLogHandler(); }

    void init() { QDir(Folder()).removeRecursively(); }
    void cleanup() { harness_.app.reset(); }

    void copyLeavesTheUserFileAndTheModifiedFlagAlone() {
        CSilentUI ui;
        CReelkeepDoc doc(ui);
        FillCatalogue(doc);
        const QString userFile = harness_.Path(QStringLiteral("mine.smf"));
        QVERIFY(doc.SaveDocument(FromQt(userFile)));
        const QByteArray saved = ReadAll(userFile);
        DropFirstMovie(doc);
        doc.SetModified(true);

        CRecoveryCopy copy(doc, Folder());
        copy.SetOriginalPath(userFile);
        copy.WriteIfModified(true);

        QCOMPARE(ReadAll(userFile), saved);
        QVERIFY(doc.IsModified());
        const auto found = copy.Leftover();
        QVERIFY(found.has_value());
        QCOMPARE(found->originalPath, userFile);
        CStringSink expected;
        doc.WriteDocument(expected);
        QCOMPARE(ReadAll(found->copyPath), QByteArray::fromStdString(expected.bytes));

        copy.Remove();
        QVERIFY(!copy.Leftover().has_value());
        QVERIFY(!QFile::exists(copy.CopyPath()));
    }

    // The copy is written beside the window, which goes on changing the catalogue meanwhile:
    // it must hold the catalogue as it was when the copy began, and the writer must be
    // collected without anyone waiting for it.
    void theCopyIsTheCatalogueAsItWasWhenItBegan() {
        CSilentUI ui;
        CReelkeepDoc doc(ui);
        FillCatalogue(doc);
        doc.SetModified(true);
        CStringSink before;
        doc.WriteDocument(before);

        CRecoveryCopy copy(doc, Folder());
        copy.WriteIfModified();
        DropFirstMovie(doc);
        QVERIFY(QTest::qWaitFor([&copy] { return copy.Leftover().has_value(); }));
        QTRY_VERIFY(!copy.IsWriting());

        QCOMPARE(ReadAll(copy.CopyPath()), QByteArray::fromStdString(before.bytes));
    }

    void onlyModifiedCataloguesAreCopiedEveryFiftiethCommand() {
        CSilentUI ui;
        CReelkeepDoc doc(ui);
        FillCatalogue(doc);
        doc.SetModified(false);
        CRecoveryCopy copy(doc, Folder());
        copy.WriteIfModified(true);
        QVERIFY(!QFile::exists(copy.CopyPath()));

        doc.SetModified(true);
        for (int i = 1; i < CRecoveryCopy::kCommandsPerCopy; ++i) copy.NoteCommand();
        copy.Finish();
        QVERIFY(!QFile::exists(copy.CopyPath()));
        copy.NoteCommand();
        copy.Finish();
        QVERIFY(copy.Leftover().has_value());
        // Unchanged since: no copy again, though still modified.
        QVERIFY(QFile::remove(copy.CopyPath()));
        copy.WriteIfModified(true);
        QVERIFY(!QFile::exists(copy.CopyPath()));
    }

    void folderAndFilesAreTheUsersAloneAndStrayTemporariesGo() {
        QVERIFY(QDir().mkpath(Folder()));
        QCOMPARE(::chmod(FromQt(Folder()).c_str(), 0755), 0);
        Touch(Folder() + "/recovery.smf.tmp99-0");
        Touch(Folder() + "/recovery.origin.tmp99-1");
        CSilentUI ui;
        CReelkeepDoc doc(ui);
        FillCatalogue(doc);
        CRecoveryCopy copy(doc, Folder());
        QCOMPARE(QDir(Folder()).entryList(QDir::Files), QStringList{"recovery.lock"});
        QCOMPARE(Mode(Folder()), 0700U);
        copy.WriteIfModified(true);
        QCOMPARE(Mode(copy.CopyPath()), 0600U);
    }

    // A writer stuck on a hung disk holds none of the window's descriptors (a pipe's end shows
    // only once no process holds its write end), and neither a copy due, nor the removal, nor
    // the end of the run waits for it.
    void aStuckWriterNeverHoldsTheWindow() {
        int pipeEnds[2];
        QCOMPARE(::pipe2(pipeEnds, O_NONBLOCK), 0);
        CSilentUI ui;
        CReelkeepDoc doc(ui);
        FillCatalogue(doc);
        CRecoveryCopy copy(doc, Folder());
        const QString started = harness_.Path(QStringLiteral("started"));
        copy.SetWriterHookForTesting([path = FromQt(started)] {
            if (FILE* file = std::fopen(path.c_str(), "a")) {
                std::fputc('x', file);
                std::fclose(file);
            }
            ::pause();
        });
        copy.WriteIfModified();
        QTRY_VERIFY(QFile::exists(started));
        ::close(pipeEnds[1]);
        char byte = 0;
        QCOMPARE(::read(pipeEnds[0], &byte, 1), ssize_t(0));
        ::close(pipeEnds[0]);
        const auto start = std::chrono::steady_clock::now();
        doc.SetModified(true);
        copy.WriteIfModified();
        QTest::qWait(200);
        QCOMPARE(ReadAll(started), QByteArray("x"));
        copy.Remove();
        QVERIFY(std::chrono::steady_clock::now() - start < std::chrono::seconds(2));
        QVERIFY(!copy.IsWriting());
        QCOMPARE(QDir(Folder()).entryList(QDir::Files), QStringList{"recovery.lock"});
        copy.WriteIfModified();
        copy.Finish(std::chrono::milliseconds(100));
        QVERIFY(!copy.IsWriting());
    }

    void aSecondRunLeavesTheFirstOnesCopyAlone() {
        CSilentUI ui;
        CReelkeepDoc doc(ui);
        FillCatalogue(doc);
        CRecoveryCopy first(doc, Folder());
        first.WriteIfModified(true);
        CRecoveryCopy second(doc, Folder());
        QVERIFY(first.IsActive());
        QVERIFY(!second.IsActive());
        QVERIFY(!second.Leftover().has_value());
        second.Remove();
        QVERIFY(first.Leftover().has_value());
    }

    void noCopyOfADocumentHalfwayThroughAChange() {
        CReelkeepApp& app = harness_.StartedApp();
        FillCatalogue(app.Doc());
        CRecoveryCopy& copy = app.Frame().Recovery();
        app.Frame().BeginDocumentChange();
        copy.WriteIfModified(true);
        QVERIFY(!QFile::exists(copy.CopyPath()));
        app.Frame().EndDocumentChange();
        copy.WriteIfModified(true);
        QVERIFY(QFile::exists(copy.CopyPath()));
    }

    void recoveredChangesGoBackToTheirOwnFile() {
        CReelkeepApp& app = harness_.StartedApp();
        const QString userFile = harness_.Path(QStringLiteral("tapes.smf"));
        FillCatalogue(app.Doc());
        harness_.dialogs->saveNames = {userFile};
        QVERIFY(app.Frame().Lifetime().Save());
        const QByteArray saved = ReadAll(userFile);
        DropFirstMovie(app.Doc());
        app.Doc().SetModified(true);
        Crash(app);
        QCOMPARE(ReadAll(userFile), saved);

        harness_.NewApp();
        harness_.dialogs->recoverAnswers = {true};
        QVERIFY(harness_.app->Start({QStringLiteral("reelkeep")}));
        CReelkeepApp& again = *harness_.app;
        QVERIFY(harness_.dialogs->recoverQuestions.front().contains(QStringLiteral("tapes.smf")));
        QCOMPARE(again.Frame().Lifetime().Path(), userFile);
        QCOMPARE(ShownTitle(again.Frame()), QStringLiteral("tapes.smf* - Reelkeep"));
        QVERIFY(again.Doc().IsModified());
        QCOMPARE(again.Doc().Catalogue().Count(), 2U);

        QVERIFY(again.Frame().Lifetime().Save());
        QVERIFY(harness_.dialogs->saveNames.empty());
        CSilentUI ui;
        CReelkeepDoc reread(ui);
        QVERIFY(reread.OpenDocument(FromQt(userFile)));
        QCOMPARE(reread.Catalogue().Count(), 2U);
        QVERIFY(!again.Frame().Recovery().Leftover().has_value());
    }

    void discardRemovesTheCopy() {
        CReelkeepApp& app = harness_.StartedApp();
        FillCatalogue(app.Doc());
        Crash(app);
        CReelkeepApp& again = harness_.StartedApp();
        QCOMPARE(harness_.dialogs->recoverQuestions.size(), qsizetype(1));
        QCOMPARE(again.Doc().Catalogue().Count(), 0U);
        QVERIFY(!again.Doc().IsModified());
        QVERIFY(!QFile::exists(again.Frame().Recovery().CopyPath()));
    }

    // A print run leaves a crashed run's copy alone; a file asked for at the next start opens
    // after the recovered changes had their save question.
    void theCopyOutlivesAPrintRunAndTheFileAskedForStillOpens() {
        CReelkeepApp& app = harness_.StartedApp();
        FillCatalogue(app.Doc());
        const QString copyPath = app.Frame().Recovery().CopyPath();
        Crash(app);
        const QByteArray copy = ReadAll(copyPath);

        harness_.NewApp().Start(
            {QStringLiteral("reelkeep"), QStringLiteral("-p"), QStringLiteral(REELKEEP_SAMPLE)});
        QCOMPARE(ReadAll(copyPath), copy);
        QVERIFY(harness_.dialogs->recoverQuestions.isEmpty());

        harness_.NewApp();
        harness_.dialogs->recoverAnswers = {true};
        harness_.dialogs->answers = {MessageAnswer::No};
        QVERIFY(harness_.app->Start({QStringLiteral("reelkeep"), QStringLiteral(REELKEEP_SAMPLE)}));
        QCOMPARE(harness_.dialogs->messages,
                 QStringList{QStringLiteral("Save changes to Untitled?")});
        QVERIFY(FinishLoading(harness_.app->Frame()));
        QCOMPARE(ShownTitle(harness_.app->Frame()), QStringLiteral("sample.smf - Reelkeep"));
    }

    void normalExitAndDiscardedNewRemoveTheCopy() {
        CReelkeepApp& app = harness_.StartedApp();
        FillCatalogue(app.Doc());
        CRecoveryCopy& copy = app.Frame().Recovery();
        copy.WriteIfModified(true);
        harness_.dialogs->answers = {MessageAnswer::No};
        app.Frame().ExecuteCommand(CommandId::FileNew);
        QVERIFY(!QFile::exists(copy.CopyPath()));

        FillCatalogue(app.Doc());
        copy.WriteIfModified(true);
        harness_.dialogs->answers = {MessageAnswer::Cancel};
        QVERIFY(!app.Frame().close());
        QVERIFY(QFile::exists(copy.CopyPath()));
        harness_.dialogs->answers = {MessageAnswer::No};
        QVERIFY(app.Frame().close());
        QVERIFY(!QFile::exists(copy.CopyPath()));
    }

    void endOfSessionAsksAsClosingDoes() {
        CReelkeepApp& app = harness_.StartedApp();
        CMainFrame& frame = app.Frame();
        QVERIFY(frame.CommitSessionData(true));
        QVERIFY(harness_.dialogs->messages.isEmpty());

        FillCatalogue(app.Doc());
        harness_.dialogs->answers = {MessageAnswer::Cancel};
        QVERIFY(!frame.CommitSessionData(true));
        QCOMPARE(harness_.dialogs->messages,
                 QStringList{QStringLiteral("Save changes to Untitled?")});

        // No one to ask: the changes wait in the recovery copy instead.
        QVERIFY(frame.CommitSessionData(false));
        QCOMPARE(harness_.dialogs->messages.size(), qsizetype(1));
        QVERIFY(app.Doc().IsModified());
        QVERIFY(frame.Recovery().Leftover().has_value());

        harness_.dialogs->answers = {MessageAnswer::No};
        QVERIFY(frame.CommitSessionData(true));
        QVERIFY(!frame.Recovery().Leftover().has_value());
    }

    // A column moved in a saved catalogue, then a crash before any copy: the journal brings it
    // back byte for byte. Once another program has rewritten the file, the same journal is
    // refused with a message rather than applied to what is there now.
    void theJournalRecoversChangesAndRefusesAChangedFile() {
        const QString userFile = harness_.Path(QStringLiteral("tapes.smf"));
        QByteArray held;
        for (const bool fileChanged : {false, true}) {
            CReelkeepApp& app = harness_.StartedApp();
            FillCatalogue(app.Doc());
            harness_.dialogs->saveNames = {userFile};
            QVERIFY(app.Frame().Lifetime().SaveAs());
            app.Frame().ExecuteCommand(CommandId::OneLineSorts);
            app.Doc().MoveShownListBoundary(1, 321);
            app.Frame().Recovery().FollowDocument();
            CStringSink bytes;
            app.Doc().WriteDocument(bytes);
            held = QByteArray::fromStdString(bytes.bytes);
            const QString copyPath = app.Frame().Recovery().CopyPath();
            harness_.app.reset();
            QVERIFY(!QFile::exists(copyPath));
            if (fileChanged)
                QVERIFY(QFile::remove(userFile) && QFile::copy(REELKEEP_SAMPLE, userFile));

            harness_.NewApp();
            harness_.dialogs->recoverAnswers = {true};
            QVERIFY(harness_.app->Start({QStringLiteral("reelkeep")}));
            QCOMPARE(harness_.dialogs->recoverQuestions.size(), qsizetype(fileChanged ? 0 : 1));
            if (fileChanged) {
                QCOMPARE(harness_.dialogs->messages,
                         QStringList{QString::fromUtf8(appstr::kJournalOtherCatalogue)
                                         .arg(QStringLiteral("tapes.smf"))});
                QVERIFY(!harness_.app->Doc().IsModified());
                continue;
            }
            CStringSink recovered;
            harness_.app->Doc().WriteDocument(recovered);
            QCOMPARE(QByteArray::fromStdString(recovered.bytes), held);
            QVERIFY(harness_.app->Doc().IsModified());
            harness_.dialogs->answers = {MessageAnswer::No};
            QVERIFY(harness_.app->Frame().close());
        }
    }

    // A run killed with SIGKILL after its fiftieth command: the next start offers its changes.
    void changesOutliveAKilledRun() {
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QString::fromUtf8(kChildVariable), QStringLiteral("1"));
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(child.waitForStarted());
        QByteArray output;
        QTRY_VERIFY_WITH_TIMEOUT((output += child.readAllStandardOutput()).contains("written") ||
                                     child.state() == QProcess::NotRunning,
                                 20000);
        QCOMPARE(child.state(), QProcess::Running);
        child.kill();
        QVERIFY(child.waitForFinished());

        const QString copyPath = QDir(Folder()).filePath(QStringLiteral("recovery.smf"));
        const QString offer = ExpectedOffer(QStringLiteral("Untitled"), copyPath);
        harness_.NewApp();
        harness_.dialogs->recoverAnswers = {true};
        QVERIFY(harness_.app->Start({QStringLiteral("reelkeep")}));
        CReelkeepApp& again = *harness_.app;
        QCOMPARE(harness_.dialogs->recoverQuestions, QStringList{offer});
        QCOMPARE(again.Doc().Catalogue().Count(), 3U);
        QVERIFY(again.Doc().IsModified());
        QVERIFY(again.Frame().Lifetime().Path().isEmpty());
        // Kept until saved: a second crash must not lose the changes.
        QVERIFY(QFile::exists(copyPath));
    }
};

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (qEnvironmentVariableIsSet(kChildVariable)) return RunChildUntilKilled();
    RecoveryCopyTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "recovery_copy_test.moc"
