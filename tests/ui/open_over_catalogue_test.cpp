// File > Open over a filled catalogue, in every display mode, with the window shown: smaller,
// larger, truncated and damaged files. The view is made to paint while the load runs, and must
// show the picture it had before; messages come once the catalogue is whole again.
#include <QProgressBar>
#include <QScopeGuard>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "file_names.h"
#include "frame_test_util.h"
#include "main_frame.h"
#include "qt_text.h"
#include "recovery_copy.h"
#include "reelkeep_app.h"
#include "reelkeep_view.h"
#include "silent_ui.h"
#include "status_progress.h"

using namespace reelkeep;
using namespace reelkeep::frametest;

namespace {

// n movies whose record order is not their title order, with actors shared between them.
void WriteCatalogue(const QString& path, int n) {
    CSilentUI ui;
    CReelkeepDoc doc(ui);
    std::vector<RecordValues> records;
    for (int k = 0; k < n; ++k) {
        RecordValues& r = records.emplace_back();
        char title[32];
        std::snprintf(title, sizeof title, "Movie %03d", n - k);
        r[FieldIndex(Field::MovieName)] = title;
        r[FieldIndex(Field::Actor1)] = "Actor " + std::to_string(k % 7) + " of " + title;
        r[FieldIndex(Field::Actor2)] = "Shared " + std::to_string(k % 3);
        r[FieldIndex(Field::TapeNumber)] = std::to_string(k / 2 + 1);
        r[FieldIndex(Field::MovieType)] = k % 2 ? "Drama" : "Comedy";
    }
    test::LoadCatalogue(doc, records);
    QVERIFY(doc.SaveDocument(FromQt(path)));
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray SampleBytes() {
    QFile file(QStringLiteral(REELKEEP_SAMPLE));
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

// Whenever the progress bar appears, paints the view at once and keeps what it drew.
class PaintDuringProgress : public QObject {
public:
    explicit PaintDuringProgress(CReelkeepView& view) : view_(view) {
        qApp->installEventFilter(this);
    }
    ~PaintDuringProgress() override { qApp->removeEventFilter(this); }
    QList<QImage> pictures;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && qobject_cast<QProgressBar*>(watched)) {
            view_.viewport()->repaint();
            pictures << view_.viewport()->grab().toImage();
        }
        return false;
    }

private:
    CReelkeepView& view_;
};

// Every field array at the record count and every listed record in the store.
bool Consistent(const CReelkeepDoc& doc) {
    for (std::size_t f = 0; f < kFieldCount; ++f) {
        if (doc.Catalogue().Column(static_cast<Field>(f)).size() != doc.Catalogue().Count())
            return false;
    }
    for (const std::uint32_t record : doc.Display().Order()) {
        if (record >= doc.Catalogue().Count()) return false;
    }
    for (std::uint32_t row = 0; row < doc.Display().ActorRowCount(); ++row) {
        if (doc.Display().ActorRowRecord(row) >= doc.Catalogue().Count()) return false;
    }
    return true;
}

// The display order a fresh window shows after opening the file.
std::vector<std::uint32_t> FreshOrder(const QString& path) {
    CSilentUI ui;
    CReelkeepDoc doc(ui);
    doc.OnNewDocument();
    doc.OpenDocument(FromQt(path));
    return doc.Display().Order();
}

enum class Outcome { Opened, NewCatalogue, PreviousKept };

struct OpenCase {
    const char* name;
    QString base;  // opened first
    QString file;  // opened over it
    Outcome outcome;
};

}  // namespace

class OpenOverCatalogueTest : public QObject {
    Q_OBJECT

private:
    AppHarness harness_;
    QList<OpenCase> cases_;

    QString Path(const char* name) const { return harness_.Path(QString::fromUtf8(name)); }

    void OpenThroughTheMenu(CMainFrame& frame, const QString& path) {
        harness_.dialogs->openNames = {path};
        frame.ExecuteCommand(CommandId::FileOpen);
    }

