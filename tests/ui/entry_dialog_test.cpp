#include "entry_dialog.h"

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>
#include <algorithm>
#include <random>
#include <string>

#include "dialog_test_util.h"
#include "dialogs.h"
#include "help_contexts.h"
#include "qt_text.h"
#include "silent_ui.h"
#include "text_compare.h"

using namespace reelkeep;

namespace {

QComboBox* Combo(const CEntryDialog& dialog, Field f) {
    return qobject_cast<QComboBox*>(dialog.FieldControl(f));
}

QPlainTextEdit* Synopsis(const CEntryDialog& dialog) {
    return qobject_cast<QPlainTextEdit*>(dialog.FieldControl(Field::Synopsis));
}

QStringList Items(const QComboBox* combo) {
    QStringList items;
    for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
    return items;
}

// Every list different, so a combo wired to the wrong list shows.
EntryDialogEntries SampleLists() {
    EntryDialogEntries lists;
    auto set = [&](LookupKind kind, QStringList values) {
        lists[static_cast<std::size_t>(kind)] = std::move(values);
    };
    set(LookupKind::Actors, {"alan Arkin", "Anna Karina", "Star Wars Kid", "will Smith", "Zoe"});
    set(LookupKind::MovieTypes, {"Action", "comedy", "Drama"});
    set(LookupKind::MediaTypes, {"beta", "DVD", "VHS"});
    set(LookupKind::Ratings, {"G", "PG", "PG-13", "R"});
    set(LookupKind::Custom1, {"c1 a", "c1 b"});
    set(LookupKind::Custom2, {"c2"});
    set(LookupKind::Custom3, {"Star Trek", "Star Wars"});
    set(LookupKind::Custom4, {});
    return lists;
}

EntryDialogValues SampleValues() {
    EntryDialogValues values;
    values.fields = {"Brazil",
                     "Jonathan Pryce",
                     "",
                     "Robert De Niro",
                     "Comedy",
                     "VHS",
                     "142",
                     "7",
                     "0314",
                     "R",
                     "plain",
                     "",
                     "Star",
                     "x",
                     "Line one\r\nLine two"};
    values.headings = {"Director", "Year", "Series", "Notes"};
    return values;
}

}  // namespace

class EntryDialogTest : public QObject {
    Q_OBJECT
private slots:
    void combosListTheEntriesOfTheirOwnList();
    void listsFollowChangesAsAFreshSortShowsThem();
    void untouchedValuesComeBackByteForByte();
    void comboShowsTheValueNotAnEntryItBeginsWith();
    void typedTextIsReturnedAsTyped();
    void synopsisKeepsItsLineBreaks();
    void enterAcceptsAndEscapeCancels();
    void tabWalksTheFieldsInOrder();
    void controlsCarryTheirHelpTopics();
    void everyFieldHasANameAndItsOwnLetter();
};

void EntryDialogTest::combosListTheEntriesOfTheirOwnList() {
    CEntryDialog dialog(SampleLists());
    const QStringList actors = {"alan Arkin", "Anna Karina", "Star Wars Kid", "will Smith", "Zoe"};
    for (int k = 0; k < 3; ++k) QCOMPARE(Items(Combo(dialog, ActorField(k))), actors);
    QCOMPARE(Items(Combo(dialog, Field::MovieType)), QStringList({"Action", "comedy", "Drama"}));
    QCOMPARE(Items(Combo(dialog, Field::MediaType)), QStringList({"beta", "DVD", "VHS"}));
    QCOMPARE(Items(Combo(dialog, Field::Rating)), QStringList({"G", "PG", "PG-13", "R"}));
    QCOMPARE(Items(Combo(dialog, Field::Custom1)), QStringList({"c1 a", "c1 b"}));
    QCOMPARE(Items(Combo(dialog, Field::Custom2)), QStringList({"c2"}));
    QCOMPARE(Items(Combo(dialog, Field::Custom3)), QStringList({"Star Trek", "Star Wars"}));
    QVERIFY(Items(Combo(dialog, Field::Custom4)).isEmpty());
}

