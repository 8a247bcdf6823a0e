#include "entry_dialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringListModel>
#include <QVBoxLayout>
#include <optional>
#include <string_view>

#include "catalogue_display.h"
#include "dialog_strings.h"
#include "dialog_widgets.h"
#include "dialogs.h"
#include "help_contexts.h"
#include "qt_text.h"
#include "record_strings.h"
#include "value_combo.h"

namespace reelkeep {

namespace {

struct FieldHelp {
    Field field;
    int context;
    std::string_view text;
};
constexpr std::array<FieldHelp, 11> kFieldHelp = {{
    {Field::MovieName, help::kMovieName, dlg::kHelpMovieName},
    {Field::Actor1, help::kActor1, dlg::kHelpActors[0]},
    {Field::Actor2, help::kActor2, dlg::kHelpActors[1]},
    {Field::Actor3, help::kActor3, dlg::kHelpActors[2]},
    {Field::MovieType, help::kMovieType, dlg::kHelpMovieType},
    {Field::MediaType, help::kMediaType, dlg::kHelpMediaType},
    {Field::Time, help::kTime, dlg::kHelpTime},
    {Field::TapeNumber, help::kTapeNumber, dlg::kHelpTapeNumber},
    {Field::Counter, help::kCounter, dlg::kHelpCounter},
    {Field::Rating, help::kRating, dlg::kHelpRating},
    {Field::Synopsis, help::kSynopsis, dlg::kHelpSynopsis},
}};

// Widths of the short fields, in average characters.
constexpr int kShortEditChars = 7;
constexpr int kRatingChars = 8;
constexpr int kSynopsisLines = 4;

std::optional<LookupKind> ListOf(Field f) {
    for (const LookupSource& source : kLookupSources) {
        if (source.field == f) return source.list;
    }
    return std::nullopt;
}

// The stored synopsis may carry "\r\n", "\n" or a lone "\r"; the editor shows each as one break.
QString SynopsisForDisplay(std::string_view stored) {
    QString text = ToQt(stored);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QChar('\r'), QChar('\n'));
    return text;
}

// The editor's raw text separates paragraphs (Enter) and lines (Shift+Enter) by Unicode
// separators; both become "\r\n", the line break of the catalogue files. The raw text is used
// because the plain-text form would turn non-breaking spaces into spaces.
std::string SynopsisFromDisplay(QString raw) {
    raw.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    raw.replace(QChar::LineSeparator, QStringLiteral("\r\n"));
    return FromQt(raw);
}

// A short edit as wide as chars characters: the line edit's own size hint is a fixed number of
// 'x' widths plus its frame and margins, so the difference is the frame to keep.
void SetEditWidthInChars(QLineEdit* edit, int chars) {
    constexpr int kLineEditHintChars = 17;
    const int x = edit->fontMetrics().horizontalAdvance(QLatin1Char('x'));
    edit->setFixedWidth(edit->sizeHint().width() + x * (chars - kLineEditHintChars));
}

}  // namespace

CEntryDialog::CEntryDialog(const EntryDialogEntries& lists, QWidget* parent) : QDialog(parent) {
    setWindowTitle(dlg::Tr(dlg::kEntryTitle));
    EnableContextHelpButton(this);
    AttachPageHelp(this, help::kEntryDialog);
    CreateControls();
    FillLists(lists);
    LayOut();
    HeadingTexts defaults;
    for (std::size_t k = 0; k < kCustomFieldCount; ++k) defaults[k] = DefaultCustomHeading(k);
    ShowHeadings(defaults);
    SetTabOrder();
    AttachFieldHelp();
}

void CEntryDialog::CreateControls() {
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        const Field f = static_cast<Field>(i);
        if (f == Field::Synopsis) {
            synopsis_ = new QPlainTextEdit(this);
            synopsis_->setTabChangesFocus(true);
            controls_[i] = synopsis_;
        } else if (ListOf(f)) {
            controls_[i] = MakeValueCombo(this);
        } else {
            controls_[i] = MakeLineEdit(this);
        }
        controls_[i]->setObjectName(QStringLiteral("field%1").arg(i));
    }
    for (std::size_t k = 0; k < kCustomFieldCount; ++k) {
        headingLabels_[k] = MakeLabel({}, this, FieldControl(CustomField(k)));
    }
    ok_ = MakeButton(dlg::kOk, true, this);
    cancel_ = MakeButton(dlg::kCancel, false, this);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

