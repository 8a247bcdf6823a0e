// File, Import, Comma Separated Values through the window: the file named through the shell,
// the mapping dialog over the file's first lines, the movies added and Undo taking them back.
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include "csv_import_dialog.h"
#include "dialog_test_util.h"
#include "frame_test_util.h"
#include "main_frame.h"
#include "reelkeep_app.h"

using namespace reelkeep;
using namespace reelkeep::frametest;

class CsvImportTest : public QObject {
    Q_OBJECT

private:
    AppHarness harness_;

    // A started window over three movies, with a CSV file named for the next Import.
    CReelkeepApp& AppImporting(const QByteArray& csv) {
        CReelkeepApp& app = harness_.StartedApp();
        FillCatalogue(app.Doc());
        const QString path = harness_.Path(QStringLiteral("movies.csv"));
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(csv);
        file.close();
        harness_.dialogs->importNames.push_back(path);
        return app;
    }

private slots:
    void initTestCase() { InstallQuietLogHandler(); }
    void cleanup() { harness_.app.reset(); }

    void importsWithTheUsersMappingAndUndoTakesItBack() {
        CReelkeepApp& app = AppImporting(
            "Title;Studio;Tape #\r\nZulu;Acme;7\r\nYankee;Best;8\r\nX;\"a;b\";9;z\r\n");
        const QString studio = QString::fromStdString(app.Doc().Display().CustomHeadings()[2]);
        WhenModalShown([studio](QWidget* modal) {
            auto* dialog = qobject_cast<CCsvImportDialog*>(modal);
            QVERIFY(dialog != nullptr);
            QVERIFY(dialog->Summary()->text().contains(QStringLiteral("semicolon")));
            QCOMPARE(dialog->Preview()->rowCount(), 3);  // the choices, then two movies
            QCOMPARE(dialog->Preview()->item(2, 0)->text(), QStringLiteral("Yankee"));
            QCOMPARE(dialog->TargetCombo(0)->currentText(), QStringLiteral("Movie Name"));
            QCOMPARE(dialog->TargetCombo(1)->currentText(), QStringLiteral("(skip)"));
            dialog->TargetCombo(1)->setCurrentIndex(dialog->TargetCombo(1)->findText(studio));
            dialog->OkButton()->click();
        });
        app.Frame().ExecuteCommand(CommandId::ImportCsv);
        CReelkeepDoc& doc = app.Doc();
        QCOMPARE(doc.Catalogue().Count(), 5u);
        QCOMPARE(doc.Catalogue().Value(3, Field::MovieName), std::string("Zulu"));
        QCOMPARE(doc.Catalogue().Value(3, Field::Custom3), std::string("Acme"));
        QCOMPARE(doc.Catalogue().Value(4, Field::TapeNumber), std::string("8"));
        QCOMPARE(harness_.dialogs->messages.back(),
                 QStringLiteral("Movies imported: 2\nLines left out: 1\n"
                                "line 4: left out, too many fields"));
        QVERIFY(app.Frame().Action(CommandId::Undo)->isEnabled());

        app.Frame().ExecuteCommand(CommandId::Undo);
        QCOMPARE(doc.Catalogue().Count(), 3u);
        QCOMPARE(doc.Catalogue().Value(2, Field::MovieName), std::string("Heat"));
    }

    void choosingAFieldSkipsTheColumnThatHadIt() {
        const CsvTable table = ReadCsv("Title,Name,Cast\nA,B,\"C; D\"\n");
        const HeadingTexts headings = {"Director", "Year", "Studio", "Shelf"};
        CCsvImportDialog dialog(table, headings, MapHeadings(table.headings, headings));
        QCOMPARE(dialog.TargetCombo(2)->currentText(), QStringLiteral("Actors (A; B; C)"));
        dialog.TargetCombo(1)->setCurrentIndex(
            dialog.TargetCombo(1)->findText(QStringLiteral("Movie Name")));
        QCOMPARE(dialog.TargetCombo(0)->currentText(), QStringLiteral("(skip)"));
        QCOMPARE(dialog.Mapping(),
                 (ColumnMapping{ColumnTarget::Skip(), ColumnTarget::To(Field::MovieName),
                                ColumnTarget::Actors()}));
        QCOMPARE(dialog.TargetCombo(0)->findText(QStringLiteral("Shelf")), 15);
        for (std::size_t column : {1, 2}) dialog.TargetCombo(column)->setCurrentIndex(0);
        QVERIFY(!dialog.OkButton()->isEnabled());
    }
};

QTEST_MAIN(CsvImportTest)
#include "csv_import_test.moc"
