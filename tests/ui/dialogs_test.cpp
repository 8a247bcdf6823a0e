#include "dialogs.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>
#include <array>
#include <string>

#include "about_box.h"
#include "custom_headings_dialog.h"
#include "delete_dialog.h"
#include "dialog_test_util.h"
#include "filters_dialog.h"
#include "find_dialog.h"
#include "frame_test_util.h"
#include "label_print_dialogs.h"
#include "options_sheet.h"

using namespace reelkeep;

namespace {

QStringList CLabelTexts(const QWidget* dialog) {
    QStringList texts;
    for (const QLabel* label : dialog->findChildren<QLabel*>()) texts << label->text();
    return texts;
}

// The edit standing right of the label with this text, on its line: what the user reads as
// that label's box.
QLineEdit* EditBesideLabel(const QWidget* dialog, const QString& text) {
    const QLabel* label = nullptr;
    for (const QLabel* l : dialog->findChildren<QLabel*>()) {
        if (l->text() == text) label = l;
    }
    if (label == nullptr) return nullptr;
    QLineEdit* nearest = nullptr;
    for (QLineEdit* edit : dialog->findChildren<QLineEdit*>()) {
        const bool sameLine = qAbs(edit->geometry().center().y() - label->geometry().center().y()) <
                              edit->height() / 2;
        const bool right = edit->x() > label->x();
        if (sameLine && right && (nearest == nullptr || edit->x() < nearest->x())) nearest = edit;
    }
    return nearest;
}

// Clicks the box itself: a check box stretched across its column answers only on its mark and
// text, not on the empty rest.
void ClickCheckBox(QCheckBox* box) {
    QTest::mouseClick(box, Qt::LeftButton, {},
                      QPoint(box->sizeHint().width() / 2, box->height() / 2));
}

}  // namespace

class DialogsTest : public QObject {
    Q_OBJECT
private slots:
    void deleteDialogAnswersForEachButton_data();
    void deleteDialogAnswersForEachButton();
    void deleteDialogWithoutAButtonGivesNoAnswer();
    void deleteQuestionIsShownLiterally();
    void findDialogCarriesTextAndOptions();
    void findCancelLeavesTheSearchAlone();
    void customHeadingsComeBackAsTyped();
    void filtersStandBesideTheirLabels();
    void filtersResetToAllAndStayOpen();
    void aboutBoxShowsNameVersionAndMaker();
    void labelQuestionsCancelOnEscAndShowTheChosenStart();
    void tabIntoARadioGroupLandsOnTheChosenButton();
};

void DialogsTest::deleteDialogAnswersForEachButton_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("text");
    QTest::newRow("YES") << int(DeleteAnswer::Yes) << "&YES";
    QTest::newRow("Yes to All") << int(DeleteAnswer::YesToAll) << "Yes to &All";
    QTest::newRow("NO") << int(DeleteAnswer::No) << "&NO";
    QTest::newRow("No to All") << int(DeleteAnswer::NoToAll) << "N&o to All";
}

void DialogsTest::deleteDialogAnswersForEachButton() {
    QFETCH(int, answer);
    QFETCH(QString, text);
    WhenModalShown([text](QWidget* dialog) {
        for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
            if (button->text() == text) QTest::mouseClick(button, Qt::LeftButton);
        }
    });
    const auto got = RunDeleteDialog(nullptr, "Are you sure you want to delete Brazil?");
    QVERIFY(got.has_value());
    QCOMPARE(int(*got), answer);
}

