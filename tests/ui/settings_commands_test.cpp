// The settings commands through the real window and dialogs: the Options sheet with its OK and
// Cancel, the screen and label fonts, the screen colours and the label colours.
#include <QAbstractButton>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

#include "catalogue_builder.h"
#include "dialog_test_util.h"
#include "dialogs.h"
#include "frame_test_util.h"
#include "help_contexts.h"
#include "main_frame.h"
#include "qt_text.h"
#include "reelkeep_view.h"
#include "user_settings.h"

using namespace reelkeep;
using namespace reelkeep::frametest;

namespace {

const QString kNoColorPrinter =
    QStringLiteral("Color Printer not detected.  Printer color set to black only.");

// The button, check box or radio button with this text; the first when there are several.
QAbstractButton* Button(const QWidget* parent, const QString& text) {
    for (QAbstractButton* button : parent->findChildren<QAbstractButton*>()) {
        if (QString(button->text()).remove(u'&') == text) return button;
    }
    qWarning("no button \"%s\"", qPrintable(text));
    return nullptr;
}

// Page k of the Options sheet, by its tab.
QWidget* Page(const QWidget* sheet, int k) { return sheet->findChild<QTabWidget*>()->widget(k); }

void SelectLine(QWidget* dialog, const QString& text) {
    auto* list = dialog->findChild<QListWidget*>();
    list->findItems(text, Qt::MatchExactly).front()->setSelected(true);
}

// Movies with these titles and movie types, loaded and sorted by title.
void Catalogue(CReelkeepDoc& doc, const std::vector<std::pair<const char*, const char*>>& movies) {
    std::vector<RecordValues> records;
    for (const auto& [title, type] : movies) {
        RecordValues& values = records.emplace_back();
        values[FieldIndex(Field::MovieName)] = title;
        values[FieldIndex(Field::MovieType)] = type;
    }
    test::LoadCatalogue(doc, records);
}

std::vector<std::string> ShownTitles(const CReelkeepDoc& doc) {
    std::vector<std::string> titles;
    for (const std::uint32_t record : doc.Display().Order()) {
        titles.push_back(doc.Catalogue().Value(record, Field::MovieName));
    }
    return titles;
}

}  // namespace

class SettingsCommandsTest : public QObject {
    Q_OBJECT

private:
    AppHarness harness_;
    ScriptedDialogs*& dialogs_ = harness_.dialogs;

    // Runs Options with act working on the sheet; act leaves it open to cancel it.
    void RunOptions(CReelkeepApp& app, std::function<void(QWidget*)> act) {
        WhenModalShown(std::move(act));
        app.Frame().ExecuteCommand(CommandId::Options);
    }

private slots:
    void initTestCase() { InstallQuietLogHandler(); }
    void cleanup() { harness_.app.reset(); }

