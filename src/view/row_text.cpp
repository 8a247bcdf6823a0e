#include "row_text.h"

#include <QStringList>

#include "client_area.h"
#include "list_columns.h"
#include "qt_text.h"

namespace reelkeep {

namespace {

// "Caption: value", from a caption as the screen writes it, with or without its colon.
QString Captioned(QString caption, const QString& value) {
    caption = caption.trimmed();
    if (!caption.endsWith(QLatin1Char(':'))) caption += QLatin1Char(':');
    return caption + QLatin1Char(' ') + value;
}

// A field's caption in the words of the Enter/Edit Movies dialog; the custom fields under the
// user's headings.
QString FieldCaption(const ViewLook& look, Field f) {
    switch (f) {
        case Field::MovieName:
            return CRowTexts::tr("Movie Name");
        case Field::Actor1:
        case Field::Actor2:
        case Field::Actor3:
            return CRowTexts::tr("Actors");
        case Field::MovieType:
            return CRowTexts::tr("Movie Type");
        case Field::MediaType:
            return CRowTexts::tr("Media Type");
        case Field::Time:
            return CRowTexts::tr("Time");
        case Field::TapeNumber:
            return CRowTexts::tr("Tape #");
        case Field::Counter:
            return CRowTexts::tr("Counter");
        case Field::Rating:
            return CRowTexts::tr("Rating");
        case Field::Synopsis:
            return CRowTexts::tr("Synopsis");
        default:
            break;
    }
    for (std::size_t k = 0; k < kCustomFieldCount; ++k) {
        if (CustomField(k) == f) return look.headings[k];
    }
    return {};
}

// The fields a row shows, each after its caption; an empty field says nothing.
class CFieldList {
public:
    CFieldList(const CCatalogueDisplay& display, const ViewLook& look, std::uint32_t record)
        : display_(display), look_(look), record_(record) {}
    QString Value(Field f) const { return CellText(display_.Catalogue().Value(record_, f)); }
    void Add(Field f) { AddText(FieldCaption(look_, f), Value(f)); }
    void AddText(const QString& caption, const QString& text) {
        if (!text.isEmpty()) parts_ << Captioned(caption, text);
    }
    QString Joined() const { return parts_.join(QStringLiteral(", ")); }

private:
    const CCatalogueDisplay& display_;
    const ViewLook& look_;
    std::uint32_t record_;
    QStringList parts_;
};

// A record block's fields in the order the block shows them.
QString BlockFields(const CCatalogueDisplay& display, const ViewLook& look, std::uint32_t record) {
    CFieldList fields(display, look, record);
    for (const Field f : {Field::TapeNumber, Field::Time, Field::Rating, Field::Counter,
                          Field::MediaType, Field::MovieType}) {
        fields.Add(f);
    }
    QStringList actors;
    for (const Field f : {Field::Actor1, Field::Actor2, Field::Actor3}) {
        const QString actor = fields.Value(f);
        if (!actor.isEmpty()) actors << actor;
    }
    fields.AddText(FieldCaption(look, Field::Actor1), actors.join(QStringLiteral(", ")));
    if (look.options.showSynopsis) fields.Add(Field::Synopsis);
    for (std::size_t k = 0; k < kCustomFieldCount; ++k) {
        if (look.options.showCustom[k]) fields.Add(CustomField(k));
    }
    return fields.Joined();
}

// A list line's columns, from the key column on, but for the title, which the row's name says.
QString ListFields(const CCatalogueDisplay& display, const ViewLook& look, std::uint32_t record,
                   std::size_t firstSlot) {
    const ColumnLayout* list = ShownColumnLayout(display);
    if (list == nullptr) return {};
    CFieldList fields(display, look, record);
    for (std::size_t k = firstSlot; k < kColumnSlotCount; ++k) {
        if (k != 0 && !SlotPresent(*list, k)) continue;
        Field f = Field::MovieName;
        if (!FieldOfColumn(list->ids[k], f)) {
            fields.AddText(ColumnTitle(look.columnTitles, list->ids[k]),
                           ColumnText(display, record, list->ids[k]));
        } else if (f != Field::MovieName) {
            fields.Add(f);
        }
    }
    return fields.Joined();
}

QString LabelName(const Label& label) {
    QStringList titles;
    for (std::uint32_t k = 0; k < label.movieCount && k < label.titles.size(); ++k) {
        if (!label.titles[k].empty()) titles << CellText(label.titles[k]);
    }
    return CRowTexts::tr("Tape %1: %2")
        .arg(ToQt(label.tapeNumber), titles.join(QStringLiteral(", ")));
}

}  // namespace

RowText CRowTexts::Of(const CCatalogueDisplay& display, const ViewLook& look, std::uint32_t row) {
    if (row >= display.ShownRowCount()) return {};
    switch (display.State().Mode()) {
        case DisplayMode::Normal: {
            const std::uint32_t record = display.Order()[row];
            return {CFieldList(display, look, record).Value(Field::MovieName),
                    BlockFields(display, look, record)};
        }
        case DisplayMode::OneLine: {
            const std::uint32_t record = display.Order()[row];
            return {CFieldList(display, look, record).Value(Field::MovieName),
                    ListFields(display, look, record, 0)};
        }
        case DisplayMode::Actors: {
            const std::uint32_t record = display.ActorRowRecord(row);
            const QString title = CFieldList(display, look, record).Value(Field::MovieName);
            return {tr("%1: %2").arg(CellText(display.ActorRowActor(row)), title),
                    ListFields(display, look, record, 1)};
        }
        case DisplayMode::Labels:
            return {LabelName(display.Labels()[row]), {}};
        case DisplayMode::None:
            break;
    }
    return {};
}

QString CRowTexts::NameWithState(const QString& name, bool selected) {
    return (selected ? tr("%1, selected") : tr("%1, not selected")).arg(name);
}

QString CRowTexts::ListName(DisplayMode mode) {
    switch (mode) {
        case DisplayMode::Normal:
            return tr("Catalogue, Normal View");
        case DisplayMode::OneLine:
            return tr("Catalogue, One Line Sorts");
        case DisplayMode::Actors:
            return tr("Catalogue, Sort by Actors");
        case DisplayMode::Labels:
            return tr("Catalogue, Label Format");
        case DisplayMode::None:
            break;
    }
    return tr("Catalogue");
}

}  // namespace reelkeep