void DialogsTest::deleteDialogWithoutAButtonGivesNoAnswer() {
    WhenModalShown([](QWidget* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
    QVERIFY(!RunDeleteDialog(nullptr, "Are you sure you want to delete Brazil?").has_value());

    WhenModalShown([](QWidget* dialog) { dialog->close(); });
    QVERIFY(!RunDeleteDialog(nullptr, "Are you sure you want to delete Brazil?").has_value());

    // Enter answers with the default button.
    WhenModalShown([](QWidget* dialog) { QTest::keyClick(dialog, Qt::Key_Return); });
    QCOMPARE(RunDeleteDialog(nullptr, "Are you sure you want to delete Brazil?"),
             std::optional(DeleteAnswer::Yes));
}

void DialogsTest::deleteQuestionIsShownLiterally() {
    // A movie name that looks like markup must reach the user as typed.
    const std::string question = "Are you sure you want to delete <b>Tom & Jerry</b>?";
    CDeleteDialog dialog(question);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QLabel* label = dialog.findChild<QLabel*>();
    QCOMPARE(label->text(), QString::fromStdString(question));
    QCOMPARE(label->textFormat(), Qt::PlainText);
    QCOMPARE(HelpContextOf(label), 22);
    QCOMPARE(HelpContextOf(dialog.Button(DeleteAnswer::NoToAll)), 25);
    QCOMPARE(dialog.windowTitle(), QString("Delete Movies"));

    // A name without spaces must not stretch the dialog across the screen.
    CDeleteDialog longName("Are you sure you want to delete " + std::string(500, 'X') + "?");
    QVERIFY(longName.sizeHint().width() < 800);
}

void DialogsTest::findDialogCarriesTextAndOptions() {
    FindSettings settings{"smith", false, true};
    WhenModalShown([](QWidget* dialog) {
        auto* find = static_cast<CFindDialog*>(dialog);
        QCOMPARE(find->TextEdit()->text(), QString("smith"));
        QVERIFY(find->WholeWordBox()->isChecked());
        QVERIFY(!find->MatchCaseBox()->isChecked());
        QTest::keyClicks(find->TextEdit(), "Will Smith");  // the old text is selected
        ClickCheckBox(find->WholeWordBox());
        ClickCheckBox(find->MatchCaseBox());
        QTest::keyClick(find->TextEdit(), Qt::Key_Return);  // Find is the default
    });
    QVERIFY(RunFindDialog(nullptr, settings));
    QCOMPARE(settings.text, std::string("Will Smith"));
    QVERIFY(!settings.wholeWord);
    QVERIFY(settings.matchCase);
}

void DialogsTest::findCancelLeavesTheSearchAlone() {
    FindSettings settings{"Smith", true, true};
    WhenModalShown([](QWidget* dialog) {
        auto* find = static_cast<CFindDialog*>(dialog);
        QTest::keyClicks(find->TextEdit(), "other");
        ClickCheckBox(find->MatchCaseBox());
        for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
            if (button->text() == "&Cancel") QTest::mouseClick(button, Qt::LeftButton);
        }
    });
    QVERIFY(!RunFindDialog(nullptr, settings));
    QCOMPARE(settings.text, std::string("Smith"));
    QVERIFY(settings.matchCase);
    QVERIFY(settings.wholeWord);
}

void DialogsTest::customHeadingsComeBackAsTyped() {
    std::array<std::string, 4> headings = {"Director", "Year", "Series", "Caf\xE9"};
    WhenModalShown([](QWidget* dialog) {
        auto* box = static_cast<CCustomHeadingsDialog*>(dialog);
        QCOMPARE(EditBesideLabel(box, "Custom Heading &3"), box->HeadingEdit(2));
        box->HeadingEdit(2)->clear();
        QTest::keyClick(box->HeadingEdit(0), Qt::Key_End);
        QTest::keyClicks(box->HeadingEdit(0), " (first)");
        QTest::mouseClick(box->OkButton(), Qt::LeftButton);
    });
    QVERIFY(RunCustomHeadingsDialog(nullptr, headings));
    // The empty heading is handed back empty (the command gives it its default); the heading
    // that is not UTF-8 and was not touched keeps its bytes.
    const std::array<std::string, 4> expected = {"Director (first)", "Year", "", "Caf\xE9"};
    QCOMPARE(headings, expected);

    WhenModalShown([](QWidget* dialog) {
        auto* box = static_cast<CCustomHeadingsDialog*>(dialog);
        QTest::keyClicks(box->HeadingEdit(1), "lost");
        QTest::keyClick(box->HeadingEdit(1), Qt::Key_Escape);
    });
    QVERIFY(!RunCustomHeadingsDialog(nullptr, headings));
    QCOMPARE(headings, expected);
}

void DialogsTest::filtersStandBesideTheirLabels() {
    const std::array<std::string, kFilterCount> filters = {
        "movie", "actor", "mtype", "media", "rating", "one", "two", "three", "four"};
    CFiltersDialog dialog(filters, {"Director", "Year", "R&B", "Moa"});
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const std::array<const char*, kFilterCount> labels = {
        "&Movie Name", "&Actor Name", "Mo&vie Type", "M&edia Type", "&Rating",
        "D&irector",   "&Year",       "R&&&B",       "Moa (&4)"};
    for (std::size_t i = 0; i < kFilterCount; ++i) {
        QLineEdit* edit = EditBesideLabel(&dialog, labels[i]);
        QVERIFY2(edit != nullptr, labels[i]);
        QCOMPARE(edit->text().toStdString(), filters[i]);
    }
    // The custom boxes form the right-hand column.
    QVERIFY(dialog.FilterEdit(FilterField::Custom1)->x() >
            dialog.FilterEdit(FilterField::Rating)->x());
    QCOMPARE(dialog.Filters(), filters);
}

void DialogsTest::filtersResetToAllAndStayOpen() {
    std::array<std::string, kFilterCount> filters = {"Star", "de", "",  "VHS", "PG",
                                                     "x",    "y",  "z", "w"};
    WhenModalShown([](QWidget* dialog) {
        auto* box = static_cast<CFiltersDialog*>(dialog);
        QTest::mouseClick(box->ResetButton(), Qt::LeftButton);
        QVERIFY(box->isVisible());
        box->FilterEdit(FilterField::Rating)->selectAll();
        QTest::keyClicks(box->FilterEdit(FilterField::Rating), " pg ");  // kept untrimmed
        QTest::mouseClick(box->OkButton(), Qt::LeftButton);
    });
    QVERIFY(RunFiltersDialog(nullptr, filters, {}));
    const std::array<std::string, kFilterCount> expected = {"All", "All", "All", "All", " pg ",
                                                            "All", "All", "All", "All"};
    QCOMPARE(filters, expected);

    WhenModalShown([](QWidget* dialog) {
        auto* box = static_cast<CFiltersDialog*>(dialog);
        QTest::mouseClick(box->ResetButton(), Qt::LeftButton);
        QTest::keyClick(box, Qt::Key_Escape);
    });
    filters[0] = "Star";
    QVERIFY(!RunFiltersDialog(nullptr, filters, {}));
    QCOMPARE(filters[0], std::string("Star"));
}

void DialogsTest::aboutBoxShowsNameVersionAndMaker() {
    CAboutBox box;
    QCOMPARE(box.windowTitle(), QString("About Reelkeep"));
    const QStringList texts = CLabelTexts(&box);
    for (const char* text : {"Reelkeep", "Version 1.4", "Quillfen"}) {
        QVERIFY2(texts.contains(text), text);
    }
    const QLabel* icon = nullptr;
    for (const QLabel* label : box.findChildren<QLabel*>()) {
        if (!label->pixmap().isNull()) icon = label;
    }
    QVERIFY(icon != nullptr);
    WhenModalShown([](QWidget* dialog) {
        for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
            if (button->text() == "&OK") QTest::mouseClick(button, Qt::LeftButton);
        }
    });
    QCOMPARE(box.exec(), int(QDialog::Accepted));
}