    void CheckCase(const OpenCase& c, CommandId mode) {
        CReelkeepApp& app = harness_.StartedApp();
        CMainFrame& frame = app.Frame();
        CReelkeepDoc& doc = app.Doc();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        OpenThroughTheMenu(frame, c.base);
        frame.ExecuteCommand(mode);
        const std::uint32_t baseCount = doc.Catalogue().Count();
        QCoreApplication::processEvents();  // the scroll bars settle after the first paint
        const QImage before = frame.View().viewport()->grab().toImage();

        bool consistentAtMessages = true;
        harness_.dialogs->onMessage = [&] { consistentAtMessages &= Consistent(doc); };
        {
            PaintDuringProgress painter(frame.View());
            OpenThroughTheMenu(frame, c.file);
            QVERIFY(!painter.pictures.isEmpty());
            for (const QImage& picture : painter.pictures) QVERIFY(picture == before);
        }
        QVERIFY(consistentAtMessages);
        QVERIFY(Consistent(doc));

        const QStringList formatError{QStringLiteral("Unexpected file format.")};
        switch (c.outcome) {
            case Outcome::Opened:
                QVERIFY(harness_.dialogs->messages.isEmpty());
                QCOMPARE(doc.Display().Order(), FreshOrder(c.file));
                QCOMPARE(ShownTitle(frame), QFileInfo(c.file).fileName() + " - Reelkeep");
                break;
            case Outcome::NewCatalogue:
                QCOMPARE(harness_.dialogs->messages, formatError);
                QCOMPARE(doc.Catalogue().Count(), 0u);
                QCOMPARE(ShownTitle(frame), QStringLiteral("Untitled - Reelkeep"));
                break;
            case Outcome::PreviousKept:
                QCOMPARE(harness_.dialogs->messages, formatError);
                QCOMPARE(doc.Catalogue().Count(), baseCount);
                QCOMPARE(ShownTitle(frame), QFileInfo(c.base).fileName() + " - Reelkeep");
                break;
        }
        // The check marks tell the order shown, the status bar is back to its four panes, and
        // the entry dialog offers this catalogue's values.
        QCOMPARE(frame.Action(CommandId::SortByTitle)->isChecked(),
                 doc.Display().State().sort == SortMark::Title);
        QVERIFY(!frame.StatusPanes().InProgressLayout());
        QCOMPARE(frame.StatusPanes().VisiblePaneCount(), 4);
        for (std::size_t k = 0; k < kLookupCount; ++k) {
            // The movie types are put in order after the copy, for the label colours.
            std::vector<std::string> offered = doc.Catalogue().EntryLists()[k];
            std::vector<std::string> inUse =
                doc.Catalogue().Lookup(static_cast<LookupKind>(k)).Entries();
            std::sort(offered.begin(), offered.end());
            std::sort(inUse.begin(), inUse.end());
            QCOMPARE(offered, inUse);
        }
    }

private slots:
    void initTestCase() {
        InstallQuietLogHandler();
        const QByteArray sample = SampleBytes();
        QCOMPARE(sample.size() > 3000, true);
        WriteCatalogue(Path("three.smf"), 3);
        WriteCatalogue(Path("six.smf"), 6);
        WriteCatalogue(Path("sixty-one.smf"), 61);
        WriteBytes(Path("sixty.smf"), sample);
        WriteBytes(Path("truncated.smf"), sample.left(3000));
        // A record count the file cannot hold, refused before anything is read.
        QByteArray damaged = sample;
        damaged.replace(4, 4, QByteArray::fromHex("FFFFFF0F"));
        WriteBytes(Path("damaged.smf"), damaged);
        cases_ = {
            {"smaller", Path("sixty-one.smf"), Path("sixty.smf"), Outcome::Opened},
            {"larger", Path("three.smf"), Path("six.smf"), Outcome::Opened},
            {"truncated", Path("sixty.smf"), Path("truncated.smf"), Outcome::NewCatalogue},
            {"damaged", Path("sixty.smf"), Path("damaged.smf"), Outcome::PreviousKept},
        };
    }
    void cleanup() { harness_.app.reset(); }

