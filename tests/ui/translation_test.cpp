// With the German translation loaded, the program's own texts, the core's messages with their
// values filled in, numbers and Qt's standard buttons all come out German.

#include <QCoreApplication>
#include <QLocale>
#include <QtTest>
#include <cerrno>

#include "dialog_strings.h"
#include "file_errors.h"
#include "import_report.h"
#include "qt_text.h"
#include "qt_ui.h"
#include "record_strings.h"
#include "translations.h"

using namespace reelkeep;

class TranslationTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        LoadTranslations(*QCoreApplication::instance());
    }

    void programTextsComeOutGerman() {
        QCOMPARE(Translated("Commands", "&File"), QStringLiteral("&Datei"));
        QCOMPARE(Translated("Commands", "&Open...\tCtrl+O"), QStringLiteral("Ö&ffnen...\tCtrl+O"));
        QCOMPARE(dlg::Tr(dlg::kCancel), QStringLiteral("&Abbrechen"));
        QCOMPARE(recordtext::Tr(recordtext::kColumnTitles[0]), QStringLiteral(" Filmtitel"));
        QCOMPARE(recordtext::FieldCaption(Field::TapeNumber), QStringLiteral("Band-Nr."));
        // Catalogue data that happens to read like a program text stays as it is elsewhere.
        QCOMPARE(Translated("Commands", "Drama"), QStringLiteral("Drama"));
    }

    void qtsOwnButtonsComeOutGerman() {
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"),
                 QStringLiteral("Abbrechen"));
    }

    void coreMessagesAreTranslatedBeforeTheirValuesGoIn() {
        const CQtTextLanguage german;
        QCOMPARE(QString::fromStdString(FileErrorText(FileOperation::Read, EACCES, "%1", german)),
                 QStringLiteral("%1 kann nicht gelesen werden, da die Datei von jemand anderem "
                                "geöffnet ist."));
        ImportReport report;
        report.imported = 1234;
        report.problems.push_back({2000, ImportProblemKind::TooFewFields, 3});
        QCOMPARE(QString::fromStdString(ReportText(report, 1, german)),
                 QStringLiteral("Importierte Filme: 1.234\nAusgelassene Zeilen: 1\n"
                                "Zeile 2.000: ausgelassen, zu wenige Felder (Spalte 3)"));
    }
};

QTEST_MAIN(TranslationTest)
#include "translation_test.moc"