void DialogsTest::labelQuestionsCancelOnEscAndShowTheChosenStart() {
    WhenModalShown([](QWidget* modal) {
        const auto* box = modal->findChild<QSpinBox*>();
        QVERIFY(box && box->minimum() == 1 && box->maximum() == 99);
        QTest::keyClick(modal, Qt::Key_Escape);
    });
    QCOMPARE(RunLabelCopiesDialog(nullptr), std::nullopt);
    const std::vector<QString> titles = {"One", "Two", "Empty", "Empty"};
    WhenModalShown([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
    QCOMPARE(RunStartPositionDialog(nullptr, true, titles), std::nullopt);
    CStartPositionDialog dialog(true, titles);
    dialog.ChoosePosition(3);
    QCOMPARE(dialog.PositionText(2), QString("Empty"));
    QCOMPARE(dialog.PositionText(4), QString("Two"));
}

// Tab reaches a group of radio buttons on its chosen button, as the arrow keys choose in it.
void DialogsTest::tabIntoARadioGroupLandsOnTheChosenButton() {
    frametest::ScriptedDialogs pickers;
    OptionsSheetValues values;
    values.printerColor = LabelColorChoice::ScreenColors;
    COptionsSheet sheet(values, pickers);
    sheet.show();
    QVERIFY(QTest::qWaitForWindowActive(&sheet));
    sheet.findChild<QTabBar*>()->setFocus();
    for (int step = 0; step < 3; ++step) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    const auto* radio = qobject_cast<QRadioButton*>(QApplication::focusWidget());
    QVERIFY(radio != nullptr && radio->isChecked());
}

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
