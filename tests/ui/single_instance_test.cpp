// One running window: the real program, started again, hands its file to the window running in
// this test and ends; the window opens it as File Open would, only when no dialog is open.
// Malformed requests, a dead socket and a running Reelkeep that never answers are handled too.
#include "single_instance.h"

#include <QDialog>
#include <QLocalSocket>
#include <QMessageBox>
#include <QProcess>
#include <QSignalSpy>
#include <QtEndian>
#include <QtTest>

#include "app_strings.h"
#include "frame_test_util.h"
#include "main_frame.h"
#include "reelkeep_app.h"
#include "reelkeep_doc.h"

using namespace reelkeep;
using namespace reelkeep::frametest;

namespace {

const QString kSample = QStringLiteral(REELKEEP_SAMPLE);

struct Run {
    int status = -1;
    QByteArray errors;
};

QByteArray Request(quint32 length, const QByteArray& body) {
    QByteArray header(4, '\0');
    qToBigEndian(length, header.data());
    return header + body;
}

}  // namespace

class SingleInstanceTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir runtime_;
    AppHarness harness_;
    std::unique_ptr<CInstanceServer> server_;
    QString name_;

    // The second start: the real program, in this test's environment, so it finds our socket.
    // The event loop runs meanwhile, for the window to answer.
    static Run StartAgain(const QStringList& arguments, const QString& folder = QString()) {
        QProcess process;
        process.setWorkingDirectory(folder);
        QSignalSpy finished(&process, &QProcess::finished);
        process.start(QStringLiteral(REELKEEP_BINARY), arguments);
        if (!finished.wait(30000)) process.kill();
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                process.readAllStandardError()};
    }

    CMainFrame& Frame() { return harness_.app->Frame(); }
    CReelkeepDoc& Doc() { return harness_.app->Doc(); }
    QString Title() { return ShownTitle(Frame()); }