void CEntryDialog::FillLists(const EntryDialogEntries& lists) {
    // The three actor lists show the same entries, so they share one model.
    std::array<QStringListModel*, kLookupCount> models{};
    for (const LookupSource& source : kLookupSources) {
        const auto kind = static_cast<std::size_t>(source.list);
        if (models[kind] == nullptr) {
            models[kind] = new QStringListModel(lists[kind], this);
        }
        static_cast<QComboBox*>(FieldControl(source.field))->setModel(models[kind]);
    }
}

void CEntryDialog::LayOut() {
    auto* upper = new QGridLayout;
    upper->addWidget(MakeLabel(dlg::kLabelMovieName, this, FieldControl(Field::MovieName)), 0, 0, 1,
                     2);
    upper->addWidget(FieldControl(Field::MovieName), 1, 0, 1, 5);
    upper->addWidget(MakeLabel(dlg::kLabelActors, this, FieldControl(Field::Actor1)), 2, 0, 1, 2);
    for (std::size_t k = 0; k < kActorSlotCount; ++k) {
        upper->addWidget(ActorNumberLabel(k), 3 + static_cast<int>(k), 0);
        upper->addWidget(FieldControl(ActorField(k)), 3 + static_cast<int>(k), 1);
    }
    upper->addWidget(MakeLabel(dlg::kLabelTime, this, FieldControl(Field::Time)), 3, 3);
    upper->addWidget(FieldControl(Field::Time), 3, 4);
    upper->addWidget(MakeLabel(dlg::kLabelTapeNumber, this, FieldControl(Field::TapeNumber)), 3, 5);
    upper->addWidget(FieldControl(Field::TapeNumber), 3, 6);
    upper->addWidget(MakeLabel(dlg::kLabelCounter, this, FieldControl(Field::Counter)), 4, 3);
    upper->addWidget(FieldControl(Field::Counter), 4, 4);
    upper->addWidget(MakeLabel(dlg::kLabelRating, this, FieldControl(Field::Rating)), 4, 5);
    upper->addWidget(FieldControl(Field::Rating), 4, 6);
    upper->setColumnStretch(1, 1);
    upper->setColumnMinimumWidth(2, fontMetrics().averageCharWidth() * 2);
    for (Field f : {Field::Time, Field::TapeNumber, Field::Counter}) {
        SetEditWidthInChars(static_cast<QLineEdit*>(FieldControl(f)), kShortEditChars);
    }
    auto* rating = static_cast<QComboBox*>(FieldControl(Field::Rating));
    rating->setMinimumContentsLength(kRatingChars);
    rating->setSizePolicy(QSizePolicy::Fixed, rating->sizePolicy().verticalPolicy());

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    buttons->addStretch();

    auto* lower = new QGridLayout;
    lower->addWidget(MakeLabel(dlg::kLabelMovieType, this, FieldControl(Field::MovieType)), 0, 0);
    lower->addWidget(FieldControl(Field::MovieType), 1, 0);
    lower->addWidget(MakeLabel(dlg::kLabelMediaType, this, FieldControl(Field::MediaType)), 2, 0);
    lower->addWidget(FieldControl(Field::MediaType), 3, 0);
    for (std::size_t k = 0; k < kCustomFieldCount; ++k) {
        const int row = static_cast<int>(k);
        lower->addWidget(headingLabels_[k], row, 1, Qt::AlignRight);
        lower->addWidget(FieldControl(CustomField(k)), row, 2);
    }
    lower->setColumnStretch(2, 1);

    synopsis_->setMinimumHeight(synopsis_->fontMetrics().lineSpacing() * kSynopsisLines +
                                2 * synopsis_->frameWidth() + 8);

    auto* grid = new QGridLayout(this);
    grid->addLayout(upper, 0, 0);
    grid->addLayout(buttons, 0, 1);
    grid->addLayout(lower, 1, 0, 1, 2);
    grid->addWidget(MakeLabel(dlg::kLabelSynopsis, this, synopsis_), 2, 0);
    grid->addWidget(synopsis_, 3, 0, 1, 2);
    grid->setRowStretch(3, 1);
    grid->setColumnStretch(0, 1);
}