    void optionsRoundTripThroughTheStore() {
        CReelkeepApp& app = harness_.StartedApp();
        RunOptions(app, [this](QWidget* sheet) {
            Button(Page(sheet, 0), QStringLiteral("Display Page Number"))->click();
            Button(Page(sheet, 0), QStringLiteral("Treat the Tape # as Text"))->click();
            Button(Page(sheet, 1), QStringLiteral("No Graphics"))->click();
            Button(Page(sheet, 1), QStringLiteral("Display Custom 2"))->click();
            Button(Page(sheet, 1), QStringLiteral("Print 1 Record per Page"))->click();
            Button(Page(sheet, 2), QStringLiteral("Grid On"))->click();
            Button(Page(sheet, 2), QStringLiteral("Print a Page Break after each Name Change"))
                ->click();
            Button(Page(sheet, 3), QStringLiteral("Print a Page Break after each Letter of the "
                                                  "Alphabet"))
                ->click();
            // Help opens the topic of the page shown.
            sheet->findChild<QTabWidget*>()->setCurrentIndex(1);
            Button(sheet, QStringLiteral("Help"))->click();
            QCOMPARE(dialogs_->helpTopics, std::vector<int>{help::kOptionsNormalView});
            Button(sheet, QStringLiteral("OK"))->click();
        });
        OptionValues expected;
        expected.pageNum = 0;
        expected.tapeText = 1;
        expected.nlViewGrid = 2;
        expected.custom[1] = 1;
        expected.nlViewPrint = 0;
        expected.actorGrid = 0;
        expected.actorPrint = 2;
        expected.titlesPrint = 1;
        QCOMPARE(app.Options(), expected);
        QVERIFY(app.Doc().Display().Options().tapeText);
        const QString stored = harness_.StoreText();
        for (const char* line : {"PageNum=0", "TapeText=1", "NlViewGrid=2", "Custom 2=1",
                                 "NlViewPrint=0", "ActorGrid=0", "ActorPrint=2", "TitlesPrint=1"}) {
            QVERIFY2(stored.contains(u'\n' + QString::fromUtf8(line) + u'\n'), line);
        }

        // The next run reads them, and its sheet shows them.
        CReelkeepApp& next = harness_.StartedApp(stored.toUtf8());
        QCOMPARE(next.Options(), expected);
        RunOptions(next, [](QWidget* sheet) {
            QVERIFY(!Button(Page(sheet, 0), QStringLiteral("Display Page Number"))->isChecked());
            QVERIFY(Button(Page(sheet, 1), QStringLiteral("No Graphics"))->isChecked());
            QVERIFY(Button(Page(sheet, 1), QStringLiteral("Display Custom 2"))->isChecked());
            QVERIFY(!Button(Page(sheet, 2), QStringLiteral("Grid On"))->isChecked());
            QVERIFY(Button(Page(sheet, 3), QStringLiteral("Grid On"))->isChecked());
            QVERIFY(Button(Page(sheet, 3), QStringLiteral("Print a Page Break after each Letter "
                                                          "of the Alphabet"))
                        ->isChecked());
        });
    }

    // Screen font and colours picked through the General page, then Cancel or OK.
    void screenFontAndColoursTakeEffectOnlyAtOk_data() {
        QTest::addColumn<bool>("ok");
        QTest::newRow("Cancel") << false;
        QTest::newRow("OK") << true;
    }

    void screenFontAndColoursTakeEffectOnlyAtOk() {
        QFETCH(bool, ok);
        CReelkeepApp& app = harness_.StartedApp();
        const QString storedBefore = harness_.StoreText();
        const QFont viewFontBefore = app.Frame().View().ScreenFont();
        QFont bold(QStringLiteral("Arial"), 10);
        bold.setWeight(QFont::Bold);
        dialogs_->fonts = {bold};
        dialogs_->colors = {QColor(255, 0, 0)};
        RunOptions(app, [ok](QWidget* sheet) {
            Button(sheet, QStringLiteral("Change Screen Font..."))->click();
            WhenModalShown([](QWidget* colors) {
                QCOMPARE(colors->windowTitle(), QStringLiteral("Change Screen Color"));
                SelectLine(colors, QStringLiteral("Data Color"));
                Button(colors, QStringLiteral("Select Color"))->click();
                // The list shows the colour of the entry selected.
                QCOMPARE(colors->findChild<QListWidget*>()->palette().color(QPalette::Base),
                         QColor(255, 0, 0));
                Button(colors, QStringLiteral("OK"))->click();
            });
            Button(sheet, QStringLiteral("Change Screen Colors..."))->click();
            if (ok) Button(sheet, QStringLiteral("OK"))->click();
        });
        QCOMPARE(dialogs_->fontsShown.size(), std::size_t{1});
        QCOMPARE(dialogs_->fontSizesShown.front().maxPoints, 12);
        QCOMPARE(dialogs_->colorsShown, std::vector<QColor>{QColor(0, 0, 0)});  // data: black
        if (!ok) {
            QCOMPARE(app.ScreenFont(), FontSpec{});
            QCOMPARE(app.Colors(), ScreenColors{});
            QCOMPARE(app.Frame().View().ScreenFont(), viewFontBefore);
            QCOMPARE(harness_.StoreText(), storedBefore);
            return;
        }
        const FontSpec expected{QStringLiteral("Arial"), 100, 700, true, false};
        QCOMPARE(app.ScreenFont(), expected);
        QCOMPARE(app.Colors().data, 0x0000FFu);
        QVERIFY(app.Frame().View().ScreenFont() != viewFontBefore);
        const QString stored = harness_.StoreText();
        for (const char* line :
             {"Face Name=Arial", "Font Size=100", "Font Weight=700", "Bold=1", "DataColor=255"}) {
            QVERIFY2(stored.contains(u'\n' + QString::fromUtf8(line) + u'\n'), line);
        }
    }