private slots:
    void initTestCase() {
        InstallQuietLogHandler();
        // main() names the application before it asks for the socket; so must the test.
        QApplication::setOrganizationName(QString::fromUtf8(appstr::kOrganisation));
        QApplication::setApplicationName(QString::fromUtf8(appstr::kAppTitle));
        QVERIFY(runtime_.isValid());
        QFile::setPermissions(runtime_.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", runtime_.path().toUtf8());
        name_ = InstanceServerName();
        QVERIFY(name_.startsWith(runtime_.path()));
    }

    void init() {
        harness_.StartedApp();
        server_ = std::make_unique<CInstanceServer>();
        QCOMPARE(ClaimOrHandOver(*server_, name_, QString()), InstanceClaim::Serving);
        Frame().ServeHandOvers(*server_);
    }

    void cleanup() {
        server_.reset();
        harness_.app.reset();
    }

    void aSecondStartHandsItsFileToTheRunningWindow() {
        // A name relative to the second start's folder reaches the window whole.
        const QFileInfo sample(kSample);
        const Run run = StartAgain({sample.fileName()}, sample.absolutePath());
        QCOMPARE(run.status, 0);
        QCOMPARE(run.errors, QByteArray());
        QTRY_COMPARE(Title(), QStringLiteral("sample.smf - Reelkeep"));
        QCOMPARE(Doc().Catalogue().Count(), 60U);
        QVERIFY(harness_.dialogs->messages.isEmpty());
    }

    void theSaveQuestionComesFirstAndCancelKeepsTheCatalogue() {
        FillCatalogue(Doc());
        harness_.dialogs->answers = {MessageAnswer::Cancel};
        QCOMPARE(StartAgain({kSample}).status, 0);
        QTRY_COMPARE(harness_.dialogs->messages,
                     QStringList{QStringLiteral("Save changes to Untitled?")});
        QCOMPARE(Doc().Catalogue().Count(), 3U);
        QVERIFY(Doc().IsModified());
        QCOMPARE(Title(), QStringLiteral("Untitled* - Reelkeep"));

        harness_.dialogs->answers = {MessageAnswer::No};
        QCOMPARE(StartAgain({kSample}).status, 0);
        QTRY_COMPARE(Title(), QStringLiteral("sample.smf - Reelkeep"));
        QCOMPARE(harness_.dialogs->messages.size(), 2);
    }

    void aRealQuestionOutlivesTheRequestsSocket() {
        // A real box runs a nested event loop, in which the second start's socket closes and is
        // deleted; the request must no longer be read from it when the box returns.
        bool asked = false;
        connect(server_.get(), &CInstanceServer::requested, this, [&asked] {
            QMessageBox box(QMessageBox::Warning, QString(), QStringLiteral("Save changes?"),
                            QMessageBox::Yes | QMessageBox::No);
            QTimer::singleShot(1500, &box, [&box] { box.done(QMessageBox::No); });
            box.exec();
            asked = true;
        });
        QCOMPARE(StartAgain({kSample}).status, 0);
        QTRY_VERIFY(asked);
        QCOMPARE(Title(), QStringLiteral("sample.smf - Reelkeep"));
    }

    void aFileThatCannotBeOpenedIsReportedByTheWindow() {
        QCOMPARE(StartAgain({harness_.Path(QStringLiteral("nowhere.smf"))}).status, 0);
        QTRY_COMPARE(harness_.dialogs->messages.size(), 1);
        QVERIFY(
            harness_.dialogs->messages.front().contains(QStringLiteral("Cannot find this file")));
        QCOMPARE(Title(), QStringLiteral("Untitled - Reelkeep"));
    }

    void aStartWithoutAFileBringsTheWindowForward() {
        Frame().showMinimized();
        QSignalSpy requests(server_.get(), &CInstanceServer::requested);
        QCOMPARE(StartAgain({}).status, 0);
        QTRY_COMPARE(requests.count(), 1);
        QCOMPARE(requests.front().front().toString(), QString());
        QVERIFY(!Frame().windowState().testFlag(Qt::WindowMinimized));
        QCOMPARE(Title(), QStringLiteral("Untitled - Reelkeep"));
    }

    void aFileWaitsWhileADialogIsOpen() {
        QDialog dialog(&Frame());
        dialog.setModal(true);
        dialog.show();
        QSignalSpy knocks(server_.get(), &CInstanceServer::knocked);
        QCOMPARE(StartAgain({kSample}).status, 0);
        QCOMPARE(knocks.count(), 1);
        QTest::qWait(600);
        QCOMPARE(Title(), QStringLiteral("Untitled - Reelkeep"));
        dialog.close();
        QTRY_COMPARE(Title(), QStringLiteral("sample.smf - Reelkeep"));
    }

    void malformedRequestsAreIgnored() {
        QSignalSpy knocks(server_.get(), &CInstanceServer::knocked);
        const QByteArray path = kSample.toUtf8();
        const QList<QByteArray> bad = {
            Request(0xFFFFFFFFU, "x"),                                  // oversized
            Request(static_cast<quint32>(path.size()), path + "tail"),  // more than it said
            Request(4, "\xff\xfe\xfd\xfc"),                             // relative
            Request(10, "sample.smf"),                                  // relative
            Request(5, QByteArray("/a\0bc", 5)),                        // a NUL inside
            QByteArray("\0\0", 2),                                      // cut short
        };
        for (const QByteArray& bytes : bad) {
            QLocalSocket client;
            client.connectToServer(name_);
            QVERIFY(client.waitForConnected(1000));
            client.write(bytes);
            client.flush();
            if (bytes.size() < 4) client.disconnectFromServer();
            QTRY_COMPARE(client.state(), QLocalSocket::UnconnectedState);
            QCOMPARE(client.bytesAvailable(), 0);
        }
        QCOMPARE(knocks.count(), 0);
        // The window still takes a good request.
        QCOMPARE(StartAgain({kSample}).status, 0);
        QTRY_COMPARE(Title(), QStringLiteral("sample.smf - Reelkeep"));
    }

    void theSwitchToPrintGoesNowhereNear() {
        QSignalSpy knocks(server_.get(), &CInstanceServer::knocked);
        // A file it cannot read is said on one line, printer or not, and the run ends.
        const QString missing = harness_.Path(QStringLiteral("x.smf"));
        const Run run = StartAgain({QStringLiteral("-p"), missing});
        QCOMPARE(run.status, 1);
        QCOMPARE(run.errors, "reelkeep: cannot print " + missing.toUtf8() +
                                 ": Cannot find this file. Please verify that the correct path "
                                 "and file name are given.\n");
        QCOMPARE(knocks.count(), 0);
    }

    void aDeadSocketIsTakenOverAndASilentOneIsNotWaitedForever() {
        server_.reset();
        // What a killed run leaves: the socket's file, with nobody behind it.
        QFile left(name_);
        QVERIFY(left.open(QIODevice::WriteOnly));
        left.close();
        CInstanceServer again;
        QCOMPARE(ClaimOrHandOver(again, name_, QString()), InstanceClaim::Serving);

        const QString silentName = runtime_.filePath(QStringLiteral("silent"));
        QLocalServer silent;
        QVERIFY(silent.listen(silentName));
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(HandToRunningInstance(silentName, kSample, 300), HandOver::NoAnswer);
        QVERIFY(clock.elapsed() < 5000);
        CInstanceServer unused;
        QCOMPARE(ClaimOrHandOver(unused, silentName, kSample, 300), InstanceClaim::NoAnswer);
        QCOMPARE(HandToRunningInstance(runtime_.filePath(QStringLiteral("none")), kSample, 300),
                 HandOver::NoInstance);
    }
};

QTEST_MAIN(SingleInstanceTest)
#include "single_instance_test.moc"