// Random changes of one movie, the lists converted after a few or (late on) many: always the
// lookup lists sorted ignoring case.
void EntryDialogTest::listsFollowChangesAsAFreshSortShowsThem() {
    std::mt19937 random(27);
    const std::string a70(70, 'a');
    const std::vector<std::string> odd = {a70 + "b", a70 + "A",  a70,        {"ab\0", 3},
                                          "AB",      "abcdefg ", "Jennifer", "abcdefg\xE9"};
    const auto movie = [&] {
        RecordValues values{};
        for (Field f : {Field::Actor1, Field::Actor2, Field::Actor3, Field::MovieType}) {
            const std::size_t n = random() % 40;
            values[FieldIndex(f)] = n < odd.size() ? odd[n] : "Jennifer " + std::to_string(n);
        }
        return values;
    };
    CSilentUI ui;
    CCatalogue catalogue(ui);
    for (int i = 0; i < 20; ++i) catalogue.Append(movie());
    catalogue.RebuildLookupLists(false);
    catalogue.RefreshEntryDialogLists(false);
    CEntryListCache cache;
    for (int step = 0; step < 600; ++step) {
        const std::uint32_t record = random() % catalogue.Count();
        catalogue.RemoveRecordsFromLookups({record});
        catalogue.SetRecord(record, movie());
        catalogue.AddChangedRecordToLookups(record);
        catalogue.EndLookupChange();
        if (step < 300 ? random() % 4 != 0 : step % 100 != 99) continue;
        const EntryDialogEntries& shown = cache.Update(catalogue, nullptr);
        for (std::size_t k = 0; k < kLookupCount; ++k) {
            std::vector<std::string> sorted = catalogue.Lookup(LookupKind(k)).Entries();
            std::ranges::sort(sorted, [](auto& a, auto& b) { return CompareNoCase(a, b) < 0; });
            QStringList expected;
            for (const std::string& entry : sorted) expected << ToQt(entry);
            QCOMPARE(shown[k], expected);
        }
    }
}

void EntryDialogTest::untouchedValuesComeBackByteForByte() {
    EntryDialogValues values = SampleValues();
    values.fields[FieldIndex(Field::MovieName)] =
        std::string(40000, 'm');                            // past QLineEdit's 32767
    values.fields[FieldIndex(Field::Custom2)] = "Caf\xE9";  // not UTF-8
    values.fields[FieldIndex(Field::Custom4)] =
        "a\xC2\xA0"
        "b";  // no-break space
    values.fields[FieldIndex(Field::Synopsis)] = "one\ntwo\rthree\r\nfour";
    CEntryDialog dialog(SampleLists());
    dialog.SetValues(values);
    dialog.show();
    QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.Values(), values.fields);
}

void EntryDialogTest::comboShowsTheValueNotAnEntryItBeginsWith() {
    CEntryDialog dialog(SampleLists());
    dialog.SetValues(SampleValues());
    // "Star" begins "Star Trek": the entry may be current, but the text stays the value.
    QCOMPARE(Combo(dialog, Field::Custom3)->currentText(), QString("Star"));
    // An empty value shows an empty field although the list is not empty.
    QCOMPARE(Combo(dialog, Field::Actor2)->currentText(), QString());
    // A case variant of an entry is shown as stored.
    QCOMPARE(Combo(dialog, Field::MovieType)->currentText(), QString("Comedy"));
    QCOMPARE(dialog.Values(), SampleValues().fields);
}

