#include "row_text.h"

#include <QStringList>

#include "client_area.h"
#include "list_columns.h"
#include "qt_text.h"
#include "record_strings.h"

namespace reelkeep {

namespace {

namespace rt = recordtext;

// "Caption: value", from a caption as the screen writes it, with or without its colon.
QString Captioned(QString caption, const QString& value) {
    caption = caption.trimmed();
    if (!caption.endsWith(QLatin1Char(':'))) caption += QLatin1Char(':');
    return caption + QLatin1Char(' ') + value;
}

class FieldList {
public:
    FieldList(const CCatalogueDisplay& doc, std::uint32_t record) : doc_(doc), record_(record) {}
    QString Value(Field f) const { return CellText(doc_.Catalogue().Value(record_, f)); }
    void Add(const QString& caption, Field f) { parts_ << Captioned(caption, Value(f)); }
    void Add(std::string_view caption, Field f) { Add(rt::Tr(caption), f); }
    void AddText(const QString& caption, const QString& text) {
        parts_ << Captioned(caption, text);
    }
    QString Joined() const { return parts_.join(QStringLiteral(", ")); }

private:
    const CCatalogueDisplay& doc_;
    std::uint32_t record_;
    QStringList parts_;
};

// A record block's fields in the order the block shows them.
QString BlockFields(const CCatalogueDisplay& doc, const ViewLook& look, std::uint32_t record) {
    FieldList fields(doc, record);
    fields.Add(rt::kTapeNumber, Field::TapeNumber);
    fields.Add(rt::kTime, Field::Time);
    fields.Add(rt::kRating, Field::Rating);
    fields.Add(rt::kCounter, Field::Counter);
    fields.Add(rt::kMedia, Field::MediaType);
    fields.Add(rt::kType, Field::MovieType);
    QStringList actors;
    for (const Field f : {Field::Actor1, Field::Actor2, Field::Actor3}) {
        const QString actor = fields.Value(f);
        if (!actor.isEmpty()) actors << actor;
    }
    fields.AddText(rt::Tr(rt::kActors), actors.join(QStringLiteral(", ")));
    if (look.options.showSynopsis) fields.Add(rt::kSynopsis, Field::Synopsis);
    for (std::size_t k = 0; k < kCustomFieldCount; ++k) {
        if (look.options.showCustom[k]) fields.Add(look.headings[k], CustomField(k));
    }
    return fields.Joined();
}

// A list line's columns under their titles, from the key column on.
QString ListFields(const CCatalogueDisplay& doc, const ViewLook& look, std::uint32_t record,
                   std::size_t firstSlot) {
    const ColumnLayout* list = ShownColumnLayout(doc);
    if (list == nullptr) return {};
    FieldList fields(doc, record);
    for (std::size_t k = firstSlot; k < kColumnSlotCount; ++k) {
        if (k != 0 && !SlotPresent(*list, k)) continue;
        fields.AddText(ColumnTitle(look.columnTitles, list->ids[k]),
                       ColumnText(doc, record, list->ids[k]));
    }
    return fields.Joined();
}

QString LabelName(const Label& label) {
    QStringList titles;
    for (std::uint32_t k = 0; k < label.movieCount && k < label.titles.size(); ++k) {
        if (!label.titles[k].empty()) titles << CellText(label.titles[k]);
    }
    return RowTexts::tr("Tape %1: %2")
        .arg(ToQt(label.tapeNumber), titles.join(QStringLiteral(", ")));
}

}  // namespace

RowText RowTexts::Of(const CCatalogueDisplay& doc, const ViewLook& look, std::uint32_t row) {
    if (row >= doc.ShownRowCount()) return {};
    switch (doc.State().Mode()) {
        case DisplayMode::Normal: {
            const std::uint32_t record = doc.Order()[row];
            return {FieldList(doc, record).Value(Field::MovieName), BlockFields(doc, look, record)};
        }
        case DisplayMode::OneLine: {
            const std::uint32_t record = doc.Order()[row];
            return {FieldList(doc, record).Value(Field::MovieName),
                    ListFields(doc, look, record, 0)};
        }
        case DisplayMode::Actors: {
            const std::uint32_t record = doc.ActorRowRecord(row);
            const QString title = FieldList(doc, record).Value(Field::MovieName);
            return {tr("%1: %2").arg(CellText(doc.ActorRowActor(row)), title),
                    ListFields(doc, look, record, 1)};
        }
        case DisplayMode::Labels:
            return {LabelName(doc.Labels()[row]), {}};
        case DisplayMode::None:
            break;
    }
    return {};
}

QString RowTexts::ListName(DisplayMode mode) {
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
