// The window's command line, read before Qt is there: Qt's own options (a session restart passes
// -session) must not count as wrong usage, and every mistake names its argument. The statuses
// and texts on the terminal are checked end to end in cli_manners.
#include "command_line.h"

#include <QtTest>

#include "file_names.h"

using namespace reelkeep;

namespace {

CommandLine Parse(const QStringList& arguments) {
    return ParseCommandLine(QStringList{QStringLiteral("reelkeep")} + arguments);
}

}  // namespace

class CommandLineTest : public QObject {
    Q_OBJECT

private slots:
    void readsTheFileAndThePrintSwitch_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("printFile");
        QTest::newRow("none") << QStringList{} << QString() << QString();
        QTest::newRow("file") << QStringList{"a.smf"} << "a.smf" << QString();
        QTest::newRow("-p") << QStringList{"-p", "a.smf"} << QString() << "a.smf";
        QTest::newRow("--print=") << QStringList{"--print=a.smf"} << QString() << "a.smf";
        QTest::newRow("after --") << QStringList{"--", "-odd.smf"} << "-odd.smf" << QString();
        QTest::newRow("Qt's options")
            << QStringList{"-session", "id",       "-style=fusion", "--platform",
                           "xcb",      "-reverse", "a.smf"}
            << "a.smf" << QString();
    }
    void readsTheFileAndThePrintSwitch() {
        QFETCH(QStringList, arguments);
        const CommandLine line = Parse(arguments);
        QCOMPARE(line.error, QString());
        QTEST(line.file, "file");
        QTEST(line.printFile, "printFile");
    }

    void namesTheArgumentAtFault_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("error");
        QTest::newRow("unknown") << QStringList{"--bogus", "a.smf"} << "unknown option '--bogus'";
        QTest::newRow("two files")
            << QStringList{"a.smf", "b.smf"} << "unexpected argument 'b.smf'";
        QTest::newRow("print and a file")
            << QStringList{"-p", "a.smf", "b.smf"} << "unexpected argument 'b.smf'";
        QTest::newRow("print empty") << QStringList{"--print="} << "option '--print=' needs a FILE";
    }
    void namesTheArgumentAtFault() {
        QFETCH(QStringList, arguments);
        QTEST(Parse(arguments).error, "error");
    }

    // Names from old disks are not UTF-8: each byte must survive argv to the file and back,
    // and valid UTF-8 must read as before.
    void fileNamesKeepTheirBytes() {
        // Latin-1, overlong, a surrogate, cut short, past Unicode, and UTF-8 with 4 bytes.
        for (const char* name : {"/old/caf\xe9", "\xc0\xaf", "\xed\xa0\x80", "cut \xe2\x82",
                                 "\xf4\x90\x80\x80", "\xf0\x9f\x8e\xac"}) {
            const char* argv[] = {"reelkeep", name};
            const QString file = ParseCommandLine(ArgumentList(2, argv)).file;
            QCOMPARE(PathBytes(AbsolutePath(file)).endsWith(name), true);
            QCOMPARE(DisplayPath(file), QString::fromUtf8(name));
        }
        QCOMPARE(DisplayFileName(PathFromBytes("/old/caf\xe9")), QStringLiteral("caf\ufffd"));
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "command_line_test.moc"