void EntryDialogTest::typedTextIsReturnedAsTyped() {
    EntryDialogValues values;
    values.fields[FieldIndex(Field::MovieName)] = std::string(40000, 'm');
    CEntryDialog dialog(SampleLists());
    dialog.SetValues(values);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QTest::keyClick(dialog.FieldControl(Field::MovieName), Qt::Key_End);
    QTest::keyClicks(dialog.FieldControl(Field::MovieName), "!");  // no length limit cuts it
    auto typeInto = [&](Field f, const char* text) {
        dialog.FieldControl(f)->setFocus();
        QTest::keyClicks(dialog.FieldControl(f), text);
        QTest::keyClick(dialog.FieldControl(f),
                        Qt::Key_Tab);  // leaving the field must not alter it
    };
    typeInto(Field::Actor1, "Sta");            // the beginning of an entry
    typeInto(Field::Actor2, "anna karina");    // an entry in other capitals
    typeInto(Field::Actor3, "Nobody Listed");  // not in the list at all
    typeInto(Field::Rating, "pg");
    typeInto(Field::Time, "1:45");
    typeInto(Field::Custom4, "new value");
    QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);

    const RecordValues got = dialog.Values();
    QCOMPARE(got[FieldIndex(Field::MovieName)], std::string(40000, 'm') + "!");
    QCOMPARE(got[FieldIndex(Field::Actor1)], std::string("Sta"));
    QCOMPARE(got[FieldIndex(Field::Actor2)], std::string("anna karina"));
    QCOMPARE(got[FieldIndex(Field::Actor3)], std::string("Nobody Listed"));
    QCOMPARE(got[FieldIndex(Field::Rating)], std::string("pg"));
    QCOMPARE(got[FieldIndex(Field::Time)], std::string("1:45"));
    QCOMPARE(got[FieldIndex(Field::Custom4)], std::string("new value"));
    // Typing adds nothing to the lists.
    QCOMPARE(Combo(dialog, Field::Actor3)->count(), 5);
}

void EntryDialogTest::synopsisKeepsItsLineBreaks() {
    EntryDialogValues values = SampleValues();
    values.fields[FieldIndex(Field::Synopsis)] = "First\nSecond";
    CEntryDialog dialog(SampleLists());
    dialog.SetValues(values);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QPlainTextEdit* synopsis = Synopsis(dialog);
    synopsis->setFocus();
    synopsis->moveCursor(QTextCursor::End);
    QTest::keyClick(synopsis, Qt::Key_Return);  // a new line, not OK
    QTest::keyClicks(synopsis, "Third");
    QTest::keyClick(synopsis, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClicks(synopsis, "Fourth");
    QVERIFY(dialog.isVisible());
    QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
    QCOMPARE(dialog.Values()[FieldIndex(Field::Synopsis)],
             std::string("First\r\nSecond\r\nThird\r\nFourth"));
}

void EntryDialogTest::enterAcceptsAndEscapeCancels() {
    EntryDialogValues values = SampleValues();
    WhenModalShown([](QWidget* dialog) {
        QWidget* name = dialog->focusWidget();
        QTest::keyClick(name, Qt::Key_End);  // the dialog opens with the name selected
        QTest::keyClicks(name, " Revisited");
        QTest::keyClick(name, Qt::Key_Return);
    });
    QVERIFY(RunEntryDialog(nullptr, SampleLists(), values));
    QCOMPARE(values.fields[FieldIndex(Field::MovieName)], std::string("Brazil Revisited"));

    WhenModalShown([](QWidget* dialog) {
        QTest::keyClicks(dialog->focusWidget(), "lost");
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Escape);
    });
    QVERIFY(!RunEntryDialog(nullptr, SampleLists(), values));
    QCOMPARE(values.fields[FieldIndex(Field::MovieName)], std::string("Brazil Revisited"));

    // Enter on a drop-down list accepts too.
    WhenModalShown([](QWidget* dialog) {
        auto* entry = static_cast<CEntryDialog*>(dialog);
        QWidget* rating = entry->FieldControl(Field::Rating);
        rating->setFocus();
        QTest::keyClicks(rating, "X");
        QTest::keyClick(rating, Qt::Key_Return);
    });
    QVERIFY(RunEntryDialog(nullptr, SampleLists(), values));
    QCOMPARE(values.fields[FieldIndex(Field::Rating)], std::string("RX"));
}