    void labelFontStoresTenthsAndBoldOnlyAt700() {
        CReelkeepApp& app = harness_.StartedApp();
        QFont semibold(QStringLiteral("Arial"), 8);
        semibold.setWeight(QFont::DemiBold);
        dialogs_->fonts = {semibold};
        app.Frame().ExecuteCommand(CommandId::LabelFont);
        const QString stored = harness_.StoreText();
        for (const char* line :
             {"PFace Name=Arial", "PFont Size=80", "PFont Weight=600", "PBold=0"}) {
            QVERIFY2(stored.contains(u'\n' + QString::fromUtf8(line) + u'\n'), line);
        }
        // The next opening starts at what was stored, within the label font's sizes.
        app.Frame().ExecuteCommand(CommandId::LabelFont);
        QCOMPARE(dialogs_->fontsShown.back().pointSize(), 8);
        QCOMPARE(dialogs_->fontsShown.back().weight(), QFont::DemiBold);
        QCOMPARE(dialogs_->fontSizesShown.back().maxPoints, 14);
        QCOMPARE(app.LabelFont().sizeTenths, 80);
    }

    void fontPickerTakesOnlyTheSizesAllowed() {
        const QString family = QFontDatabase::families().value(0);
        QFont tooLarge(family);
        tooLarge.setPointSize(13);
        WhenModalShown([family](QWidget* modal) {
            auto* picker = qobject_cast<QFontDialog*>(modal);
            QVERIFY(picker != nullptr);
            QAbstractButton* ok =
                picker->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
            QVERIFY(!ok->isEnabled());
            for (const QWidget* effect : picker->findChildren<QCheckBox*>()) {
                QVERIFY(!effect->isVisibleTo(picker));
            }
            QFont allowed(family);
            allowed.setPointSize(12);
            picker->setCurrentFont(allowed);
            QVERIFY(ok->isEnabled());
            ok->click();
        });
        const std::optional<QFont> chosen = RunFontPicker(nullptr, tooLarge, kScreenFontSizes);
        QVERIFY(chosen.has_value());
        QCOMPARE(chosen->pointSize(), 12);
    }

    void printerColourFallsBackToBlackWithoutAColourPrinter_data() {
        QTest::addColumn<int>("printerColors");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("shownNext");
        QTest::newRow("monochrome")
            << 2 << QStringList{kNoColorPrinter} << QStringLiteral("Use Black Only");
        QTest::newRow("colour") << 256 << QStringList{} << QStringLiteral("Use Label Colors");
    }

    void printerColourFallsBackToBlackWithoutAColourPrinter() {
        QFETCH(int, printerColors);
        QFETCH(QStringList, messages);
        QFETCH(QString, shownNext);
        CReelkeepApp& app = harness_.StartedApp();
        app.Doc().SetPrinterColorCount(printerColors);
        RunOptions(app, [](QWidget* sheet) {
            // Every run starts with black only.
            QVERIFY(Button(sheet, QStringLiteral("Use Black Only"))->isChecked());
            Button(sheet, QStringLiteral("Use Label Colors"))->click();
            Button(sheet, QStringLiteral("OK"))->click();
        });
        QCOMPARE(dialogs_->messages, messages);
        RunOptions(app,
                   [shownNext](QWidget* sheet) { QVERIFY(Button(sheet, shownNext)->isChecked()); });
        QVERIFY(!harness_.StoreText().contains(QStringLiteral("Printer")));
    }