QLabel* CEntryDialog::ActorNumberLabel(std::size_t k) {
    // Actor 1 has the "Actors" label above it; the numbers give 2 and 3 a label and an Alt
    // letter of their own, and a screen reader a name for each.
    const Field actor = ActorField(k);
    auto* label = new QLabel(QString::number(k + 1), this);
    if (k > 0) {
        label->setText(QStringLiteral("&%1").arg(k + 1));
        label->setBuddy(FieldControl(actor));
    }
    label->setAccessibleName(recordtext::FieldCaption(actor));
    return label;
}

void CEntryDialog::SetTabOrder() {
    QWidget* previous = nullptr;
    // Tab walks the fields in their own order; OK and Cancel follow.
    for (const FieldInfo& info : Fields()) {
        if (previous != nullptr) setTabOrder(previous, FieldControl(info.field));
        previous = FieldControl(info.field);
    }
    setTabOrder(previous, ok_);
    setTabOrder(ok_, cancel_);
}

void CEntryDialog::AttachFieldHelp() {
    for (const FieldHelp& topic : kFieldHelp) {
        AttachHelp(FieldControl(topic.field), topic.context, topic.text);
    }
}

QString CEntryDialog::ControlText(Field f) const {
    QWidget* control = FieldControl(f);
    if (f == Field::Synopsis) return synopsis_->document()->toRawText();
    if (ListOf(f)) return static_cast<QComboBox*>(control)->currentText();
    return static_cast<QLineEdit*>(control)->text();
}

void CEntryDialog::SetControlText(Field f, const QString& text) {
    QWidget* control = FieldControl(f);
    if (f == Field::Synopsis) {
        synopsis_->setPlainText(text);
    } else if (ListOf(f)) {
        ShowValue(static_cast<QComboBox*>(control), text);
    } else {
        static_cast<QLineEdit*>(control)->setText(text);
    }
}

void CEntryDialog::SetValues(const EntryDialogValues& values) {
    original_ = values.fields;
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        const Field f = static_cast<Field>(i);
        SetControlText(
            f, f == Field::Synopsis ? SynopsisForDisplay(original_[i]) : ToQt(original_[i]));
        // Read back what the control shows, so an untouched field is recognised on accept.
        shown_[i] = ControlText(f);
    }
    ShowHeadings(values.headings);
    FieldControl(Field::MovieName)->setFocus();
}

void CEntryDialog::ShowHeadings(const HeadingTexts& headings) {
    // Emptied first, so that no heading keeps a letter another one now needs.
    for (QLabel* label : headingLabels_) label->clear();
    for (std::size_t k = 0; k < kCustomFieldCount; ++k) {
        SetUserCaption(headingLabels_[k], ToQt(headings[k]), static_cast<int>(k) + 1);
    }
}

RecordValues CEntryDialog::Values() const {
    RecordValues values;
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        const Field f = static_cast<Field>(i);
        const QString text = ControlText(f);
        if (text == shown_[i]) {
            values[i] = original_[i];
        } else {
            values[i] = f == Field::Synopsis ? SynopsisFromDisplay(text) : FromQt(text);
        }
    }
    return values;
}

bool RunEntryDialog(QWidget* parent, const EntryDialogEntries& lists, EntryDialogValues& values) {
    CEntryDialog dialog(lists, parent);
    dialog.SetValues(values);
    if (dialog.exec() != QDialog::Accepted) return false;
    values.fields = dialog.Values();
    return true;
}

}  // namespace reelkeep