    void opensOverAFilledCatalogue_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("index");
        const std::pair<const char*, CommandId> modes[] = {
            {"normal", CommandId::DisplayNormalView},
            {"one-line", CommandId::OneLineSorts},
            {"actors", CommandId::SortByActors},
            {"labels", CommandId::DisplayLabelFormat},
        };
        for (const auto& [modeName, id] : modes) {
            for (int i = 0; i < cases_.size(); ++i) {
                QTest::addRow("%s, %s", cases_[i].name, modeName) << static_cast<int>(id) << i;
            }
        }
    }

    void opensOverAFilledCatalogue() {
        QFETCH(int, mode);
        QFETCH(int, index);
        CheckCase(cases_[index], static_cast<CommandId>(mode));
    }

    void saveAsksBeforeReplacingAFileChangedElsewhere() {
        CReelkeepApp& app = harness_.StartedApp();
        WriteCatalogue(Path("shared.smf"), 3);
        OpenThroughTheMenu(app.Frame(), Path("shared.smf"));
        WriteCatalogue(Path("shared.smf"), 6);  // another program's save
        app.Doc().SetModified(true);
        harness_.dialogs->answers = {MessageAnswer::No, MessageAnswer::Yes};
        app.Frame().ExecuteCommand(CommandId::FileSave);
        QVERIFY(app.Doc().IsModified() && FreshOrder(Path("shared.smf")).size() == 6);
        app.Frame().ExecuteCommand(CommandId::FileSave);
        QVERIFY(!app.Doc().IsModified() && FreshOrder(Path("shared.smf")).size() == 3);
        QCOMPARE(harness_.dialogs->messages,
                 QStringList(2, QStringLiteral("The file shared.smf was changed by another program "
                                               "after Reelkeep opened it.\n\nReplace it with "
                                               "this catalogue?")));
    }

    // A run that crashed with one movie of path deleted, then a start that recovers it.
    CMainFrame& RecoverAfterACrash(const QString& path, const QStringList& arguments) {
        harness_.StartedApp().Frame().OpenHandedFile(path);
        DropFirstMovie(harness_.app->Doc());
        harness_.app->Doc().SetModified(true);
        harness_.app->Frame().Recovery().WriteIfModified(true);
        harness_.NewApp();  // the crashed run ends without closing
        harness_.dialogs->recoverAnswers = {true};
        harness_.app->Start(QStringList{QStringLiteral("reelkeep")} + arguments);
        return harness_.app->Frame();
    }

    // Regressions: naming the recovered catalogue's own file (here through a link) asked to
    // save the recovered changes, and No threw them away; a missing file was found missing only
    // after that question. A name that is not UTF-8 comes back whole from the recovery marker.
    void theRecoveredCataloguesOwnFileShowsTheRecoveredChanges() {
        const QString latin1 = PathFromBytes(QFile::encodeName(Path("caf")) + "\xe9");
        std::filesystem::copy_file(FromQt(Path("three.smf")), CorePath(latin1));
        // Qt's own removal of the folder cannot see such a name.
        const auto removeLatin1 = qScopeGuard([&] { std::remove(CorePath(latin1).c_str()); });
        std::filesystem::create_symlink(CorePath(latin1), FromQt(Path("link.smf")));
        CMainFrame& frame = RecoverAfterACrash(latin1, {Path("link.smf")});
        QCOMPARE(harness_.dialogs->messages, QStringList());
        QCOMPARE(ShownTitle(frame), QStringLiteral("caf\ufffd* - Reelkeep"));
        QCOMPARE(harness_.app->Doc().Catalogue().Count(), 2U);
        frame.OpenHandedFile(Path("nowhere.smf"));
        frame.OpenHandedFile(Path("six.smf"));  // another file still asks first
        QCOMPARE(harness_.dialogs->messages.size(), 2);
        QVERIFY(harness_.dialogs->messages[0].contains(QStringLiteral("Cannot find this file")));
        QCOMPARE(harness_.dialogs->messages[1], QStringLiteral("Save changes to caf\ufffd?"));
        QVERIFY(frame.Lifetime().Save());
        QVERIFY(harness_.StoreText().contains(QStringLiteral("caf\\xE9")));  // recent files
    }
};

QTEST_MAIN(OpenOverCatalogueTest)
#include "open_over_catalogue_test.moc"