    void ignoringTheReSortsAtOk() {
        CReelkeepApp& app = harness_.StartedApp();
        Catalogue(app.Doc(), {{"The Abyss", ""}, {"Heat", ""}, {"Batman", ""}});
        const std::vector<std::string> ignored = {"The Abyss", "Batman", "Heat"};
        const std::vector<std::string> literal = {"Batman", "Heat", "The Abyss"};
        QCOMPARE(ShownTitles(app.Doc()), ignored);
        const auto toggle = [](QWidget* sheet) {
            Button(Page(sheet, 1), QStringLiteral("Ignore \"The\" When Sorting"))->click();
            Button(sheet, QStringLiteral("OK"))->click();
        };
        RunOptions(app, toggle);
        QCOMPARE(ShownTitles(app.Doc()), literal);
        QVERIFY(harness_.StoreText().contains(QStringLiteral("\nNlViewThe=0\n")));
        RunOptions(app, toggle);
        QCOMPARE(ShownTitles(app.Doc()), ignored);
    }

    void labelColourCommandsNeedAColourPrinterAndMovies() {
        CReelkeepApp& app = harness_.StartedApp();
        const auto enabled = [&app] {
            return app.Frame().IsCommandEnabled(CommandId::LabelDataColors) &&
                   app.Frame().IsCommandEnabled(CommandId::LabelHeadingColor);
        };
        app.Doc().SetPrinterColorCount(256);
        QVERIFY(!enabled());  // an empty catalogue
        Catalogue(app.Doc(), {{"Heat", "Drama"}});
        QVERIFY(enabled());
        app.Doc().SetPrinterColorCount(2);
        QVERIFY(!enabled());
    }

    void labelDataColoursAreSavedInTheCatalogue_data() {
        QTest::addColumn<bool>("ok");
        QTest::newRow("Cancel") << false;
        QTest::newRow("OK") << true;
    }

    void labelDataColoursAreSavedInTheCatalogue() {
        QFETCH(bool, ok);
        CReelkeepApp& app = harness_.StartedApp();
        CReelkeepDoc& doc = app.Doc();
        Catalogue(doc, {{"Heat", "Drama"}, {"Alien", "Comedy"}});
        doc.SetPrinterColorCount(256);
        doc.SetModified(false);
        const std::vector<std::uint32_t> before = doc.Display().DataColors();
        dialogs_->colors = {QColor(0, 128, 0)};
        WhenModalShown([ok](QWidget* dialog) {
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Label Color Selection"));
            const auto* list = dialog->findChild<QListWidget*>();
            QCOMPARE(list->count(), 2);
            QCOMPARE(list->item(0)->text(), QStringLiteral("Comedy"));  // the list's order
            SelectLine(dialog, QStringLiteral("Drama"));
            Button(dialog, QStringLiteral("Select Color"))->click();
            QCOMPARE(dialog->findChild<QLabel*>()->palette().color(QPalette::Window),
                     QColor(0, 128, 0));
            if (ok) Button(dialog, QStringLiteral("OK"))->click();
        });
        app.Frame().ExecuteCommand(CommandId::LabelDataColors);
        if (!ok) {
            QCOMPARE(doc.Display().DataColors(), before);
            QVERIFY(!doc.IsModified());
            return;
        }
        QVERIFY(doc.IsModified());
        const QString path = harness_.Path(QStringLiteral("colours.smf"));
        QVERIFY(doc.SaveDocument(FromQt(path)));
        QVERIFY(doc.OpenDocument(FromQt(path)));
        QCOMPARE(doc.Display().DataColors(), (std::vector<std::uint32_t>{0, 0x008000}));
    }

    void labelHeadingColourWorksWithoutMovieTypes() {
        CReelkeepApp& app = harness_.StartedApp();
        CReelkeepDoc& doc = app.Doc();
        Catalogue(doc, {{"Heat", ""}});  // no movie type: no label colours at all
        doc.SetPrinterColorCount(256);
        doc.SetModified(false);
        QVERIFY(doc.Display().HeadingColors().empty());
        dialogs_->colors = {QColor(0, 0, 255)};
        app.Frame().ExecuteCommand(CommandId::LabelHeadingColor);
        QCOMPARE(doc.Display().HeadingColors(), std::vector<std::uint32_t>{0xFF0000});
        QVERIFY(doc.IsModified());
    }
};

QTEST_MAIN(SettingsCommandsTest)
#include "settings_commands_test.moc"