void EntryDialogTest::tabWalksTheFieldsInOrder() {
    CEntryDialog dialog(SampleLists());
    dialog.SetValues(SampleValues());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    const std::vector<QWidget*> expected = {
        dialog.FieldControl(Field::MovieName),
        dialog.FieldControl(Field::Actor1),
        dialog.FieldControl(Field::Actor2),
        dialog.FieldControl(Field::Actor3),
        dialog.FieldControl(Field::MovieType),
        dialog.FieldControl(Field::MediaType),
        dialog.FieldControl(Field::Time),
        dialog.FieldControl(Field::TapeNumber),
        dialog.FieldControl(Field::Counter),
        dialog.FieldControl(Field::Rating),
        dialog.FieldControl(Field::Custom1),
        dialog.FieldControl(Field::Custom2),
        dialog.FieldControl(Field::Custom3),
        dialog.FieldControl(Field::Custom4),
        dialog.FieldControl(Field::Synopsis),
        dialog.OkButton(),
        dialog.CancelButton(),
    };
    for (std::size_t i = 0; i < expected.size(); ++i) {
        QWidget* focus = QApplication::focusWidget();
        QVERIFY2(focus == expected[i] || focus->parentWidget() == expected[i] ||
                     focus->focusProxy() == expected[i] || expected[i]->focusProxy() == focus,
                 qPrintable(QString("stop %1").arg(i)));
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    // Tab left the synopsis instead of typing into it.
    QCOMPARE(Synopsis(dialog)->toPlainText(), QString("Line one\nLine two"));
}

void EntryDialogTest::controlsCarryTheirHelpTopics() {
    CEntryDialog dialog(SampleLists());
    QCOMPARE(HelpContextOf(dialog.FieldControl(Field::MovieName)), 7);
    QCOMPARE(HelpContextOf(Combo(dialog, Field::Actor2)->lineEdit()), 4);
    QCOMPARE(HelpContextOf(dialog.FieldControl(Field::Counter)), 6);
    QCOMPARE(HelpContextOf(dialog.FieldControl(Field::TapeNumber)), 10);
    QCOMPARE(HelpContextOf(dialog.FieldControl(Field::MediaType)), 12);
    QCOMPARE(HelpContextOf(Synopsis(dialog)->viewport()), 27);
    // Controls without a topic of their own lead to the dialog's page.
    QCOMPARE(HelpContextOf(dialog.FieldControl(Field::Custom1)), help::kEntryDialog);
    QCOMPARE(HelpContextOf(dialog.OkButton()), help::kEntryDialog);
    QVERIFY(!dialog.FieldControl(Field::Rating)->whatsThis().isEmpty());
}

// A reader names each field by its label; a heading shows as typed, with a letter of its own.
void EntryDialogTest::everyFieldHasANameAndItsOwnLetter() {
    CEntryDialog dialog(SampleLists());
    EntryDialogValues values = SampleValues();
    values.headings = {"Rock & Roll", "Moa", "Notes", "Notes"};
    dialog.SetValues(values);
    // A combo box's own name is its value; the reader takes the name of its label.
    const auto label = [&](Field f) {
        return QAccessible::queryAccessibleInterface(dialog.FieldControl(f))
            ->relations(QAccessible::Label)
            .value(0)
            .first;
    };
    QCOMPARE(label(Field::Actor2)->text(QAccessible::Name), QString("Actor 2"));
    const QStringList expected = {"Roc&k && Roll", "Moa (&4)", "Notes (&5)", "Notes (&6)"};
    for (std::size_t k = 0; k < kCustomFieldCount; ++k) {
        QAccessibleInterface* heading = label(CustomField(k));
        QVERIFY(heading != nullptr);
        QCOMPARE(heading->text(QAccessible::Name).section(" (", 0, 0), values.headings[k].c_str());
        QCOMPARE(static_cast<QLabel*>(heading->object())->text(), expected[qsizetype(k)]);
    }
}

QTEST_MAIN(EntryDialogTest)
#include "entry_dialog_test.moc"
